#include "ui/FolderPicker.h"

#include "files/CardFolder.h"
#include "files/PickedPath.h"
#include "ui/FolderDialog.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace rx20::ui {

//: The folder browser's title: "Please choose the folder to install to:", the
//: folder the settings file goes into (the memory card).
const char *const FolderPicker::title =
    QT_TRANSLATE_NOOP("rx20::ui::FolderPicker", "请选择软件安装路径：");

void FolderPicker::pickInto(QWidget *owner, QLineEdit *pathBox)
{
    const auto folder = FolderDialog::chooseFolder(
        owner, QCoreApplication::translate("rx20::ui::FolderPicker", title),
        CardFolder::startFolder());
    pathBox->setText(PickedPath::boxText(folder));
}

} // namespace rx20::ui

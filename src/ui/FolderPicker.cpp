#include "ui/FolderPicker.h"

#include "files/CardFolder.h"
#include "files/PickedPath.h"
#include "ui/FolderDialog.h"

#include <QLineEdit>

namespace rx20::ui {

const char *const FolderPicker::title = "请选择软件安装路径：";

void FolderPicker::pickInto(QWidget *owner, QLineEdit *pathBox)
{
    const auto folder =
        FolderDialog::chooseFolder(owner, QString::fromUtf8(title), CardFolder::startFolder());
    pathBox->setText(PickedPath::boxText(folder));
}

} // namespace rx20::ui

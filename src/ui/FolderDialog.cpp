#include "ui/FolderDialog.h"

#include <QFileDialog>

namespace rx20::ui {

namespace {
FolderDialog::Handler &handler()
{
    static FolderDialog::Handler instance;
    return instance;
}
} // namespace

std::optional<QString> FolderDialog::chooseFolder(QWidget *owner, const QString &title,
                                                  const QString &startFolder)
{
    if (handler())
        return handler()(owner, title, startFolder);
    const QString folder =
        QFileDialog::getExistingDirectory(owner, title, startFolder, QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

void FolderDialog::setHandler(Handler replacement)
{
    handler() = std::move(replacement);
}

} // namespace rx20::ui

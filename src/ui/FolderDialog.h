#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace rx20::ui {

// The platform's folder browser, modal to its owner, opening at startFolder.
// Returns the chosen folder, or nothing when the user cancels. Tests answer
// through the handler.
class FolderDialog
{
public:
    static std::optional<QString> chooseFolder(QWidget *owner, const QString &title,
                                               const QString &startFolder);

    using Handler = std::function<std::optional<QString>(QWidget *owner, const QString &title,
                                                         const QString &startFolder)>;
    // An empty handler restores the real dialog.
    static void setHandler(Handler handler);
};

} // namespace rx20::ui

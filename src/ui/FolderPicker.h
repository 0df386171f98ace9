#pragma once

class QLineEdit;
class QWidget;

namespace rx20::ui {

// The "..." button of the settings windows: lets the user choose a folder,
// starting on the memory card when one is in, and puts that folder's NET.CFG
// path into the window's path box.
class FolderPicker
{
public:
    static const char *const title;

    static void pickInto(QWidget *owner, QLineEdit *pathBox);
};

} // namespace rx20::ui

#pragma once

#include <QLineEdit>

namespace rx20::ui {

// A text box as the settings windows use it: without a length limit
// (QLineEdit would stop at 32767 characters).
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);
};

} // namespace rx20::ui

#pragma once

#include <QLineEdit>

namespace rx20::ui {

// A text box as the settings windows use it: named after the design and
// without a length limit (QLineEdit would stop at 32767 characters).
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    TextBox(const QString &name, QWidget *parent);
};

} // namespace rx20::ui

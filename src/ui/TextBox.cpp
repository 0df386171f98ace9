#include "ui/TextBox.h"

#include <limits>

namespace rx20::ui {

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
}

TextBox::TextBox(const QString &name, QWidget *parent)
    : TextBox(parent)
{
    setObjectName(name);
}

} // namespace rx20::ui

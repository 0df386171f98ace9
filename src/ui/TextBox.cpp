#include "ui/TextBox.h"

#include <limits>

namespace rx20::ui {

TextBox::TextBox(const QString &name, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(name);
    setMaxLength(std::numeric_limits<int>::max());
}

} // namespace rx20::ui

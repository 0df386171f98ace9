#include "ui/TextBox.h"

#include <limits>

namespace rx20::ui {

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
}

} // namespace rx20::ui

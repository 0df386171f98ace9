#pragma once

#include <initializer_list>

class QWidget;

namespace rx20::ui {

// Before a Generate writes: a box holding a character the system's code page
// cannot store is named to the user by its label, with that character, and
// nothing is written.
class StorableText
{
public:
    // Text boxes and drop-downs in the order the file writes them; false,
    // after the message, at the first box with such a character.
    static bool check(QWidget *window, std::initializer_list<const QWidget *> boxes);
};

} // namespace rx20::ui

#pragma once

class QWidget;

namespace rx20::test {

// A window's controls as a screen reader and the keyboard meet them, checked
// row by row in a data-driven test: a row is tagged with the control's name
// and gives a label that names it ("" for none), the name a screen reader
// says, and the control Tab moves to from it in the window's start state (""
// where that state leaves it out of reach: hidden or disabled). The label
// says that name too, unless the row gives what it says (a name that tells
// two alike captions apart: "GPRS password" by the label "Password").
class ScreenReader
{
public:
    static void addColumns();
    static void addRow(const char *control, const char *label, const char *name, const char *next,
                       const char *labelSays = nullptr);

    // Checks the current row in this window.
    static void verifyRow(QWidget *window);
};

} // namespace rx20::test

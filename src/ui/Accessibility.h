#pragma once

namespace rx20::ui {

// Teaches Qt's accessibility how screen readers should meet the program's
// own widgets (a Panel as a pane, a LinkLabel as a link). Each of them calls
// it when made; the first call installs it, once.
void installAccessibility();

} // namespace rx20::ui

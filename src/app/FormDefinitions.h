#pragma once

namespace rx20 {

// Tells the window registry how to load each of the program's windows.
void defineForms();

} // namespace rx20

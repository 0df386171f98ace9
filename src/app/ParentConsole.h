#pragma once

namespace rx20 {

// Where the windowed program prints (--help, --version, a wrong option): a
// Windows program with windows has no console of its own, so it prints into
// the console it was started from, if any; started from Explorer it opens
// none. Elsewhere the program's standard output is already the terminal's.
void useParentConsole();

} // namespace rx20

#include "app/ParentConsole.h"

#include <cstdio>

#include <windows.h>

namespace rx20 {

void useParentConsole()
{
    // Output that is already going somewhere (a pipe, a file) stays there.
    if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN)
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}

} // namespace rx20

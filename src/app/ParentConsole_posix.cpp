#include "app/ParentConsole.h"

namespace rx20 {

void useParentConsole()
{
}

} // namespace rx20

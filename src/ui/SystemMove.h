#pragma once

#include <functional>

class QWindow;

namespace rx20::ui {

// Where the platform does not let a program place its windows (Wayland), a
// borderless window is dragged by the compositor: the press that starts the
// drag is handed over to it.
class SystemMove
{
public:
    // Whether dragging must be handed over: the program cannot place windows.
    static bool isNeeded();
    // Hands the drag of the window over to the compositor; false when it refuses.
    static bool start(QWindow *window);

    // Tests replace the platform check and the hand-over; empty functions
    // restore the platform's.
    using Check = std::function<bool()>;
    using Starter = std::function<bool(QWindow *)>;
    static void setCheck(Check check);
    static void setStarter(Starter starter);
};

} // namespace rx20::ui

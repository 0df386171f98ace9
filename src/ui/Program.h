#pragma once

#include <functional>

namespace rx20::ui {

// Ending the whole program at once (Esc in a borderless window): no window
// handler runs and nothing is saved. Tests replace the ending.
class Program
{
public:
    static void end();

    using Handler = std::function<void()>;
    // An empty handler restores the real ending.
    static void setEndHandler(Handler handler);
};

} // namespace rx20::ui

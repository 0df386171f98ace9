#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace rx20::ui {

// The program's windows, addressed by form name ("Form1" ... "Form7").
// A window is loaded (constructed, which runs its Form_Load) on its first
// show; unloading discards it, so the next show loads it afresh.
class Forms
{
public:
    using Factory = std::function<QWidget *()>;

    static void define(const QString &name, Factory factory);
    static bool isDefined(const QString &name);

    static QWidget *load(const QString &name);
    static QWidget *show(const QString &name);
    static void hide(const QString &name);
    static void unload(const QString &name);

    // The loaded window, or nullptr.
    static QWidget *loaded(const QString &name);

    // Unloads every window and forgets every definition (tests start clean).
    static void reset();
};

} // namespace rx20::ui

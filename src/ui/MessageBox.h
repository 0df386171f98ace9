#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace rx20::ui {

// Every message of the program: a modal box titled "RX20 Setting Tools" with
// one OK button and no icon. Tests replace the box through the handler.
class MessageBox
{
public:
    static const QString &applicationTitle();

    static void show(QWidget *parent, const QString &text);

    using Handler = std::function<void(QWidget *parent, const QString &text)>;
    // An empty handler restores the real message box.
    static void setHandler(Handler handler);
};

} // namespace rx20::ui

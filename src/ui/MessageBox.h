#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace rx20::ui {

// Every message of the program: a modal box titled "RX20 Setting Tools" with
// one OK button and no icon. A question has a button that does what it names
// and a Cancel button. Tests replace the boxes through the handlers.
class MessageBox
{
public:
    static const QString &applicationTitle();

    static void show(QWidget *parent, const QString &text);

    // True when the owner pressed the button captioned `accept`.
    static bool ask(QWidget *parent, const QString &text, const QString &accept);

    using Handler = std::function<void(QWidget *parent, const QString &text)>;
    // An empty handler restores the real message box.
    static void setHandler(Handler handler);

    using QuestionHandler = std::function<bool(QWidget *parent, const QString &text)>;
    static void setQuestionHandler(QuestionHandler handler);
};

} // namespace rx20::ui

#include "ui/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace rx20::ui {

namespace {
MessageBox::Handler &handler()
{
    static MessageBox::Handler instance;
    return instance;
}

MessageBox::QuestionHandler &questionHandler()
{
    static MessageBox::QuestionHandler instance;
    return instance;
}
} // namespace

const QString &MessageBox::applicationTitle()
{
    static const QString title = QStringLiteral("RX20 Setting Tools");
    return title;
}

void MessageBox::show(QWidget *parent, const QString &text)
{
    if (handler()) {
        handler()(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool MessageBox::ask(QWidget *parent, const QString &text, const QString &accept)
{
    if (questionHandler())
        return questionHandler()(parent, text);
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Cancel, parent);
    QPushButton *yes = box.addButton(accept, QMessageBox::AcceptRole);
    // Enter alone never changes a window's settings.
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == yes;
}

void MessageBox::setQuestionHandler(QuestionHandler replacement)
{
    questionHandler() = std::move(replacement);
}

void MessageBox::setHandler(Handler replacement)
{
    handler() = std::move(replacement);
}

} // namespace rx20::ui

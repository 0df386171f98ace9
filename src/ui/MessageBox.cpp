#include "ui/MessageBox.h"

#include <QMessageBox>

namespace rx20::ui {

namespace {
MessageBox::Handler &handler()
{
    static MessageBox::Handler instance;
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

void MessageBox::setHandler(Handler replacement)
{
    handler() = std::move(replacement);
}

} // namespace rx20::ui

#include "app/FormDefinitions.h"

#include "app/MainWindow.h"
#include "ui/Forms.h"

#include <QWidget>

namespace rx20 {

void defineForms()
{
    using ui::Forms;
    Forms::define(QStringLiteral("Form1"), [] { return new MainWindow; });
    Forms::define(QStringLiteral("Form5"), [] {
        auto *placeholder = new QWidget;
        placeholder->setObjectName(QStringLiteral("Form5"));
        placeholder->setWindowTitle(QStringLiteral("GPRS SETTINGS"));
        return placeholder;
    });
}

} // namespace rx20

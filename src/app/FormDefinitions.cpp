#include "app/FormDefinitions.h"

#include "app/MainWindow.h"
#include "camera/CameraSettingsWindow.h"
#include "camera/MmsSettingsWindow.h"
#include "smtp/MailPhoneSettingsWindow.h"
#include "smtp/SmtpSettingsWindow.h"
#include "ui/Forms.h"
#include "wireless/WirelessSettingsWindow.h"

namespace rx20 {

void defineForms()
{
    using ui::Forms;
    Forms::define(QStringLiteral("Form1"), [] { return new MainWindow; });
    Forms::define(QStringLiteral("Form5"), [] { return new WirelessSettingsWindow; });
    // No window opens these four; they are ready to be shown all the same.
    Forms::define(QStringLiteral("Form2"), [] { return new CameraSettingsWindow; });
    Forms::define(QStringLiteral("Form3"), [] { return new MmsSettingsWindow; });
    Forms::define(QStringLiteral("Form4"), [] { return new SmtpSettingsWindow; });
    Forms::define(QStringLiteral("Form7"), [] { return new MailPhoneSettingsWindow; });
}

} // namespace rx20

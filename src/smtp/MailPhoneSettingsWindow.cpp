#include "smtp/MailPhoneSettingsWindow.h"

#include "catalogue/Catalogue.h"
#include "files/TargetPath.h"
#include "ui/FolderPicker.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/StorableText.h"

#include <QDir>

namespace rx20 {

using catalogue::Catalogue;
using catalogue::Copy;

MailPhoneSettingsWindow::MailPhoneSettingsWindow(QWidget *parent)
    : BorderlessForm(parent)
{
    setupUi(this);
    m_newer = new ui::NewerSettingsLink(NewerLink, {{QStringLiteral("apn"), Label5->text()},
                                                    {QStringLiteral("account"), Label6->text()},
                                                    {QStringLiteral("password"), Label7->text()}});
    useHighlightColours();
    Combo3->replaceItems(Catalogue::of(Copy::Mail).offeredCountries(), QString());

    // Only picking a list item is a Click; typing into a drop-down is not.
    connect(Combo1, &QComboBox::activated, this, &MailPhoneSettingsWindow::Combo1_Click);
    connect(Combo3, &QComboBox::activated, this, &MailPhoneSettingsWindow::Combo3_Click);
    connect(Combo4, &QComboBox::activated, this, &MailPhoneSettingsWindow::Combo4_Click);
    connect(Command4, &QPushButton::clicked, this, &MailPhoneSettingsWindow::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &MailPhoneSettingsWindow::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &MailPhoneSettingsWindow::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &MailPhoneSettingsWindow::Command3_Click);
    connect(NewerLink, &ui::LinkLabel::clicked, this, &MailPhoneSettingsWindow::NewerLink_Click);

    centreOnScreen();
    Form_Load();
}

void MailPhoneSettingsWindow::Form_Load()
{
    setKeyPreview(true);
    const QString mode = Combo1->text();
    if (mode == QLatin1String("Auto"))
        showGprsBoxes(false);
    else if (mode == QLatin1String("Manual"))
        showGprsBoxes(true);
}

void MailPhoneSettingsWindow::showGprsBoxes(bool on)
{
    for (QLineEdit *box : {Text1, Text2, Text3}) {
        box->setEnabled(on);
        box->setVisible(on);
    }
}

void MailPhoneSettingsWindow::Combo1_Click()
{
    const QString mode = Combo1->text();
    if (mode == QLatin1String("Auto")) {
        // The typed values stay; they are hidden, not forgotten.
        showGprsBoxes(false);
        Combo3->setEnabled(true);
        Combo4->setEnabled(true);
        followOperator();
    } else if (mode == QLatin1String("Manual")) {
        showGprsBoxes(true);
        Combo3->setEnabled(false);
        Combo4->setEnabled(false);
        Combo3->setText(QString());
        Combo4->setText(QString());
        Text1->clear();
        Text2->clear();
        Text3->clear();
        followOperator();
    }
}

void MailPhoneSettingsWindow::Combo3_Click()
{
    const Catalogue &catalogue = Catalogue::of(Copy::Mail);
    if (const catalogue::CountryEntry *entry = catalogue.findCountry(Combo3->text()))
        Combo4->replaceItems(entry->operators, entry->preselected);
    Combo4_Click();
}

void MailPhoneSettingsWindow::Combo4_Click()
{
    const catalogue::Preset *preset =
        Catalogue::of(Copy::Mail).findPreset(Combo3->text(), Combo4->text());
    followOperator();
    if (!preset)
        return;
    MailNetCfgValues v = values();
    QString ssl = Combo5->text();
    MailNetCfg::applyPreset(*preset, &v, &ssl);
    Text1->setText(v.apn);
    Text2->setText(v.apnAccount);
    Text3->setText(v.apnPassword);
    Text4->setText(v.server);
    Text5->setText(v.port);
    Combo5->setText(ssl);
}

void MailPhoneSettingsWindow::Command4_Click()
{
    ui::FolderPicker::pickInto(this, Text18);
}

void MailPhoneSettingsWindow::Command2_Click()
{
    // Reminders only: the file is written either way.
    if (Text7->text().isEmpty())
        showMessage(tr("Need Phone Number Input"));
    if (Text12->text().isEmpty())
        showMessage(tr("Need Email Input"));

    m_sslValue = MailNetCfg::sslValue(Combo5->text(), m_sslValue);
    if (!ui::StorableText::check(this, {Text1, Text4, Text5, Text6, Text17, Text12, Text13, Text14,
                                        Text15, Text16, Text7, Text2, Text3}))
        return;

    const QString target = TargetPath::resolve(Text18->text(), MailNetCfg::fileName());
    if (const FileStatus status = MailNetCfg::write(target, values()); !status) {
        showMessage(status.message);
        return;
    }
    showMessage(tr("Create configure file success."));
}

void MailPhoneSettingsWindow::Command1_Click()
{
    MailNetCfgValues read;
    const QString path = QDir::current().absoluteFilePath(MailNetCfg::fileName());
    if (const FileStatus status = MailNetCfg::read(path, &read); !status) {
        showMessage(status.message);
        return;
    }
    apply(read);
    showMessage(tr("Read configure file success."));
}

void MailPhoneSettingsWindow::Command3_Click()
{
    ui::Forms::unload(QStringLiteral("Form7"));
    ui::Forms::show(QStringLiteral("Form1"));
}

void MailPhoneSettingsWindow::NewerLink_Click()
{
    const QHash<QString, QString> newer = m_newer->offer(this, Command2->text());
    if (newer.isEmpty())
        return;
    // Auto's values with the newer ones over them, typed in as Manual would have them.
    const QString apn = newer.value(QStringLiteral("apn"), Text1->text());
    const QString account = newer.value(QStringLiteral("account"), Text2->text());
    const QString password = newer.value(QStringLiteral("password"), Text3->text());
    Combo1->setText(QStringLiteral("Manual"));
    Combo1_Click();
    Text1->setText(apn);
    Text2->setText(account);
    Text3->setText(password);
}

MailNetCfgValues MailPhoneSettingsWindow::values() const
{
    MailNetCfgValues v;
    v.apn = Text1->text();
    v.server = Text4->text();
    v.port = Text5->text();
    v.sender = Text6->text();
    v.password = Text17->text();
    v.emails = {Text12->text(), Text13->text(), Text14->text(), Text15->text(), Text16->text()};
    v.ssl = m_sslValue;
    v.phone1 = Text7->text();
    v.apnAccount = Text2->text();
    v.apnPassword = Text3->text();
    return v;
}

void MailPhoneSettingsWindow::apply(const MailNetCfgValues &v)
{
    Text1->setText(v.apn);
    Text4->setText(v.server);
    Text5->setText(v.port);
    Text6->setText(v.sender);
    Text17->setText(v.password);
    Text12->setText(v.emails[0]);
    Text13->setText(v.emails[1]);
    Text14->setText(v.emails[2]);
    Text15->setText(v.emails[3]);
    Text16->setText(v.emails[4]);
    m_sslValue = v.ssl; // Combo5 keeps its choice
    Text7->setText(v.phone1);
    Text2->setText(v.apnAccount);
    Text3->setText(v.apnPassword);
}

// The link follows the operator the selectors name while Setting Mode is Auto.
void MailPhoneSettingsWindow::followOperator()
{
    m_newer->follow(Catalogue::of(Copy::Mail).findPreset(Combo3->text(), Combo4->text()),
                    Combo1->text() == QLatin1String("Auto"));
}

void MailPhoneSettingsWindow::showMessage(const QString &text)
{
    ui::MessageBox::show(this, text);
}

} // namespace rx20

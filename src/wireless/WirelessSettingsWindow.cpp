#include "wireless/WirelessSettingsWindow.h"

#include "catalogue/Catalogue.h"
#include "files/TargetPath.h"
#include "ui/FolderPicker.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/StorableText.h"

#include <QDir>
#include <QFileInfo>

namespace rx20 {

using catalogue::Catalogue;
using catalogue::Copy;

namespace {

const QString autoMode = QStringLiteral("Auto");
const QString manualMode = QStringLiteral("Manual");

} // namespace

WirelessSettingsWindow::WirelessSettingsWindow(QWidget *parent)
    : BorderlessForm(parent)
{
    setupUi(this);
    m_newer = new ui::NewerSettingsLink(NewerLink, {{QStringLiteral("apn"), Label5->text()},
                                                    {QStringLiteral("url"), Label8->text()},
                                                    {QStringLiteral("ip"), Label9->text()}});
    useHighlightColours();
    // The list is sorted; the catalogue offers its countries in that order.
    Combo3->replaceItems(Catalogue::of(Copy::Wireless).offeredCountries(), QString());

    // Only picking a list item is a Click; typing into a selector runs nothing.
    connect(Combo2, &QComboBox::activated, this, &WirelessSettingsWindow::Combo2_Click);
    connect(Combo3, &QComboBox::activated, this, &WirelessSettingsWindow::Combo3_Click);
    connect(Combo4, &QComboBox::activated, this, &WirelessSettingsWindow::Combo4_Click);
    connect(Command4, &QPushButton::clicked, this, &WirelessSettingsWindow::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &WirelessSettingsWindow::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &WirelessSettingsWindow::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &WirelessSettingsWindow::Command3_Click);
    connect(NewerLink, &ui::LinkLabel::clicked, this, &WirelessSettingsWindow::NewerLink_Click);

    centreOnScreen();
    Form_Load();
}

void WirelessSettingsWindow::Form_Load()
{
    setKeyPreview(true);
    const QList<QLineEdit *> fields = {Text1, Text2, Text3, Text4, Text5, Text6};
    if (Combo2->text() == autoMode) {
        for (QLineEdit *field : fields)
            field->setEnabled(false);
        for (QLineEdit *field : fields)
            field->setVisible(false);
    } else {
        Text1->setEnabled(true);
        Text2->setEnabled(false);
        Text3->setEnabled(false);
        Text4->setEnabled(true);
        Text5->setEnabled(true);
        Text6->setEnabled(true);
        Text1->setVisible(true);
        Text2->setVisible(false);
        Text3->setVisible(false);
        Text4->setVisible(true);
        Text5->setVisible(true);
        Text6->setVisible(true);
    }
}

void WirelessSettingsWindow::Combo2_Click()
{
    const QList<QLineEdit *> fields = {Text1, Text2, Text3, Text4, Text5, Text6};
    const QString mode = Combo2->text();
    if (mode == autoMode) {
        for (QLineEdit *field : fields)
            field->setEnabled(false);
        Combo3->setEnabled(true);
        Combo4->setEnabled(true);
        // Nothing is cleared: the hidden values are still written by Generate.
        for (QLineEdit *field : fields)
            field->setVisible(false);
        followOperator();
    } else if (mode == manualMode) {
        Text1->setEnabled(true);
        Text2->setEnabled(false);
        Text3->setEnabled(false);
        Text4->setEnabled(true);
        Text5->setEnabled(true);
        Text6->setEnabled(true);
        Combo3->setEnabled(false);
        Combo4->setEnabled(false);
        Combo3->setText(QString());
        Combo4->setText(QString());
        for (QLineEdit *field : fields)
            field->clear();
        Text1->setVisible(true);
        Text2->setVisible(false);
        Text3->setVisible(false);
        Text4->setVisible(true);
        Text5->setVisible(true);
        Text6->setVisible(true);
        followOperator();
    }
}

void WirelessSettingsWindow::Combo3_Click()
{
    const Catalogue &catalogue = Catalogue::of(Copy::Wireless);
    if (const catalogue::CountryEntry *entry = catalogue.findCountry(Combo3->text()))
        Combo4->replaceItems(entry->operators, entry->preselected);
    // Setting the operator's text is no pick; this call applies its preset.
    Combo4_Click();
}

void WirelessSettingsWindow::Combo4_Click()
{
    const catalogue::Preset *preset =
        Catalogue::of(Copy::Wireless).findPreset(Combo3->text(), Combo4->text());
    followOperator();
    if (!preset)
        return;
    // A column the preset does not carry leaves its field as it was.
    MmsIniValues v = values();
    MmsIni::applyPreset(*preset, &v);
    Text1->setText(v.apn);
    // The password and account boxes stay hidden and are not written to MMS.INI.
    if (preset->password)
        Text2->setText(*preset->password);
    if (preset->account)
        Text3->setText(*preset->account);
    Text4->setText(v.url);
    Text5->setText(v.ip);
    Text6->setText(v.port);
}

void WirelessSettingsWindow::Command4_Click()
{
    ui::FolderPicker::pickInto(this, Text17);
}

void WirelessSettingsWindow::Command2_Click()
{
    // Reminders, not stops.
    if (Text7->text().isEmpty())
        showMessage(tr("Need Phone Number Input"));
    if (Text12->text().isEmpty())
        showMessage(tr("Need Email Input"));

    if (!ui::StorableText::check(this, {Text4, Text1, Text5, Text6, Text7, Text8, Text9, Text10,
                                        Text11, Text12, Text13, Text14, Text15, Text16, Text20,
                                        Text21, Text19, Text18}))
        return;

    QString target = TargetPath::resolve(Text17->text(), MmsIni::fileName());
    // A bare name lands in the working directory; name it in full if it fails.
    if (QFileInfo(target).isRelative())
        target = QDir::current().absoluteFilePath(target);

    if (const FileStatus status = MmsIni::write(target, values()); !status) {
        showMessage(status.message);
        return;
    }
    showMessage(tr("Create configure file success."));
}

void WirelessSettingsWindow::Command1_Click()
{
    // Read the whole file and check it before any box changes.
    const MmsIniRead file = MmsIni::read(QDir::current().absoluteFilePath(MmsIni::fileName()));
    if (!file.status) {
        showMessage(file.status.message);
        return;
    }
    apply(file.values);
    showMessage(tr("Read configure file success."));
}

void WirelessSettingsWindow::Command3_Click()
{
    ui::Forms::unload(QStringLiteral("Form5"));
    ui::Forms::show(QStringLiteral("Form1"));
}

void WirelessSettingsWindow::NewerLink_Click()
{
    const QHash<QString, QString> newer = m_newer->offer(this, Command2->text());
    if (newer.isEmpty())
        return;
    // Auto's values with the newer ones over them, typed in as Manual would have them.
    MmsIniValues v = values();
    v.apn = newer.value(QStringLiteral("apn"), v.apn);
    v.url = newer.value(QStringLiteral("url"), v.url);
    v.ip = newer.value(QStringLiteral("ip"), v.ip);
    Combo2->setText(manualMode);
    Combo2_Click();
    Text1->setText(v.apn);
    Text4->setText(v.url);
    Text5->setText(v.ip);
    Text6->setText(v.port);
}

MmsIniValues WirelessSettingsWindow::values() const
{
    MmsIniValues v;
    v.url = Text4->text();
    v.apn = Text1->text();
    v.ip = Text5->text();
    v.port = Text6->text();
    v.phones = {Text7->text(), Text8->text(), Text9->text(), Text10->text(), Text11->text()};
    v.emails = {Text12->text(), Text13->text(), Text14->text(), Text15->text(), Text16->text()};
    v.server = Text20->text();
    v.ePort = Text21->text();
    v.sender = Text19->text();
    v.password = Text18->text();
    return v;
}

void WirelessSettingsWindow::apply(const MmsIniValues &v)
{
    // The boxes in the order of the file's lines; no box is shown, hidden,
    // enabled or disabled.
    Text4->setText(v.url);
    Text1->setText(v.apn);
    Text5->setText(v.ip);
    Text6->setText(v.port);
    const QList<QLineEdit *> phones = {Text7, Text8, Text9, Text10, Text11};
    for (int i = 0; i < 5; ++i)
        phones.at(i)->setText(v.phones.at(std::size_t(i)));
    const QList<QLineEdit *> emails = {Text12, Text13, Text14, Text15, Text16};
    for (int i = 0; i < 5; ++i)
        emails.at(i)->setText(v.emails.at(std::size_t(i)));
    Text20->setText(v.server);
    Text21->setText(v.ePort);
    Text19->setText(v.sender);
    Text18->setText(v.password);
}

// The link follows the operator the selectors name while Setting Mode is Auto.
void WirelessSettingsWindow::followOperator()
{
    m_newer->follow(Catalogue::of(Copy::Wireless).findPreset(Combo3->text(), Combo4->text()),
                   Combo2->text() == autoMode);
}

void WirelessSettingsWindow::showMessage(const QString &text)
{
    ui::MessageBox::show(this, text);
}

} // namespace rx20

#include "smtp/MailPhoneSettingsWindow.h"

#include "catalogue/Catalogue.h"
#include "files/TargetPath.h"
#include "ui/DropDown.h"
#include "ui/FolderPicker.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/TextBox.h"
#include "ui/Twips.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rx20 {

using catalogue::Catalogue;
using catalogue::Copy;
using ui::DropDown;
using ui::Twips;

namespace {

// Layout, in twips. Every frame holds rows of a label and its control.
constexpr int windowWidth = 10080;
constexpr int windowHeight = 6720;
constexpr int leftColumn = 240;
constexpr int rightColumn = 5160;
constexpr int frameWidth = 4680;
constexpr int firstRowTop = 360;
constexpr int rowPitch = 480;
constexpr int labelLeft = 120;
constexpr int labelWidth = 1560;
constexpr int labelHeight = 255;
constexpr int controlLeft = 1740;
constexpr int controlWidth = 2760;
constexpr int controlHeight = 315;

int frameHeight(int rows)
{
    return firstRowTop + (rows - 1) * rowPitch + controlHeight + 165;
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, int left, int top,
                 int rows)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    Twips::place(box, left, top, frameWidth, frameHeight(rows));
    return box;
}

QLabel *rowLabel(QGroupBox *frame, const char *name, const QString &caption, int row)
{
    auto *label = new QLabel(caption, frame);
    label->setObjectName(QLatin1String(name));
    Twips::place(label, labelLeft, firstRowTop + row * rowPitch + 30, labelWidth, labelHeight);
    return label;
}

QLineEdit *rowBox(QGroupBox *frame, const char *name, int row)
{
    auto *box = new ui::TextBox(QLatin1String(name), frame);
    Twips::place(box, controlLeft, firstRowTop + row * rowPitch, controlWidth, controlHeight);
    return box;
}

DropDown *rowDropDown(QGroupBox *frame, const char *name, DropDown::Kind kind, int row)
{
    auto *dropDown = new DropDown(QLatin1String(name), kind, frame);
    Twips::place(dropDown, controlLeft, firstRowTop + row * rowPitch, controlWidth, controlHeight);
    return dropDown;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int left, int top,
                    int width)
{
    auto *push = new QPushButton(caption, parent);
    push->setObjectName(QLatin1String(name));
    Twips::place(push, left, top, width, 420);
    return push;
}

} // namespace

MailPhoneSettingsWindow::MailPhoneSettingsWindow(QWidget *parent)
    : BorderlessForm(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("RX12"));
    setSizeInTwips(windowWidth, windowHeight);
    setFont(QFont(QStringLiteral("Times New Roman"), 10));

    // Background and frames in the highlight colour, white labels, blue text
    // in fields and selectors, white buttons.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Highlight));
    colours.setColor(QPalette::WindowText, Qt::white);
    colours.setColor(QPalette::Text, QColor(0, 0, 255));
    colours.setColor(QPalette::Button, Qt::white);
    colours.setColor(QPalette::ButtonText, Qt::black);
    setPalette(colours);

    Frame1 = frame(this, "Frame1", QStringLiteral("SMTP Setting"), leftColumn, 240, 4);
    Label1 = rowLabel(Frame1, "Label1", QStringLiteral("Wireless Mode"), 0);
    Combo2 = rowDropDown(Frame1, "Combo2", DropDown::ChoiceOnly, 0);
    Combo2->replaceItems({QStringLiteral("SMTP")}, QStringLiteral("SMTP"));
    Combo2->setEnabled(false);
    QPalette selectorText = Combo2->palette(); // a choice-only list draws as a button
    selectorText.setColor(QPalette::ButtonText, QColor(0, 0, 255));
    Combo2->setPalette(selectorText);
    Label2 = rowLabel(Frame1, "Label2", QStringLiteral("Setting Mode"), 1);
    Combo1 = rowDropDown(Frame1, "Combo1", DropDown::Editable, 1);
    Combo1->replaceItems({QStringLiteral("Auto"), QStringLiteral("Manual")},
                         QStringLiteral("Auto"));
    Label3 = rowLabel(Frame1, "Label3", QStringLiteral("Country"), 2);
    Combo3 = rowDropDown(Frame1, "Combo3", DropDown::Editable, 2);
    Combo3->replaceItems(Catalogue::of(Copy::Mail).offeredCountries(), QString());
    Label4 = rowLabel(Frame1, "Label4", QStringLiteral("Operators"), 3);
    Combo4 = rowDropDown(Frame1, "Combo4", DropDown::Editable, 3);
    Combo4->replaceItems({QStringLiteral("China Mobile"), QStringLiteral("China Unicom")},
                         QString());

    Frame2 = frame(this, "Frame2", QStringLiteral("GPRS Setting"), leftColumn, 2640, 3);
    Label5 = rowLabel(Frame2, "Label5", QStringLiteral("APN"), 0);
    Text1 = rowBox(Frame2, "Text1", 0);
    Label6 = rowLabel(Frame2, "Label6", QStringLiteral("Account"), 1);
    Text2 = rowBox(Frame2, "Text2", 1);
    Label7 = rowLabel(Frame2, "Label7", QStringLiteral("Password"), 2);
    Text3 = rowBox(Frame2, "Text3", 2);

    // One visible row: Phone 2 to 5 sit below it, hidden for good.
    Frame4 = frame(this, "Frame4", QStringLiteral("Phone Setting"), leftColumn, 4560, 1);
    Label12 = rowLabel(Frame4, "Label12", QStringLiteral("Phone 1"), 0);
    Text7 = rowBox(Frame4, "Text7", 0);
    Label13 = rowLabel(Frame4, "Label13", QStringLiteral("Phone 2"), 1);
    Text8 = rowBox(Frame4, "Text8", 1);
    Label14 = rowLabel(Frame4, "Label14", QStringLiteral("Phone 3"), 2);
    Text9 = rowBox(Frame4, "Text9", 2);
    Label15 = rowLabel(Frame4, "Label15", QStringLiteral("Phone 4"), 3);
    Text10 = rowBox(Frame4, "Text10", 3);
    Label16 = rowLabel(Frame4, "Label16", QStringLiteral("Phone 5"), 4);
    Text11 = rowBox(Frame4, "Text11", 4);
    // The camera takes one phone number from this file.
    for (QWidget *unused : {static_cast<QWidget *>(Label13), static_cast<QWidget *>(Text8),
                            static_cast<QWidget *>(Label14), static_cast<QWidget *>(Text9),
                            static_cast<QWidget *>(Label15), static_cast<QWidget *>(Text10),
                            static_cast<QWidget *>(Label16), static_cast<QWidget *>(Text11)})
        unused->setVisible(false);

    Frame3 = frame(this, "Frame3", QStringLiteral("Server Setting"), rightColumn, 240, 5);
    Label8 = rowLabel(Frame3, "Label8", QStringLiteral("Server"), 0);
    Text4 = rowBox(Frame3, "Text4", 0);
    Label9 = rowLabel(Frame3, "Label9", QStringLiteral("Port"), 1);
    Text5 = rowBox(Frame3, "Text5", 1);
    Label10 = rowLabel(Frame3, "Label10", QStringLiteral("Email"), 2);
    Text6 = rowBox(Frame3, "Text6", 2);
    Label11 = rowLabel(Frame3, "Label11", QStringLiteral("Password"), 3);
    Text17 = rowBox(Frame3, "Text17", 3);
    Label22 = rowLabel(Frame3, "Label22", QStringLiteral("SSL"), 4);
    Combo5 = rowDropDown(Frame3, "Combo5", DropDown::Editable, 4);
    Combo5->replaceItems({QStringLiteral("YES"), QStringLiteral("NO")}, QStringLiteral("YES"));

    Frame5 = frame(this, "Frame5", QStringLiteral("Email Setting"), rightColumn, 3120, 5);
    Label17 = rowLabel(Frame5, "Label17", QStringLiteral("Email 1"), 0);
    Text12 = rowBox(Frame5, "Text12", 0);
    Label18 = rowLabel(Frame5, "Label18", QStringLiteral("Email 2"), 1);
    Text13 = rowBox(Frame5, "Text13", 1);
    Label19 = rowLabel(Frame5, "Label19", QStringLiteral("Email 3"), 2);
    Text14 = rowBox(Frame5, "Text14", 2);
    Label20 = rowLabel(Frame5, "Label20", QStringLiteral("Email 4"), 3);
    Text15 = rowBox(Frame5, "Text15", 3);
    Label21 = rowLabel(Frame5, "Label21", QStringLiteral("Email 5"), 4);
    Text16 = rowBox(Frame5, "Text16", 4);

    Label23 = new QLabel(QStringLiteral("Path"), this);
    Label23->setObjectName(QStringLiteral("Label23"));
    Twips::place(Label23, leftColumn + labelLeft, 5670, 600, labelHeight);
    Text18 = new ui::TextBox(QStringLiteral("Text18"), this);
    Twips::place(Text18, leftColumn + 780, 5640, 3360, controlHeight);
    Command4 = button(this, "Command4", QStringLiteral("..."), leftColumn + 4200, 5587, 420);

    Command1 = button(this, "Command1", QStringLiteral("Read"), rightColumn + 120, 6060, 1320);
    Command1->setVisible(false); // the reader stays available, but nothing offers it
    Command2 = button(this, "Command2", QStringLiteral("Generate"), rightColumn + 1680, 6060, 1320);
    Command3 = button(this, "Command3", QStringLiteral("Exit"), rightColumn + 3240, 6060, 1320);

    // Only picking a list item is a Click; typing into a drop-down is not.
    connect(Combo1, &QComboBox::activated, this, &MailPhoneSettingsWindow::Combo1_Click);
    connect(Combo3, &QComboBox::activated, this, &MailPhoneSettingsWindow::Combo3_Click);
    connect(Combo4, &QComboBox::activated, this, &MailPhoneSettingsWindow::Combo4_Click);
    connect(Command1, &QPushButton::clicked, this, &MailPhoneSettingsWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MailPhoneSettingsWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &MailPhoneSettingsWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &MailPhoneSettingsWindow::Command4_Click);

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
    } else if (mode == QLatin1String("Manual")) {
        showGprsBoxes(true);
        Combo3->setEnabled(false);
        Combo4->setEnabled(false);
        Combo3->setText(QString());
        Combo4->setText(QString());
        Text1->clear();
        Text2->clear();
        Text3->clear();
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
        showMessage(QStringLiteral("Need Phone Number Input"));
    if (Text12->text().isEmpty())
        showMessage(QStringLiteral("Need Email Input"));

    m_sslValue = MailNetCfg::sslValue(Combo5->text(), m_sslValue);

    const QString target = TargetPath::resolve(Text18->text(), MailNetCfg::fileName());
    if (const FileStatus status = MailNetCfg::write(target, values()); !status) {
        showMessage(status.message);
        return;
    }
    showMessage(QStringLiteral("Create configure file success."));
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
    showMessage(QStringLiteral("Read configure file success."));
}

void MailPhoneSettingsWindow::Command3_Click()
{
    ui::Forms::unload(QStringLiteral("Form7"));
    ui::Forms::show(QStringLiteral("Form1"));
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

void MailPhoneSettingsWindow::showMessage(const QString &text)
{
    ui::MessageBox::show(this, text);
}

} // namespace rx20

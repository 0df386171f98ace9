#include "wireless/WirelessSettingsWindow.h"

#include "catalogue/Catalogue.h"
#include "files/TargetPath.h"
#include "ui/DropDown.h"
#include "ui/FolderPicker.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/TextBox.h"
#include "ui/Twips.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace rx20 {

using catalogue::Catalogue;
using catalogue::Copy;
using ui::DropDown;
using ui::Twips;

namespace {

const QString autoMode = QStringLiteral("Auto");
const QString manualMode = QStringLiteral("Manual");

// Layout, in twips. Two columns of captioned frames; every frame row is a
// label on the left and its control on the right.
constexpr int leftColumn = 240;
constexpr int rightColumn = 5880;
constexpr int leftWidth = 5400;
constexpr int rightWidth = 5490;
constexpr int firstRow = 420;
constexpr int rowStep = 480;
constexpr int rowHeight = 405;
constexpr int labelLeft = 180;
constexpr int labelWidth = 2040;
constexpr int controlLeft = 2280;

int rowTop(int row)
{
    return firstRow + row * rowStep;
}

QFont windowFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(14.25);
    font.setBold(true);
    return font;
}

QGroupBox *frame(const char *name, const QString &caption, QWidget *parent, int left, int top,
                 int width, int height)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    Twips::place(box, left, top, width, height);
    return box;
}

QLabel *label(const char *name, const QString &caption, QWidget *parent, int left, int top,
              int width)
{
    auto *text = new QLabel(caption, parent);
    text->setObjectName(QLatin1String(name));
    text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Twips::place(text, left, top, width, rowHeight);
    return text;
}

// A label and its control on one row of a frame.
QLabel *rowLabel(const char *name, const QString &caption, QGroupBox *parent, int row)
{
    return label(name, caption, parent, labelLeft, rowTop(row), labelWidth);
}

void placeInRow(QWidget *control, QGroupBox *parent, int row)
{
    const int frameWidth = int(std::lround(Twips::fromPixels(parent->width())));
    Twips::place(control, controlLeft, rowTop(row), frameWidth - controlLeft - labelLeft,
                 rowHeight);
}

QLineEdit *textBox(const char *name, QGroupBox *parent, int row)
{
    auto *box = new ui::TextBox(QLatin1String(name), parent);
    placeInRow(box, parent, row);
    return box;
}

DropDown *dropDown(const char *name, QGroupBox *parent, int row, const QStringList &items,
                   const QString &text)
{
    auto *box = new DropDown(QLatin1String(name), DropDown::Editable, parent);
    box->replaceItems(items, text);
    placeInRow(box, parent, row);
    return box;
}

void setBlueText(QWidget *control)
{
    QPalette colours = control->palette();
    colours.setColor(QPalette::Text, QColor(0, 0, 255));
    colours.setColor(QPalette::ButtonText, QColor(0, 0, 255));
    control->setPalette(colours);
}

QPushButton *button(const char *name, const QString &caption, QWidget *parent, int left, int top,
                    int width, int height)
{
    auto *command = new QPushButton(caption, parent);
    command->setObjectName(QLatin1String(name));
    command->setAutoDefault(false);
    Twips::place(command, left, top, width, height);
    return command;
}

} // namespace

WirelessSettingsWindow::WirelessSettingsWindow(QWidget *parent)
    : BorderlessForm(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("GPRS SETTINGS"));
    setSizeInTwips(11610, 10770);
    setFont(windowFont());

    // Highlight background, captions and labels in the highlight-text colour,
    // text boxes white.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Highlight));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::HighlightedText));
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);

    // Frame1 "MMS Setting"
    Frame1 = frame("Frame1", QStringLiteral("MMS Setting"), this, leftColumn, 240, leftWidth, 2400);
    Label1 = rowLabel("Label1", QStringLiteral("Wireless Mode"), Frame1, 0);
    Combo1 = dropDown("Combo1", Frame1, 0, {QStringLiteral("MMS")}, QStringLiteral("MMS/SMTP"));
    Combo1->setEnabled(false);
    Label2 = rowLabel("Label2", QStringLiteral("Setting Mode"), Frame1, 1);
    Combo2 = dropDown("Combo2", Frame1, 1, {autoMode, manualMode}, autoMode);
    Label3 = rowLabel("Label3", QStringLiteral("Country"), Frame1, 2);
    // The list is sorted; the catalogue offers its countries in that order.
    Combo3 =
        dropDown("Combo3", Frame1, 2, Catalogue::of(Copy::Wireless).offeredCountries(), QString());
    Label4 = rowLabel("Label4", QStringLiteral("Operators"), Frame1, 3);
    Combo4 = dropDown("Combo4", Frame1, 3,
                      {QStringLiteral("China Mobile"), QStringLiteral("China Unicom")}, QString());

    // Frame2 "GPRS Setting"
    Frame2 =
        frame("Frame2", QStringLiteral("GPRS Setting"), this, leftColumn, 2760, leftWidth, 1920);
    Label5 = rowLabel("Label5", QStringLiteral("APN"), Frame2, 0);
    Text1 = textBox("Text1", Frame2, 0);
    Label7 = rowLabel("Label7", QStringLiteral("Account"), Frame2, 1);
    Text3 = textBox("Text3", Frame2, 1);
    Label6 = rowLabel("Label6", QStringLiteral("Password"), Frame2, 2);
    Text2 = textBox("Text2", Frame2, 2);
    Label7->hide();
    Text3->hide();
    Label6->hide();
    Text2->hide();

    // Frame3 "Server Setting": the MMS server
    Frame3 =
        frame("Frame3", QStringLiteral("Server Setting"), this, leftColumn, 4800, leftWidth, 1920);
    Label8 = rowLabel("Label8", QStringLiteral("URL"), Frame3, 0);
    Text4 = textBox("Text4", Frame3, 0);
    Label9 = rowLabel("Label9", QStringLiteral("IP"), Frame3, 1);
    Text5 = textBox("Text5", Frame3, 1);
    Label10 = rowLabel("Label10", QStringLiteral("Port"), Frame3, 2);
    Text6 = textBox("Text6", Frame3, 2);

    // Frame4 "Server Setting": the e-mail server, in blue text
    Frame4 =
        frame("Frame4", QStringLiteral("Server Setting"), this, leftColumn, 6840, leftWidth, 2880);
    Label25 = rowLabel("Label25", QStringLiteral("Server"), Frame4, 0);
    Text20 = textBox("Text20", Frame4, 0);
    Label26 = rowLabel("Label26", QStringLiteral("Port"), Frame4, 1);
    Text21 = textBox("Text21", Frame4, 1);
    Label24 = rowLabel("Label24", QStringLiteral("Email"), Frame4, 2);
    Text19 = textBox("Text19", Frame4, 2);
    Label23 = rowLabel("Label23", QStringLiteral("Password"), Frame4, 3);
    Text18 = textBox("Text18", Frame4, 3);
    Label22 = rowLabel("Label22", QStringLiteral("SSL"), Frame4, 4);
    Combo5 = dropDown("Combo5", Frame4, 4, {QStringLiteral("YES"), QStringLiteral("NO")},
                      QStringLiteral("YES"));
    for (QWidget *blue : {static_cast<QWidget *>(Text20), static_cast<QWidget *>(Text21),
                          static_cast<QWidget *>(Text19), static_cast<QWidget *>(Text18),
                          static_cast<QWidget *>(Combo5)})
        setBlueText(blue);
    Label22->hide();
    Combo5->hide();

    // Frame6 "Phone Setting"
    Frame6 =
        frame("Frame6", QStringLiteral("Phone Setting"), this, rightColumn, 240, rightWidth, 2880);
    Label12 = rowLabel("Label12", QStringLiteral("Phone 1"), Frame6, 0);
    Text7 = textBox("Text7", Frame6, 0);
    Label13 = rowLabel("Label13", QStringLiteral("Phone 2"), Frame6, 1);
    Text8 = textBox("Text8", Frame6, 1);
    Label14 = rowLabel("Label14", QStringLiteral("Phone 3"), Frame6, 2);
    Text9 = textBox("Text9", Frame6, 2);
    Label15 = rowLabel("Label15", QStringLiteral("Phone 4"), Frame6, 3);
    Text10 = textBox("Text10", Frame6, 3);
    Label16 = rowLabel("Label16", QStringLiteral("Phone 5"), Frame6, 4);
    Text11 = textBox("Text11", Frame6, 4);

    // Frame10 "Email Setting"
    Frame10 = frame("Frame10", QStringLiteral("Email Setting"), this, rightColumn, 3240, rightWidth,
                    2880);
    Label17 = rowLabel("Label17", QStringLiteral("Email 1"), Frame10, 0);
    Text12 = textBox("Text12", Frame10, 0);
    Label18 = rowLabel("Label18", QStringLiteral("Email 2"), Frame10, 1);
    Text13 = textBox("Text13", Frame10, 1);
    Label19 = rowLabel("Label19", QStringLiteral("Email 3"), Frame10, 2);
    Text14 = textBox("Text14", Frame10, 2);
    Label20 = rowLabel("Label20", QStringLiteral("Email 4"), Frame10, 3);
    Text15 = textBox("Text15", Frame10, 3);
    Label21 = rowLabel("Label21", QStringLiteral("Email 5"), Frame10, 4);
    Text16 = textBox("Text16", Frame10, 4);

    // The target path and the buttons, on the window itself.
    Label11 = label("Label11", QStringLiteral("Path"), this, rightColumn, 6420, 840);
    Text17 = new ui::TextBox(QStringLiteral("Text17"), this);
    Twips::place(Text17, rightColumn + 900, 6420, rightWidth - 900 - 600, rowHeight);
    Command4 = button("Command4", QStringLiteral("..."), this, rightColumn + rightWidth - 540, 6420,
                      540, rowHeight);
    Command1 = button("Command1", QStringLiteral("Read"), this, rightColumn, 9120, 1680, 600);
    Command1->hide();
    Command2 =
        button("Command2", QStringLiteral("Generate"), this, rightColumn + 1905, 9120, 1680, 600);
    Command3 =
        button("Command3", QStringLiteral("Exit"), this, rightColumn + 3810, 9120, 1680, 600);

    // Only picking a list item is a Click; typing into a selector runs nothing.
    connect(Combo2, &QComboBox::activated, this, &WirelessSettingsWindow::Combo2_Click);
    connect(Combo3, &QComboBox::activated, this, &WirelessSettingsWindow::Combo3_Click);
    connect(Combo4, &QComboBox::activated, this, &WirelessSettingsWindow::Combo4_Click);
    connect(Command1, &QPushButton::clicked, this, &WirelessSettingsWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &WirelessSettingsWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &WirelessSettingsWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &WirelessSettingsWindow::Command4_Click);

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
        showMessage(QStringLiteral("Need Phone Number Input"));
    if (Text12->text().isEmpty())
        showMessage(QStringLiteral("Need Email Input"));

    QString target = TargetPath::resolve(Text17->text(), MmsIni::fileName());
    // A bare name lands in the working directory; name it in full if it fails.
    if (QFileInfo(target).isRelative())
        target = QDir::current().absoluteFilePath(target);

    if (const FileStatus status = MmsIni::write(target, values()); !status) {
        showMessage(status.message);
        return;
    }
    showMessage(QStringLiteral("Create configure file success."));
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
    showMessage(QStringLiteral("Read configure file success."));
}

void WirelessSettingsWindow::Command3_Click()
{
    ui::Forms::unload(QStringLiteral("Form5"));
    ui::Forms::show(QStringLiteral("Form1"));
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

void WirelessSettingsWindow::showMessage(const QString &text)
{
    ui::MessageBox::show(this, text);
}

} // namespace rx20

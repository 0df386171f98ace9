#include "camera/MmsSettingsWindow.h"

#include "camera/MmsNetCfg.h"
#include "catalogue/Catalogue.h"
#include "files/SettingsFile.h"
#include "ui/DropDown.h"
#include "ui/FolderPicker.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/TextBox.h"
#include "ui/Twips.h"

#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <iterator>

namespace rx20 {

using catalogue::Catalogue;
using catalogue::Copy;
using ui::DropDown;
using ui::MessageBox;
using ui::Twips;

namespace {

QLabel *makeLabel(const char *name, const QString &caption, QWidget *parent, int left, int top,
                  int width)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Twips::place(label, left, top, width, 315);
    return label;
}

QLineEdit *makeTextBox(const char *name, QWidget *parent, int left, int top, int width)
{
    auto *box = new ui::TextBox(QLatin1String(name), parent);
    Twips::place(box, left, top, width, 315);
    return box;
}

QPushButton *makeButton(const char *name, const QString &caption, QWidget *parent, int left,
                        int top, int width, int height)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    Twips::place(button, left, top, width, height);
    return button;
}

} // namespace

MmsSettingsWindow::MmsSettingsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("MMS Setting"));
    setFixedSize(Twips::toPixels(QSize(8040, 6480)));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    Twips::place(Frame1, 120, 60, 7800, 4920);

    // Wireless Select: the selectors show in Auto Setting, the four network
    // boxes (rows 3 and 4) in Manual Setting.
    Frame2 = new QGroupBox(QStringLiteral("Wireless Select"), Frame1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Twips::place(Frame2, 120, 120, 7560, 2160);

    Option1 = new QRadioButton(QStringLiteral("Auto Setting"), Frame2);
    Option1->setObjectName(QStringLiteral("Option1"));
    Twips::place(Option1, 240, 300, 2400, 315);
    Option2 = new QRadioButton(QStringLiteral("Manual Setting"), Frame2);
    Option2->setObjectName(QStringLiteral("Option2"));
    Twips::place(Option2, 3960, 300, 2400, 315);

    Label1 = makeLabel("Label1", QStringLiteral("Country"), Frame2, 240, 780, 960);
    const catalogue::Selection design = Catalogue::designSelection(Copy::Mms);
    Combo3 = new DropDown(QStringLiteral("Combo3"), DropDown::Editable, Frame2);
    Combo3->replaceItems(Catalogue::of(Copy::Mms).offeredCountries(), design.country);
    Twips::place(Combo3, 1200, 780, 2520, 315);
    Label2 = makeLabel("Label2", QStringLiteral("Operators"), Frame2, 3960, 780, 1080);
    Combo4 = new DropDown(QStringLiteral("Combo4"), DropDown::Editable, Frame2);
    Combo4->replaceItems({QStringLiteral("China Mobile"), QStringLiteral("China Unicom")},
                         design.operatorName);
    Twips::place(Combo4, 5040, 780, 2280, 315);

    Label3 = makeLabel("Label3", QStringLiteral("URL"), Frame2, 240, 1260, 960);
    Text1 = makeTextBox("Text1", Frame2, 1200, 1260, 2520);
    // Only a caption for the APN box.
    Combo5 = new DropDown(QStringLiteral("Combo5"), DropDown::ChoiceOnly, Frame2);
    Combo5->replaceItems({QStringLiteral("APN")}, QStringLiteral("APN"));
    Twips::place(Combo5, 3960, 1260, 1000, 315);
    Text2 = makeTextBox("Text2", Frame2, 5040, 1260, 2280);
    Label4 = makeLabel("Label4", QStringLiteral("IP"), Frame2, 240, 1680, 960);
    Text3 = makeTextBox("Text3", Frame2, 1200, 1680, 2520);
    Label5 = makeLabel("Label5", QStringLiteral("Port"), Frame2, 3960, 1680, 1080);
    Text4 = makeTextBox("Text4", Frame2, 5040, 1680, 2280);

    Frame3 = new QGroupBox(QStringLiteral("Send To"), Frame1);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Twips::place(Frame3, 120, 2340, 7560, 2460);

    const int rows[] = {300, 720, 1140, 1560, 1980};
    Label6 = makeLabel("Label6", QStringLiteral("Phone 1"), Frame3, 240, rows[0], 840);
    Text5 = makeTextBox("Text5", Frame3, 1080, rows[0], 2640);
    Label7 = makeLabel("Label7", QStringLiteral("Phone 2"), Frame3, 3960, rows[0], 840);
    Text6 = makeTextBox("Text6", Frame3, 4800, rows[0], 2520);
    Label8 = makeLabel("Label8", QStringLiteral("Phone 3"), Frame3, 240, rows[1], 840);
    Text7 = makeTextBox("Text7", Frame3, 1080, rows[1], 2640);
    Label9 = makeLabel("Label9", QStringLiteral("Phone 4"), Frame3, 3960, rows[1], 840);
    Text8 = makeTextBox("Text8", Frame3, 4800, rows[1], 2520);
    Label10 = makeLabel("Label10", QStringLiteral("Phone 5"), Frame3, 240, rows[2], 840);
    Text9 = makeTextBox("Text9", Frame3, 1080, rows[2], 2640);
    Label11 = makeLabel("Label11", QStringLiteral("Email 1"), Frame3, 3960, rows[2], 840);
    Text10 = makeTextBox("Text10", Frame3, 4800, rows[2], 2520);
    Label12 = makeLabel("Label12", QStringLiteral("Email 2"), Frame3, 240, rows[3], 840);
    Text11 = makeTextBox("Text11", Frame3, 1080, rows[3], 2640);
    Label13 = makeLabel("Label13", QStringLiteral("Email 3"), Frame3, 3960, rows[3], 840);
    Text12 = makeTextBox("Text12", Frame3, 4800, rows[3], 2520);
    Label14 = makeLabel("Label14", QStringLiteral("Email 4"), Frame3, 240, rows[4], 840);
    Text13 = makeTextBox("Text13", Frame3, 1080, rows[4], 2640);
    Label15 = makeLabel("Label15", QStringLiteral("Email 5"), Frame3, 3960, rows[4], 840);
    Text14 = makeTextBox("Text14", Frame3, 4800, rows[4], 2520);

    Label16 = makeLabel("Label16", QStringLiteral("File Path"), this, 240, 5160, 960);
    Text15 = makeTextBox("Text15", this, 1200, 5160, 5880);
    Command4 = makeButton("Command4", QStringLiteral("..."), this, 7200, 5160, 600, 315);

    Command1 = makeButton("Command1", QStringLiteral("Read"), this, 1080, 5760, 1440, 420);
    Command2 = makeButton("Command2", QStringLiteral("Generate"), this, 3300, 5760, 1440, 420);
    Command3 = makeButton("Command3", QStringLiteral("Exit"), this, 5520, 5760, 1440, 420);

    // clicked, not toggled: only the user's choice (and Form_Load's) runs a
    // mode's handler, never the other button being cleared.
    connect(Option1, &QRadioButton::clicked, this, &MmsSettingsWindow::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &MmsSettingsWindow::Option2_Click);
    connect(Combo3, &QComboBox::activated, this, &MmsSettingsWindow::Combo3_Click);
    connect(Combo4, &QComboBox::activated, this, &MmsSettingsWindow::Combo4_Click);
    connect(Command1, &QPushButton::clicked, this, &MmsSettingsWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MmsSettingsWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &MmsSettingsWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &MmsSettingsWindow::Command4_Click);

    Form_Load();
}

void MmsSettingsWindow::Form_Load()
{
    // Selecting Auto Setting runs its handler as a click would, so the
    // catalogue fill for the design-time country has run when the window shows.
    Option1->setChecked(true);
    Option1_Click();
    Option2->setChecked(false);
    for (QLineEdit *box : {Text1, Text2, Text3, Text4})
        box->setEnabled(false);
    Text15->setText(QStringLiteral("C:\\NET.CFG"));
}

void MmsSettingsWindow::setAutoLayout(bool autoSetting)
{
    for (QWidget *control : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label2),
                             static_cast<QWidget *>(Combo3), static_cast<QWidget *>(Combo4)})
        control->setVisible(autoSetting);
    for (QWidget *control : {static_cast<QWidget *>(Label3), static_cast<QWidget *>(Label4),
                             static_cast<QWidget *>(Label5), static_cast<QWidget *>(Combo5),
                             static_cast<QWidget *>(Text1), static_cast<QWidget *>(Text2),
                             static_cast<QWidget *>(Text3), static_cast<QWidget *>(Text4)})
        control->setVisible(!autoSetting);
}

void MmsSettingsWindow::Option1_Click()
{
    Option1->setChecked(true);
    Option2->setChecked(false);
    // The network boxes keep their contents and enabled state while hidden;
    // Generate still writes them.
    setAutoLayout(true);
    Combo3_Click();
    Combo4_Click();
}

void MmsSettingsWindow::Option2_Click()
{
    Option2->setChecked(true);
    setAutoLayout(false);
    for (QLineEdit *box : {Text1, Text2, Text3, Text4})
        box->setEnabled(true);
}

void MmsSettingsWindow::Combo3_Click()
{
    if (const catalogue::CountryEntry *entry = Catalogue::of(Copy::Mms).findCountry(Combo3->text()))
        Combo4->replaceItems(entry->operators, entry->preselected);
    Combo4_Click();
}

void MmsSettingsWindow::Combo4_Click()
{
    // Typed values are the user's while Manual Setting is selected.
    if (Option2->isChecked())
        return;
    const catalogue::Preset *preset =
        Catalogue::of(Copy::Mms).findPreset(Combo3->text(), Combo4->text());
    if (!preset)
        return;
    MmsNetCfgValues v = values();
    MmsNetCfg::applyPreset(*preset, &v);
    Text2->setText(v.apn);
    Text1->setText(v.url);
    Text3->setText(v.ip);
    Text4->setText(v.port);
}

MmsNetCfgValues MmsSettingsWindow::values() const
{
    MmsNetCfgValues v;
    v.url = Text1->text();
    v.apn = Text2->text();
    v.ip = Text3->text();
    v.port = Text4->text();
    v.phones = {Text5->text(), Text6->text(), Text7->text(), Text8->text(), Text9->text()};
    v.emails = {Text10->text(), Text11->text(), Text12->text(), Text13->text(), Text14->text()};
    return v;
}

void MmsSettingsWindow::apply(const MmsNetCfgValues &v)
{
    Text1->setText(v.url);
    Text2->setText(v.apn);
    Text3->setText(v.ip);
    Text4->setText(v.port);
    QLineEdit *const phones[] = {Text5, Text6, Text7, Text8, Text9};
    QLineEdit *const emails[] = {Text10, Text11, Text12, Text13, Text14};
    for (std::size_t i = 0; i < 5; ++i) {
        phones[i]->setText(v.phones.at(i));
        emails[i]->setText(v.emails.at(i));
    }
}

void MmsSettingsWindow::Command1_Click()
{
    const QString path = Text15->text();
    if (path.isEmpty()) {
        MessageBox::show(this, QStringLiteral("Path is not exist,please set path!"));
        return;
    }
    // The box's text as it stands names the file; a folder is no file.
    if (!QFileInfo(path).isFile()) {
        MessageBox::show(this, QStringLiteral("NET.CFG is not exist"));
        return;
    }
    // Everything is read and checked before any box changes.
    const ReadLines file = SettingsFile::read(path);
    if (!file.status) {
        MessageBox::show(this, file.status.message);
        return;
    }
    if (!file.lines.isEmpty() && !MmsNetCfg::isMmsHeader(file.lines.first())) {
        MessageBox::show(this, QStringLiteral("it is not mms config,don't read this file"));
        return;
    }
    const MmsNetCfgRead read = MmsNetCfg::parse(file.lines, path);
    if (!read.status) {
        MessageBox::show(this, read.status.message);
        return;
    }
    apply(read.values);
}

void MmsSettingsWindow::Command2_Click()
{
    const QLineEdit *const sendTo[] = {Text5,  Text6,  Text7,  Text8,  Text9,
                                       Text10, Text11, Text12, Text13, Text14};
    if (std::all_of(std::begin(sendTo), std::end(sendTo),
                    [](const QLineEdit *box) { return box->text().isEmpty(); }))
        MessageBox::show(this, QStringLiteral("At least One phone or Email should be input!"));

    const QString path = Text15->text();
    if (path.isEmpty()) {
        MessageBox::show(this,
                         QStringLiteral("Could not write NET.CFG: the File Path box is empty."));
        return;
    }
    // The file written is the one the box names, so the message names it too.
    MessageBox::show(this, QStringLiteral("Save to ") + path);
    if (const FileStatus status = MmsNetCfg::write(path, values()); !status) {
        MessageBox::show(this, status.message);
        return;
    }
    MessageBox::show(this, QStringLiteral("Create configure file!"));
}

void MmsSettingsWindow::Command3_Click()
{
    ui::Forms::unload(QStringLiteral("Form3"));
}

void MmsSettingsWindow::Command4_Click()
{
    ui::FolderPicker::pickInto(this, Text15);
}

} // namespace rx20

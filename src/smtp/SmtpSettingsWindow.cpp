#include "smtp/SmtpSettingsWindow.h"

#include "files/SettingsFile.h"
#include "files/TargetPath.h"
#include "smtp/SmtpNetCfg.h"
#include "ui/DropDown.h"
#include "ui/FolderPicker.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/TextBox.h"
#include "ui/Twips.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rx20 {

using ui::DropDown;
using ui::Twips;

namespace {

const QString formName = QStringLiteral("Form4");

// Layout grid of the two setting groups, in twips.
constexpr int labelLeft = 240;
constexpr int labelWidth = 1215;
constexpr int fieldLeft = 1560;
constexpr int fieldWidth = 4680;
constexpr int rowHeight = 315;
constexpr int firstRowTop = 300;
constexpr int rowPitch = 420;

int rowTop(int row)
{
    return firstRowTop + row * rowPitch;
}

QLabel *makeLabel(const QString &name, const QString &caption, QWidget *parent, int row)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    Twips::place(label, labelLeft, rowTop(row) + 30, labelWidth, rowHeight - 60);
    return label;
}

QLineEdit *makeBox(const QString &name, QWidget *parent, int left, int top, int width)
{
    auto *box = new ui::TextBox(name, parent);
    Twips::place(box, left, top, width, rowHeight);
    return box;
}

QLineEdit *makeRowBox(const QString &name, QWidget *parent, int row, int width = fieldWidth)
{
    return makeBox(name, parent, fieldLeft, rowTop(row), width);
}

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QGroupBox *makeFrame(const QString &name, const QString &caption, QWidget *parent)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

} // namespace

SmtpSettingsWindow::SmtpSettingsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(formName);
    setWindowTitle(QStringLiteral("SMTP Setting"));
    setFixedSize(Twips::toPixels(QSize(6960, 7320)));

    Frame1 = makeFrame(QStringLiteral("Frame1"), QString(), this);
    Twips::place(Frame1, 120, 60, 6720, 5760);

    // Send Email Setting
    Frame2 = makeFrame(QStringLiteral("Frame2"), QStringLiteral("Send Email Setting"), Frame1);
    Twips::place(Frame2, 120, 180, 6480, 2880);

    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("SMTP Type"), Frame2, 0);
    Combo8 = new DropDown(QStringLiteral("Combo8"), DropDown::ChoiceOnly, Frame2);
    Combo8->replaceItems({QStringLiteral("No SSL"), QStringLiteral("SSL")},
                         QStringLiteral("No SSL"));
    Twips::place(Combo8, fieldLeft, rowTop(0), 1815, rowHeight);

    // Serves as the caption of the APN box beside it.
    Combo5 = new DropDown(QStringLiteral("Combo5"), DropDown::Editable, Frame2);
    Combo5->replaceItems({QStringLiteral("APN")}, QStringLiteral("APN"));
    Combo5->setEnabled(false);
    Twips::place(Combo5, 120, rowTop(1), 1335, rowHeight);
    Text2 = makeRowBox(QStringLiteral("Text2"), Frame2, 1);

    Label6 = makeLabel(QStringLiteral("Label6"), QStringLiteral("Server"), Frame2, 2);
    Combo1 = new DropDown(QStringLiteral("Combo1"), DropDown::Editable, Frame2);
    Combo1->replaceItems(SmtpNetCfg::presetServers(), SmtpNetCfg::presetServers().constFirst());
    Twips::place(Combo1, fieldLeft, rowTop(2), fieldWidth, rowHeight);
    connect(Combo1, &DropDown::activated, this, &SmtpSettingsWindow::Combo1_Click);

    Label7 = makeLabel(QStringLiteral("Label7"), QStringLiteral("Port"), Frame2, 3);
    Text6 = makeRowBox(QStringLiteral("Text6"), Frame2, 3, 1215);

    Label8 = makeLabel(QStringLiteral("Label8"), QStringLiteral("Sender"), Frame2, 4);
    Text7 = makeRowBox(QStringLiteral("Text7"), Frame2, 4);

    Label9 = makeLabel(QStringLiteral("Label9"), QStringLiteral("Password"), Frame2, 5);
    Text8 = makeRowBox(QStringLiteral("Text8"), Frame2, 5);

    // Send to; the uneven spacing of "Email 2" and "Email 4" is deliberate.
    Frame3 = makeFrame(QStringLiteral("Frame3"), QStringLiteral("Send to"), Frame1);
    Twips::place(Frame3, 120, 3180, 6480, 2460);

    Label10 = makeLabel(QStringLiteral("Label10"), QStringLiteral("Email1"), Frame3, 0);
    Text9 = makeRowBox(QStringLiteral("Text9"), Frame3, 0);
    Label11 = makeLabel(QStringLiteral("Label11"), QStringLiteral("Email 2"), Frame3, 1);
    Text10 = makeRowBox(QStringLiteral("Text10"), Frame3, 1);
    Label12 = makeLabel(QStringLiteral("Label12"), QStringLiteral("Email3"), Frame3, 2);
    Text11 = makeRowBox(QStringLiteral("Text11"), Frame3, 2);
    Label13 = makeLabel(QStringLiteral("Label13"), QStringLiteral("Email 4"), Frame3, 3);
    Text12 = makeRowBox(QStringLiteral("Text12"), Frame3, 3);
    Label14 = makeLabel(QStringLiteral("Label14"), QStringLiteral("Email5"), Frame3, 4);
    Text13 = makeRowBox(QStringLiteral("Text13"), Frame3, 4);

    // Path row and buttons
    label2 = new QLabel(QStringLiteral("File Path"), this);
    label2->setObjectName(QStringLiteral("label2"));
    Twips::place(label2, 240, 6000, 1095, 255);
    Text1 = makeBox(QStringLiteral("Text1"), this, 1440, 5970, 4800);
    Command4 = makeButton(QStringLiteral("Command4"), QStringLiteral("..."), this);
    Twips::place(Command4, 6300, 5970, 495, rowHeight);

    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("Read"), this);
    Twips::place(Command1, 720, 6600, 1455, 495);
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("Generate"), this);
    Twips::place(Command2, 2760, 6600, 1455, 495);
    Command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("Exit"), this);
    Twips::place(Command3, 4800, 6600, 1455, 495);

    connect(Command1, &QPushButton::clicked, this, &SmtpSettingsWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SmtpSettingsWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &SmtpSettingsWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &SmtpSettingsWindow::Command4_Click);

    Form_Load();
}

void SmtpSettingsWindow::Form_Load()
{
    Text2->setEnabled(true);
    Combo8->setEnabled(true);
    Combo8->setText(QStringLiteral("No SSL"));
    Combo1->setText(SmtpNetCfg::presetServers().constFirst());
    Text6->setText(QStringLiteral("25"));
    Text1->setText(QStringLiteral("C:\\NET.CFG"));
}

void SmtpSettingsWindow::Combo1_Click()
{
    // The presets are the only list items, so a pick always gives port 25.
    Text6->setText(SmtpNetCfg::presetServers().contains(Combo1->text(), Qt::CaseSensitive)
                       ? QStringLiteral("25")
                       : QString());
}

void SmtpSettingsWindow::Command1_Click()
{
    // Read opens the path box's file itself, whatever its name.
    const QString path = Text1->text();
    if (path.isEmpty()) {
        ui::MessageBox::show(this, QStringLiteral("Path is not exist"));
        return;
    }
    if (!QFileInfo(path).isFile()) {
        ui::MessageBox::show(this, QStringLiteral("NET.CFG is not exist"));
        return;
    }
    // Everything is read and checked before any field changes.
    const ReadLines file = SettingsFile::read(path);
    if (!file.status) {
        ui::MessageBox::show(this, file.status.message);
        return;
    }
    if (!SmtpNetCfg::isSmtpHeader(file.lines.value(0))) {
        ui::MessageBox::show(this, QStringLiteral("it is not smtp config,don't read this file"));
        return;
    }
    const SmtpNetCfgRead read = SmtpNetCfg::parse(file.lines, path);
    if (!read.status) {
        ui::MessageBox::show(this, read.status.message);
        return;
    }
    apply(read.values);
}

void SmtpSettingsWindow::Command2_Click()
{
    const SmtpNetCfgValues current = values();
    const QString target = TargetPath::resolve(Text1->text(), SmtpNetCfg::fileName());
    ui::MessageBox::show(this, QStringLiteral("Save to ") + target);
    if (const FileStatus status = SettingsFile::write(target, SmtpNetCfg::lines(current));
        !status) {
        ui::MessageBox::show(this, status.message);
        return;
    }
    ui::MessageBox::show(this, QStringLiteral("Create configure file!"));
}

void SmtpSettingsWindow::Command3_Click()
{
    ui::Forms::unload(formName);
}

void SmtpSettingsWindow::Command4_Click()
{
    ui::FolderPicker::pickInto(this, Text1);
}

SmtpNetCfgValues SmtpSettingsWindow::values() const
{
    SmtpNetCfgValues v;
    v.apn = Text2->text();
    v.server = Combo1->text();
    v.port = Text6->text();
    v.sender = Text7->text();
    v.password = Text8->text();
    v.emails = {Text9->text(), Text10->text(), Text11->text(), Text12->text(), Text13->text()};
    v.ssl = SmtpNetCfg::sslFor(Combo8->text());
    return v;
}

void SmtpSettingsWindow::apply(const SmtpNetCfgValues &v)
{
    // Setting the server text is not a pick: the port comes from the file.
    Text2->setText(v.apn);
    Combo1->setText(v.server);
    Text6->setText(v.port);
    Text7->setText(v.sender);
    Text8->setText(v.password);
    QLineEdit *const boxes[] = {Text9, Text10, Text11, Text12, Text13};
    for (int i = 0; i < 5; ++i)
        boxes[i]->setText(v.emails[i]);
}

} // namespace rx20

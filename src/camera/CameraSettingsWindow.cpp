#include "camera/CameraSettingsWindow.h"

#include "camera/CameraOptions.h"
#include "camera/LeadingNumber.h"
#include "ui/DropDown.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/TextBox.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>


namespace rx20 {

using ui::DropDown;
using ui::Twips;

namespace {

const QString formName = QStringLiteral("Form2");

// Frames stand in two columns of nine rows; inside each, the caption label
// on the left and the value control(s) on the right. All in twips.
constexpr int leftColumn = 120;
constexpr int rightColumn = 3540;
constexpr int frameTop = 60;
constexpr int rowPitch = 630;
constexpr int frameWidth = 3300;
constexpr int frameHeight = 585;
constexpr int secondLine = 555; // the "B Start" line in the tall frame

constexpr int labelLeft = 120;
constexpr int labelTop = 210;
constexpr int labelHeight = 285;
constexpr int valueLeft = 1620;
constexpr int valueTop = 165;
constexpr int valueWidth = 1560;
constexpr int valueHeight = 315;

int rowTop(int row)
{
    return frameTop + (row - 1) * rowPitch;
}

QGroupBox *frame(QWidget *parent, const QString &name, int left, int row, int rows = 1)
{
    auto *box = new QGroupBox(parent);
    box->setObjectName(name);
    Twips::place(box, left, rowTop(row), frameWidth, frameHeight + (rows - 1) * rowPitch);
    return box;
}

QLabel *label(QWidget *parent, const QString &name, const QString &caption, int left = labelLeft,
              int top = labelTop, int width = valueLeft - labelLeft - 60)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(name);
    Twips::place(l, left, top, width, labelHeight);
    return l;
}

DropDown *dropDown(QWidget *parent, const QString &name, QString CameraCfgValues::*field,
                   int left = valueLeft, int width = valueWidth)
{
    const CameraOption &option = CameraOptions::of(field);
    auto *box = new DropDown(name, DropDown::Editable, parent);
    box->replaceItems(option.items, option.design);
    Twips::place(box, left, valueTop, width, valueHeight);
    return box;
}

QLineEdit *textBox(QWidget *parent, const QString &name, QString CameraCfgValues::*field,
                   int left = valueLeft, int top = valueTop, int width = valueWidth)
{
    auto *box = new ui::TextBox(name, parent);
    box->setText(CameraOptions::of(field).design);
    Twips::place(box, left, top, width, valueHeight);
    return box;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, int left)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    Twips::place(b, left, 6480, 1020, 495);
    return b;
}

void setIfChanged(QLineEdit *box, const QString &text)
{
    // An unchanged box must not run its change handler again.
    if (box->text() != text)
        box->setText(text);
}

} // namespace

CameraSettingsWindow::CameraSettingsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(formName);
    setWindowTitle(QStringLiteral("RX31"));
    setFixedSize(Twips::toPixels(QSize(6960, 7275)));

    // Row 1
    Frame1 = frame(this, QStringLiteral("Frame1"), leftColumn, 1);
    Label1 = label(Frame1, QStringLiteral("Label1"), QStringLiteral("Mode"));
    Combo1 = dropDown(Frame1, QStringLiteral("Combo1"), &CameraCfgValues::mode);
    Frame2 = frame(this, QStringLiteral("Frame2"), rightColumn, 1);
    Label2 = label(Frame2, QStringLiteral("Label2"), QStringLiteral("Image Size"));
    Combo2 = dropDown(Frame2, QStringLiteral("Combo2"), &CameraCfgValues::imageSize);

    // Row 2
    Frame3 = frame(this, QStringLiteral("Frame3"), leftColumn, 2);
    Label3 = label(Frame3, QStringLiteral("Label3"), QStringLiteral("Image Format"));
    Combo3 = dropDown(Frame3, QStringLiteral("Combo3"), &CameraCfgValues::imageFormat);
    Frame4 = frame(this, QStringLiteral("Frame4"), rightColumn, 2);
    Label4 = label(Frame4, QStringLiteral("Label4"), QStringLiteral("Capture NO."));
    Combo4 = dropDown(Frame4, QStringLiteral("Combo4"), &CameraCfgValues::captureNumber);

    // Row 3
    Frame5 = frame(this, QStringLiteral("Frame5"), leftColumn, 3);
    Label5 = label(Frame5, QStringLiteral("Label5"), QStringLiteral("IR LED Control"));
    Combo5 = dropDown(Frame5, QStringLiteral("Combo5"), &CameraCfgValues::irLedControl);
    Frame6 = frame(this, QStringLiteral("Frame6"), rightColumn, 3);
    Label6 = label(Frame6, QStringLiteral("Label6"), QStringLiteral("Camera Name"));
    Text1 = textBox(Frame6, QStringLiteral("Text1"), &CameraCfgValues::cameraName);

    // Row 4
    Frame7 = frame(this, QStringLiteral("Frame7"), leftColumn, 4);
    Label7 = label(Frame7, QStringLiteral("Label7"), QStringLiteral("Video Size"));
    Combo6 = dropDown(Frame7, QStringLiteral("Combo6"), &CameraCfgValues::videoSize);
    Frame8 = frame(this, QStringLiteral("Frame8"), rightColumn, 4);
    Label8 = label(Frame8, QStringLiteral("Label8"), QStringLiteral("Video Length"));
    Text2 = textBox(Frame8, QStringLiteral("Text2"), &CameraCfgValues::videoLength, valueLeft,
                    valueTop, 1200);
    Label22 = label(Frame8, QStringLiteral("Label22"), QStringLiteral("S"), 2880, labelTop, 300);

    // Row 5
    Frame9 = frame(this, QStringLiteral("Frame9"), leftColumn, 5);
    Label9 = label(Frame9, QStringLiteral("Label9"), QStringLiteral("Interval"));
    Text3 = textBox(Frame9, QStringLiteral("Text3"), &CameraCfgValues::interval, valueLeft,
                    valueTop, 720);
    Combo7 = dropDown(Frame9, QStringLiteral("Combo7"), &CameraCfgValues::intervalUnit, 2400, 780);
    Frame10 = frame(this, QStringLiteral("Frame10"), rightColumn, 5);
    Label10 = label(Frame10, QStringLiteral("Label10"), QStringLiteral("Sensor Level"));
    Combo8 = dropDown(Frame10, QStringLiteral("Combo8"), &CameraCfgValues::sensorLevel);

    // Row 6
    Frame11 = frame(this, QStringLiteral("Frame11"), leftColumn, 6);
    Label11 = label(Frame11, QStringLiteral("Label11"), QStringLiteral("NV Shutter"));
    Combo9 = dropDown(Frame11, QStringLiteral("Combo9"), &CameraCfgValues::nvShutter);
    Frame12 = frame(this, QStringLiteral("Frame12"), rightColumn, 6);
    Label12 = label(Frame12, QStringLiteral("Label12"), QStringLiteral("Camera Mode"));
    Combo10 = dropDown(Frame12, QStringLiteral("Combo10"), &CameraCfgValues::cameraMode);

    // Row 7
    Frame13 = frame(this, QStringLiteral("Frame13"), leftColumn, 7);
    Label13 = label(Frame13, QStringLiteral("Label13"), QStringLiteral("Time Stamp"));
    Combo11 = dropDown(Frame13, QStringLiteral("Combo11"), &CameraCfgValues::timeStamp);
    Frame14 = frame(this, QStringLiteral("Frame14"), rightColumn, 7);
    Label14 = label(Frame14, QStringLiteral("Label14"), QStringLiteral("Video Sound"));
    Combo12 = dropDown(Frame14, QStringLiteral("Combo12"), &CameraCfgValues::videoSound);

    // Row 8
    Frame15 = frame(this, QStringLiteral("Frame15"), leftColumn, 8);
    Label15 = label(Frame15, QStringLiteral("Label15"), QStringLiteral("Over Write"));
    Combo13 = dropDown(Frame15, QStringLiteral("Combo13"), &CameraCfgValues::overWrite);
    Frame16 = frame(this, QStringLiteral("Frame16"), rightColumn, 8);
    Label16 = label(Frame16, QStringLiteral("Label16"), QStringLiteral("Scan Interval"));
    Combo14 = dropDown(Frame16, QStringLiteral("Combo14"), &CameraCfgValues::scanInterval);

    // Row 9: the two start times share one frame twice as tall.
    Frame17 = frame(this, QStringLiteral("Frame17"), leftColumn, 9, 2);
    const int minuteLeft = 2520;
    const int timeWidth = 600;
    const int colonLeft = valueLeft + timeWidth + 60;
    const int colonWidth = minuteLeft - colonLeft - 60;
    Label17 = label(Frame17, QStringLiteral("Label17"), QStringLiteral("A Start"));
    Text4 = textBox(Frame17, QStringLiteral("Text4"), &CameraCfgValues::aStartHour, valueLeft,
                    valueTop, timeWidth);
    Label18 = label(Frame17, QStringLiteral("Label18"), QStringLiteral(":"), colonLeft, labelTop,
                    colonWidth);
    Label18->setAlignment(Qt::AlignCenter);
    Text5 = textBox(Frame17, QStringLiteral("Text5"), &CameraCfgValues::aStartMinute, minuteLeft,
                    valueTop, timeWidth);
    Label19 = label(Frame17, QStringLiteral("Label19"), QStringLiteral("B Start"), labelLeft,
                    labelTop + secondLine);
    Text6 = textBox(Frame17, QStringLiteral("Text6"), &CameraCfgValues::bStartHour, valueLeft,
                    valueTop + secondLine, timeWidth);
    Label20 = label(Frame17, QStringLiteral("Label20"), QStringLiteral(":"), colonLeft,
                    labelTop + secondLine, colonWidth);
    Label20->setAlignment(Qt::AlignCenter);
    Text7 = textBox(Frame17, QStringLiteral("Text7"), &CameraCfgValues::bStartMinute, minuteLeft,
                    valueTop + secondLine, timeWidth);
    Frame18 = frame(this, QStringLiteral("Frame18"), rightColumn, 9);
    Label21 = label(Frame18, QStringLiteral("Label21"), QStringLiteral("Field Scan"));
    Combo15 = dropDown(Frame18, QStringLiteral("Combo15"), &CameraCfgValues::fieldScan);

    Command1 = button(this, QStringLiteral("Command1"), QStringLiteral("Read"), 3540);
    Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("Generate"), 4680);
    Command3 = button(this, QStringLiteral("Command3"), QStringLiteral("Exit"), 5820);

    // Connected after the design texts are in, so loading checks nothing.
    connect(Combo15, &QComboBox::activated, this, &CameraSettingsWindow::Combo15_Click);
    connect(Text3, &QLineEdit::textChanged, this, &CameraSettingsWindow::Text3_Change);
    connect(Text4, &QLineEdit::textChanged, this, &CameraSettingsWindow::Text4_Change);
    connect(Text5, &QLineEdit::textChanged, this, &CameraSettingsWindow::Text5_Change);
    connect(Command1, &QPushButton::clicked, this, &CameraSettingsWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &CameraSettingsWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &CameraSettingsWindow::Command3_Click);

    Form_Load();
}


void CameraSettingsWindow::Form_Load()
{
    setFieldScanEnabled(false);
}

void CameraSettingsWindow::setFieldScanEnabled(bool enabled)
{
    Text4->setEnabled(enabled);
    Text5->setEnabled(enabled);
    Text6->setEnabled(enabled);
    Text7->setEnabled(enabled);
    Combo14->setEnabled(enabled);
}

void CameraSettingsWindow::Combo15_Click()
{
    setFieldScanEnabled(Combo15->text() == QLatin1String("ON"));
}

void CameraSettingsWindow::Text3_Change()
{
    if (!LeadingNumber::isWithin(Text3->text(), 0, 59))
        ui::MessageBox::show(this, QStringLiteral("The number you set is out of range"));
}

void CameraSettingsWindow::Text4_Change()
{
    if (!LeadingNumber::isWithin(Text4->text(), 0, 23))
        ui::MessageBox::show(this, QStringLiteral("Set Time is out of range"));
}

void CameraSettingsWindow::Text5_Change()
{
    if (!LeadingNumber::isWithin(Text5->text(), 0, 23))
        ui::MessageBox::show(this, QStringLiteral("Set Time is out of range"));
}

CameraCfgValues CameraSettingsWindow::values() const
{
    CameraCfgValues v;
    v.mode = Combo1->text();
    v.imageSize = Combo2->text();
    v.imageFormat = Combo3->text();
    v.captureNumber = Combo4->text();
    v.irLedControl = Combo5->text();
    v.cameraName = Text1->text();
    v.videoSize = Combo6->text();
    v.videoLength = Text2->text();
    v.interval = Text3->text();
    v.intervalUnit = Combo7->text();
    v.sensorLevel = Combo8->text();
    v.nvShutter = Combo9->text();
    v.cameraMode = Combo10->text();
    v.timeStamp = Combo11->text();
    v.videoSound = Combo12->text();
    v.overWrite = Combo13->text();
    v.fieldScan = Combo15->text();
    v.aStartHour = Text4->text();
    v.aStartMinute = Text5->text();
    v.bStartHour = Text6->text();
    v.bStartMinute = Text7->text();
    v.scanInterval = Combo14->text();
    return v;
}

void CameraSettingsWindow::setValues(const CameraCfgValues &v)
{
    // Drop-downs take their texts without a pick: the Field Scan switch stays as it is.
    Combo1->setText(v.mode);
    Combo2->setText(v.imageSize);
    Combo3->setText(v.imageFormat);
    Combo4->setText(v.captureNumber);
    Combo5->setText(v.irLedControl);
    setIfChanged(Text1, v.cameraName);
    Combo6->setText(v.videoSize);
    setIfChanged(Text2, v.videoLength);
    setIfChanged(Text3, v.interval);
    Combo7->setText(v.intervalUnit);
    Combo8->setText(v.sensorLevel);
    Combo9->setText(v.nvShutter);
    Combo10->setText(v.cameraMode);
    Combo11->setText(v.timeStamp);
    Combo12->setText(v.videoSound);
    Combo13->setText(v.overWrite);
    Combo15->setText(v.fieldScan);
    setIfChanged(Text4, v.aStartHour);
    setIfChanged(Text5, v.aStartMinute);
    setIfChanged(Text6, v.bStartHour);
    setIfChanged(Text7, v.bStartMinute);
    Combo14->setText(v.scanInterval);
}

void CameraSettingsWindow::Command1_Click()
{
    // The whole file is read and checked before any control changes.
    const CameraCfgRead read = CameraCfg::read(CameraCfg::fileName(), values());
    if (!read.status) {
        ui::MessageBox::show(this, read.status.message);
        return;
    }
    setValues(read.values);
}

void CameraSettingsWindow::Command2_Click()
{
    const FileStatus written = CameraCfg::write(CameraCfg::fileName(), values());
    if (!written) {
        ui::MessageBox::show(this, written.message);
        return;
    }
    ui::MessageBox::show(this, QString::fromUtf8("生成配置文件成功"));
}

void CameraSettingsWindow::Command3_Click()
{
    ui::Forms::unload(formName);
}

} // namespace rx20

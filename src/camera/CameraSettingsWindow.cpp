#include "camera/CameraSettingsWindow.h"

#include "camera/LeadingNumber.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/StorableText.h"

namespace rx20 {

namespace {

const QString formName = QStringLiteral("Form2");

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
    setupUi(this);

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
        ui::MessageBox::show(this, tr("The number you set is out of range"));
}

void CameraSettingsWindow::Text4_Change()
{
    if (!LeadingNumber::isWithin(Text4->text(), 0, 23))
        ui::MessageBox::show(this, tr("Set Time is out of range"));
}

void CameraSettingsWindow::Text5_Change()
{
    if (!LeadingNumber::isWithin(Text5->text(), 0, 23))
        ui::MessageBox::show(this, tr("Set Time is out of range"));
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
    if (!ui::StorableText::check(this, {Combo1,  Combo2,  Combo3,  Combo4,  Combo5,  Text1,
                                        Combo6,  Text2,   Text3,   Combo7,  Combo8,  Combo9,
                                        Combo10, Combo11, Combo12, Combo13, Combo15, Text4,
                                        Text5,   Text6,   Text7,   Combo14}))
        return;
    const FileStatus written = CameraCfg::write(CameraCfg::fileName(), values());
    if (!written) {
        ui::MessageBox::show(this, written.message);
        return;
    }
    //: "The settings file was written."
    ui::MessageBox::show(this, tr("生成配置文件成功"));
}

void CameraSettingsWindow::Command3_Click()
{
    ui::Forms::unload(formName);
}

} // namespace rx20

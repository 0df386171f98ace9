#include "smtp/SmtpSettingsWindow.h"

#include "files/SettingsFile.h"
#include "files/TargetPath.h"
#include "smtp/SmtpNetCfg.h"
#include "ui/FolderPicker.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/StorableText.h"

#include <QFileInfo>

namespace rx20 {

namespace {

const QString formName = QStringLiteral("Form4");

} // namespace

SmtpSettingsWindow::SmtpSettingsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setupUi(this);

    connect(Combo1, &QComboBox::activated, this, &SmtpSettingsWindow::Combo1_Click);
    connect(Command4, &QPushButton::clicked, this, &SmtpSettingsWindow::Command4_Click);
    connect(Command1, &QPushButton::clicked, this, &SmtpSettingsWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SmtpSettingsWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &SmtpSettingsWindow::Command3_Click);

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
        ui::MessageBox::show(this, tr("Path is not exist"));
        return;
    }
    if (!QFileInfo(path).isFile()) {
        ui::MessageBox::show(this, tr("NET.CFG is not exist"));
        return;
    }
    // Everything is read and checked before any field changes.
    const ReadLines file = SettingsFile::read(path);
    if (!file.status) {
        ui::MessageBox::show(this, file.status.message);
        return;
    }
    if (!SmtpNetCfg::isSmtpHeader(file.lines.value(0))) {
        ui::MessageBox::show(this, tr("it is not smtp config,don't read this file"));
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
    ui::MessageBox::show(this, tr("Save to %1").arg(target));
    if (!ui::StorableText::check(
            this, {Text2, Combo1, Text6, Text7, Text8, Text9, Text10, Text11, Text12, Text13}))
        return;
    if (const FileStatus status = SettingsFile::write(target, SmtpNetCfg::lines(current));
        !status) {
        ui::MessageBox::show(this, status.message);
        return;
    }
    ui::MessageBox::show(this, tr("Create configure file!"));
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

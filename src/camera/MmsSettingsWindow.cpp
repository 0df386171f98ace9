#include "camera/MmsSettingsWindow.h"

#include "camera/MmsNetCfg.h"
#include "catalogue/Catalogue.h"
#include "files/SettingsFile.h"
#include "ui/FolderPicker.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/StorableText.h"

#include <QFileInfo>

#include <algorithm>
#include <iterator>

namespace rx20 {

using catalogue::Catalogue;
using catalogue::Copy;
using ui::MessageBox;

MmsSettingsWindow::MmsSettingsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setupUi(this);
    m_newer = new ui::NewerSettingsLink(NewerLink, {{QStringLiteral("apn"), Combo5->text()},
                                                    {QStringLiteral("url"), Label3->text()},
                                                    {QStringLiteral("ip"), Label4->text()}});
    const catalogue::Selection design = Catalogue::designSelection(Copy::Mms);
    Combo3->replaceItems(Catalogue::of(Copy::Mms).offeredCountries(), design.country);
    Combo4->setText(design.operatorName);

    // clicked, not toggled: only the user's choice (and Form_Load's) runs a
    // mode's handler, never the other button being cleared.
    connect(Option1, &QRadioButton::clicked, this, &MmsSettingsWindow::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &MmsSettingsWindow::Option2_Click);
    connect(Combo3, &QComboBox::activated, this, &MmsSettingsWindow::Combo3_Click);
    connect(Combo4, &QComboBox::activated, this, &MmsSettingsWindow::Combo4_Click);
    connect(Command4, &QPushButton::clicked, this, &MmsSettingsWindow::Command4_Click);
    connect(Command1, &QPushButton::clicked, this, &MmsSettingsWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MmsSettingsWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &MmsSettingsWindow::Command3_Click);
    connect(NewerLink, &ui::LinkLabel::clicked, this, &MmsSettingsWindow::NewerLink_Click);

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
    followOperator();
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
    followOperator();
    if (!preset)
        return;
    MmsNetCfgValues v = values();
    MmsNetCfg::applyPreset(*preset, &v);
    Text2->setText(v.apn);
    Text1->setText(v.url);
    Text3->setText(v.ip);
    Text4->setText(v.port);
}

void MmsSettingsWindow::NewerLink_Click()
{
    const QHash<QString, QString> newer = m_newer->offer(this, Command2->text());
    if (newer.isEmpty())
        return;
    // Manual Setting keeps what the boxes hold; the newer values go over Auto's.
    Option2->setChecked(true);
    Option2_Click();
    Text2->setText(newer.value(QStringLiteral("apn"), Text2->text()));
    Text1->setText(newer.value(QStringLiteral("url"), Text1->text()));
    Text3->setText(newer.value(QStringLiteral("ip"), Text3->text()));
}

// The link follows the operator the selectors name while Auto Setting is chosen.
void MmsSettingsWindow::followOperator()
{
    m_newer->follow(Catalogue::of(Copy::Mms).findPreset(Combo3->text(), Combo4->text()),
                    Option1->isChecked());
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
        MessageBox::show(this, tr("Path is not exist,please set path!"));
        return;
    }
    // The box's text as it stands names the file; a folder is no file.
    if (!QFileInfo(path).isFile()) {
        MessageBox::show(this, tr("NET.CFG is not exist"));
        return;
    }
    // Everything is read and checked before any box changes.
    const ReadLines file = SettingsFile::read(path);
    if (!file.status) {
        MessageBox::show(this, file.status.message);
        return;
    }
    if (!file.lines.isEmpty() && !MmsNetCfg::isMmsHeader(file.lines.first())) {
        MessageBox::show(this, tr("it is not mms config,don't read this file"));
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
        MessageBox::show(this, tr("At least One phone or Email should be input!"));

    const QString path = Text15->text();
    if (path.isEmpty()) {
        MessageBox::show(this,
                         tr("Could not write NET.CFG: the File Path box is empty."));
        return;
    }
    // The file written is the one the box names, so the message names it too.
    MessageBox::show(this, tr("Save to %1").arg(path));
    if (!ui::StorableText::check(this, {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8,
                                        Text9, Text10, Text11, Text12, Text13, Text14}))
        return;
    if (const FileStatus status = MmsNetCfg::write(path, values()); !status) {
        MessageBox::show(this, status.message);
        return;
    }
    MessageBox::show(this, tr("Create configure file!"));
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

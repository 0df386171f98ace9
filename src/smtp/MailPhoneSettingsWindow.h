#pragma once

#include "smtp/MailNetCfg.h"
#include "ui/BorderlessForm.h"
#include "ui/NewerSettingsLink.h"
#include "ui_MailPhoneSettingsWindow.h"

namespace rx20 {

// Form7, "RX12": GPRS access, SMTP server, one phone number and five
// recipients for the camera's e-mail. Setting Mode "Auto" takes the access
// values from the operator catalogue, "Manual" lets the user type them.
// Generate writes NET.CFG, scrambled, into the folder of the path box; Read
// (a hidden button) loads a plain NET.CFG from the working directory.
// Borderless: dragged by its background, ended with Esc. In Auto, a link beside
// the operator offers the values later public lists give for its network.
class MailPhoneSettingsWindow : public ui::BorderlessForm, private Ui::Form7
{
    Q_OBJECT

public:
    explicit MailPhoneSettingsWindow(QWidget *parent = nullptr);

private:
    void Form_Load();
    void Combo1_Click();
    void Combo3_Click();
    void Combo4_Click();
    void Command4_Click();
    void Command2_Click();
    void Command1_Click();
    void Command3_Click();
    void NewerLink_Click();

    void showGprsBoxes(bool on);
    MailNetCfgValues values() const;
    void apply(const MailNetCfgValues &values);
    void showMessage(const QString &text);
    void followOperator();

    // What Generate writes after "SSL=": set from Combo5 by Generate, from
    // the file by Read, and kept when Combo5 holds neither "YES" nor "NO".
    QString m_sslValue;
    ui::NewerSettingsLink *m_newer = nullptr;
};

} // namespace rx20

#pragma once

#include "ui/BorderlessForm.h"
#include "ui/NewerSettingsLink.h"
#include "ui_WirelessSettingsWindow.h"
#include "wireless/MmsIni.h"

namespace rx20 {

// Form5, "GPRS SETTINGS": the window the main window's "MMS Setting" link
// opens. Setting Mode "Auto" fills the APN and MMS server from the operator
// catalogue, "Manual" lets the user type them; Generate writes MMS.INI into
// the folder of the path box, Read (a hidden button) loads MMS.INI from the
// working directory. Borderless: dragged by its background, ended with Esc.
// In Auto, a link beside the operator offers the values later public lists
// give for its network.
class WirelessSettingsWindow : public ui::BorderlessForm, private Ui::Form5
{
    Q_OBJECT

public:
    explicit WirelessSettingsWindow(QWidget *parent = nullptr);

private:
    void Form_Load();
    void Combo2_Click();
    void Combo3_Click();
    void Combo4_Click();
    void Command4_Click();
    void Command2_Click();
    void Command1_Click();
    void Command3_Click();
    void NewerLink_Click();

    MmsIniValues values() const;
    void apply(const MmsIniValues &values);
    void showMessage(const QString &text);
    void followOperator();

    ui::NewerSettingsLink *m_newer = nullptr;
};

} // namespace rx20

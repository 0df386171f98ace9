#pragma once

#include "ui/NewerSettingsLink.h"
#include "ui_MmsSettingsWindow.h"

#include <QWidget>

namespace rx20 {

struct MmsNetCfgValues;

// Form3: the MMS network values (from the operator catalogue or typed), five
// phone numbers and five e-mail addresses, written as the "[MMS]" NET.CFG to
// the path in the File Path box and read back from there. In Auto Setting, a
// link beside the operator offers the values later public lists give for its
// network.
class MmsSettingsWindow : public QWidget, private Ui::Form3
{
    Q_OBJECT

public:
    explicit MmsSettingsWindow(QWidget *parent = nullptr);

private:
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Combo3_Click();
    void Combo4_Click();
    void Command4_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void NewerLink_Click();

    MmsNetCfgValues values() const;
    void apply(const MmsNetCfgValues &values);
    void setAutoLayout(bool autoSetting);
    void followOperator();

    ui::NewerSettingsLink *m_newer = nullptr;
};

} // namespace rx20

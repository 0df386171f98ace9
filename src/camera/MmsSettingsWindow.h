#pragma once

#include "ui_MmsSettingsWindow.h"

#include <QWidget>

namespace rx20 {

struct MmsNetCfgValues;

// Form3: the MMS network values (from the operator catalogue or typed), five
// phone numbers and five e-mail addresses, written as the "[MMS]" NET.CFG to
// the path in the File Path box and read back from there.
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

    MmsNetCfgValues values() const;
    void apply(const MmsNetCfgValues &values);
    void setAutoLayout(bool autoSetting);
};

} // namespace rx20

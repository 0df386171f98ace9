#pragma once

#include "ui_SmtpSettingsWindow.h"

#include <QWidget>

namespace rx20 {

struct SmtpNetCfgValues;

// Form4: the SMTP account, APN and recipients the camera mails with, written
// as the plain "[SMTP]" NET.CFG into the folder of the path box, and read back
// from the file the path box names.
class SmtpSettingsWindow : public QWidget, private Ui::Form4
{
    Q_OBJECT

public:
    explicit SmtpSettingsWindow(QWidget *parent = nullptr);

private:
    void Form_Load();
    void Combo1_Click();
    void Command4_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    SmtpNetCfgValues values() const;
    void apply(const SmtpNetCfgValues &values);
};

} // namespace rx20

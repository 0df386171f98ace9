#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rx20::ui {
class DropDown;
}

namespace rx20 {

struct SmtpNetCfgValues;

// Form4: the SMTP account, APN and recipients the camera mails with, written
// as the plain "[SMTP]" NET.CFG into the folder of the path box, and read back
// from the file the path box names.
class SmtpSettingsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SmtpSettingsWindow(QWidget *parent = nullptr);

private:
    void Form_Load();
    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    SmtpNetCfgValues values() const;
    void apply(const SmtpNetCfgValues &values);

    QGroupBox *Frame1;
    QGroupBox *Frame2;
    QLabel *Label1;
    ui::DropDown *Combo8;
    ui::DropDown *Combo5;
    QLineEdit *Text2;
    QLabel *Label6;
    ui::DropDown *Combo1;
    QLabel *Label7;
    QLineEdit *Text6;
    QLabel *Label8;
    QLineEdit *Text7;
    QLabel *Label9;
    QLineEdit *Text8;

    QGroupBox *Frame3;
    QLabel *Label10;
    QLineEdit *Text9;
    QLabel *Label11;
    QLineEdit *Text10;
    QLabel *Label12;
    QLineEdit *Text11;
    QLabel *Label13;
    QLineEdit *Text12;
    QLabel *Label14;
    QLineEdit *Text13;

    QLabel *label2;
    QLineEdit *Text1;
    QPushButton *Command4;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
};

} // namespace rx20

#pragma once

#include "smtp/MailNetCfg.h"
#include "ui/BorderlessForm.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rx20::ui {
class DropDown;
}

namespace rx20 {

// Form7, "RX12": GPRS access, SMTP server, one phone number and five
// recipients for the camera's e-mail. Setting Mode "Auto" takes the access
// values from the operator catalogue, "Manual" lets the user type them.
// Generate writes NET.CFG, scrambled, into the folder of the path box; Read
// (a hidden button) loads a plain NET.CFG from the working directory.
// Borderless: dragged by its background, ended with Esc.
class MailPhoneSettingsWindow : public ui::BorderlessForm
{
    Q_OBJECT

public:
    explicit MailPhoneSettingsWindow(QWidget *parent = nullptr);

private:
    void Form_Load();
    void Combo1_Click();
    void Combo3_Click();
    void Combo4_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    void showGprsBoxes(bool on);
    MailNetCfgValues values() const;
    void apply(const MailNetCfgValues &values);
    void showMessage(const QString &text);

    // What Generate writes after "SSL=": set from Combo5 by Generate, from
    // the file by Read, and kept when Combo5 holds neither "YES" nor "NO".
    QString m_sslValue;

    // Frame1 "SMTP Setting"
    QGroupBox *Frame1;
    QLabel *Label1;
    ui::DropDown *Combo2;
    QLabel *Label2;
    ui::DropDown *Combo1;
    QLabel *Label3;
    ui::DropDown *Combo3;
    QLabel *Label4;
    ui::DropDown *Combo4;

    // Frame2 "GPRS Setting"
    QGroupBox *Frame2;
    QLabel *Label5;
    QLineEdit *Text1;
    QLabel *Label6;
    QLineEdit *Text2;
    QLabel *Label7;
    QLineEdit *Text3;

    // Frame3 "Server Setting"
    QGroupBox *Frame3;
    QLabel *Label8;
    QLineEdit *Text4;
    QLabel *Label9;
    QLineEdit *Text5;
    QLabel *Label10;
    QLineEdit *Text6;
    QLabel *Label11;
    QLineEdit *Text17;
    QLabel *Label22;
    ui::DropDown *Combo5;

    // Frame4 "Phone Setting"; Phone 2 to 5 stay hidden and are never written.
    QGroupBox *Frame4;
    QLabel *Label12, *Label13, *Label14, *Label15, *Label16;
    QLineEdit *Text7, *Text8, *Text9, *Text10, *Text11;

    // Frame5 "Email Setting"
    QGroupBox *Frame5;
    QLabel *Label17, *Label18, *Label19, *Label20, *Label21;
    QLineEdit *Text12, *Text13, *Text14, *Text15, *Text16;

    QLabel *Label23;
    QLineEdit *Text18;
    QPushButton *Command4;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
};

} // namespace rx20

#pragma once

#include "ui/BorderlessForm.h"
#include "wireless/MmsIni.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rx20::ui {
class DropDown;
}

namespace rx20 {

// Form5, "GPRS SETTINGS": the window the main window's "MMS Setting" link
// opens. Setting Mode "Auto" fills the APN and MMS server from the operator
// catalogue, "Manual" lets the user type them; Generate writes MMS.INI into
// the folder of the path box, Read (a hidden button) loads MMS.INI from the
// working directory. Borderless: dragged by its background, ended with Esc.
class WirelessSettingsWindow : public ui::BorderlessForm
{
    Q_OBJECT

public:
    explicit WirelessSettingsWindow(QWidget *parent = nullptr);

private:
    void Form_Load();
    void Combo2_Click();
    void Combo3_Click();
    void Combo4_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    MmsIniValues values() const;
    void apply(const MmsIniValues &values);
    void showMessage(const QString &text);

    // Frame1 "MMS Setting"
    QGroupBox *Frame1;
    QLabel *Label1;
    ui::DropDown *Combo1;
    QLabel *Label2;
    ui::DropDown *Combo2;
    QLabel *Label3;
    ui::DropDown *Combo3;
    QLabel *Label4;
    ui::DropDown *Combo4;

    // Frame2 "GPRS Setting"
    QGroupBox *Frame2;
    QLabel *Label5;
    QLineEdit *Text1;
    QLabel *Label7;
    QLineEdit *Text3;
    QLabel *Label6;
    QLineEdit *Text2;

    // Frame3 "Server Setting" (MMS server)
    QGroupBox *Frame3;
    QLabel *Label8;
    QLineEdit *Text4;
    QLabel *Label9;
    QLineEdit *Text5;
    QLabel *Label10;
    QLineEdit *Text6;

    // Frame4 "Server Setting" (e-mail server)
    QGroupBox *Frame4;
    QLabel *Label25;
    QLineEdit *Text20;
    QLabel *Label26;
    QLineEdit *Text21;
    QLabel *Label24;
    QLineEdit *Text19;
    QLabel *Label23;
    QLineEdit *Text18;
    QLabel *Label22;
    ui::DropDown *Combo5;

    // Frame6 "Phone Setting"
    QGroupBox *Frame6;
    QLabel *Label12, *Label13, *Label14, *Label15, *Label16;
    QLineEdit *Text7, *Text8, *Text9, *Text10, *Text11;

    // Frame10 "Email Setting"
    QGroupBox *Frame10;
    QLabel *Label17, *Label18, *Label19, *Label20, *Label21;
    QLineEdit *Text12, *Text13, *Text14, *Text15, *Text16;

    QLabel *Label11;
    QLineEdit *Text17;
    QPushButton *Command4;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
};

} // namespace rx20

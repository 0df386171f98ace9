#pragma once

#include <QWidget>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rx20 {

namespace ui {
class DropDown;
}

struct MmsNetCfgValues;

// Form3: the MMS network values (from the operator catalogue or typed), five
// phone numbers and five e-mail addresses, written as the "[MMS]" NET.CFG to
// the path in the File Path box and read back from there.
class MmsSettingsWindow : public QWidget
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
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    MmsNetCfgValues values() const;
    void apply(const MmsNetCfgValues &values);
    void setAutoLayout(bool autoSetting);

    QFrame *Frame1;
    QGroupBox *Frame2;
    QGroupBox *Frame3;

    QRadioButton *Option1;
    QRadioButton *Option2;
    QLabel *Label1;
    ui::DropDown *Combo3;
    QLabel *Label2;
    ui::DropDown *Combo4;
    QLabel *Label3;
    QLineEdit *Text1;
    ui::DropDown *Combo5;
    QLineEdit *Text2;
    QLabel *Label4;
    QLineEdit *Text3;
    QLabel *Label5;
    QLineEdit *Text4;

    QLabel *Label6;
    QLineEdit *Text5;
    QLabel *Label7;
    QLineEdit *Text6;
    QLabel *Label8;
    QLineEdit *Text7;
    QLabel *Label9;
    QLineEdit *Text8;
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
    QLabel *Label15;
    QLineEdit *Text14;

    QLabel *Label16;
    QLineEdit *Text15;
    QPushButton *Command4;

    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
};

} // namespace rx20

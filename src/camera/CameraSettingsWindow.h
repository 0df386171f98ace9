#pragma once

#include "camera/CameraCfg.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rx20::ui {
class DropDown;
}

namespace rx20 {

// Form2: the camera's shooting options, written to and read from CAMERA.CFG
// in the working folder.
class CameraSettingsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CameraSettingsWindow(QWidget *parent = nullptr);

private:
    void Form_Load();
    void Combo15_Click();
    void Text3_Change();
    void Text4_Change();
    void Text5_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    void setFieldScanEnabled(bool enabled);
    CameraCfgValues values() const;
    void setValues(const CameraCfgValues &values);

    QGroupBox *Frame1;
    QGroupBox *Frame2;
    QGroupBox *Frame3;
    QGroupBox *Frame4;
    QGroupBox *Frame5;
    QGroupBox *Frame6;
    QGroupBox *Frame7;
    QGroupBox *Frame8;
    QGroupBox *Frame9;
    QGroupBox *Frame10;
    QGroupBox *Frame11;
    QGroupBox *Frame12;
    QGroupBox *Frame13;
    QGroupBox *Frame14;
    QGroupBox *Frame15;
    QGroupBox *Frame16;
    QGroupBox *Frame17;
    QGroupBox *Frame18;

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label5;
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label8;
    QLabel *Label9;
    QLabel *Label10;
    QLabel *Label11;
    QLabel *Label12;
    QLabel *Label13;
    QLabel *Label14;
    QLabel *Label15;
    QLabel *Label16;
    QLabel *Label17;
    QLabel *Label18;
    QLabel *Label19;
    QLabel *Label20;
    QLabel *Label21;
    QLabel *Label22;

    ui::DropDown *Combo1;
    ui::DropDown *Combo2;
    ui::DropDown *Combo3;
    ui::DropDown *Combo4;
    ui::DropDown *Combo5;
    ui::DropDown *Combo6;
    ui::DropDown *Combo7;
    ui::DropDown *Combo8;
    ui::DropDown *Combo9;
    ui::DropDown *Combo10;
    ui::DropDown *Combo11;
    ui::DropDown *Combo12;
    ui::DropDown *Combo13;
    ui::DropDown *Combo14;
    ui::DropDown *Combo15;

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QLineEdit *Text5;
    QLineEdit *Text6;
    QLineEdit *Text7;

    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
};

} // namespace rx20

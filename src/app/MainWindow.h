#pragma once

#include "ui/BorderlessForm.h"

class QFrame;
class QLabel;

namespace rx20::ui {
class DropDown;
}

namespace rx20 {

class LinkLabel;

// Form1: the start-up window with brand, version, camera model and language,
// and the "MMS Setting" link to the wireless settings window.
class MainWindow : public ui::BorderlessForm
{
    Q_OBJECT

public:
    static constexpr int leadingSpaces = 91;

    explicit MainWindow(QWidget *parent = nullptr);

private:
    void Form_Load();
    void Label5_Click();

    QLabel *Picture1;
    QLabel *Label1;
    QLabel *Label7;
    QLabel *Label3;
    ui::DropDown *Combo2;
    QLabel *Label2;
    ui::DropDown *Combo1;
    QFrame *Frame3;
    LinkLabel *Label5;
};

} // namespace rx20

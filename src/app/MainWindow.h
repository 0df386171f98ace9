#pragma once

#include "ui/BorderlessForm.h"
#include "ui_MainWindow.h"

namespace rx20 {

// Form1: the start-up window with brand, version, camera model and language,
// and the "MMS Setting" link to the wireless settings window.
class MainWindow : public ui::BorderlessForm, private Ui::Form1
{
    Q_OBJECT

public:
    static constexpr int leadingSpaces = 91;

    explicit MainWindow(QWidget *parent = nullptr);

private:
    void Form_Load();
    void Label5_Click();
};

} // namespace rx20

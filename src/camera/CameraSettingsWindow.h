#pragma once

#include "camera/CameraCfg.h"
#include "ui_CameraSettingsWindow.h"

#include <QWidget>

namespace rx20 {

// Form2: the camera's shooting options, written to and read from CAMERA.CFG
// in the working folder.
class CameraSettingsWindow : public QWidget, private Ui::Form2
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
};

} // namespace rx20

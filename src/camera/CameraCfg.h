#pragma once

#include "files/SettingsFile.h"

#include <QString>
#include <QStringList>

namespace rx20 {

// What CAMERA.CFG holds: the texts of the camera settings window's controls.
struct CameraCfgValues
{
    QString mode;          // Combo1
    QString imageSize;     // Combo2
    QString imageFormat;   // Combo3
    QString captureNumber; // Combo4
    QString irLedControl;  // Combo5
    QString cameraName;    // Text1
    QString videoSize;     // Combo6
    QString videoLength;   // Text2
    QString interval;      // Text3
    QString intervalUnit;  // Combo7
    QString sensorLevel;   // Combo8
    QString nvShutter;     // Combo9
    QString cameraMode;    // Combo10
    QString timeStamp;     // Combo11
    QString videoSound;    // Combo12
    QString overWrite;     // Combo13
    QString fieldScan;     // Combo15
    QString aStartHour;    // Text4
    QString aStartMinute;  // Text5
    QString bStartHour;    // Text6
    QString bStartMinute;  // Text7
    QString scanInterval;  // Combo14

    bool operator==(const CameraCfgValues &other) const;
    bool operator!=(const CameraCfgValues &other) const { return !(*this == other); }
};

struct CameraCfgRead
{
    FileStatus status;
    CameraCfgValues values;
};

// CAMERA.CFG: "[CAMERA SETTING]" and nineteen "key=value" lines, keys spelled
// as the camera reads them ("Vide Length", "Fild Scan Interva"), every line
// ended by CR LF in the system's 8-bit code page.
class CameraCfg
{
public:
    static constexpr int lineCount = 20;
    // Reading stops after "Field Scan=", the seventeenth line.
    static constexpr int linesRead = 17;
    static const QString &fileName(); // "CAMERA.CFG"

    // The twenty lines, values exactly as given: no trimming or checking.
    static QStringList lines(const CameraCfgValues &values);

    // The values of lines 2-9 and 11-17 by position: each key is cut off by
    // its length without being compared, and a line shorter than its key
    // gives an empty value. Line 1, the interval line 10 and lines 18 on are
    // not taken: those values stay as in current. A file that ends before
    // line 17 is a failure naming it (path), and the values are current's.
    static CameraCfgRead parse(const QStringList &lines, const QString &path,
                               const CameraCfgValues &current);

    // Writes the file atomically; on any failure a file already there stays whole.
    static FileStatus write(const QString &path, const CameraCfgValues &values,
                            const QByteArray &codePage = CodePage::systemName());

    // Reads the whole file first, then parses it.
    static CameraCfgRead read(const QString &path, const CameraCfgValues &current);
};

} // namespace rx20

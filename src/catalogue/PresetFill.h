#pragma once

#include <QString>

namespace rx20 {
struct MailNetCfgValues;
struct MmsIniValues;
struct MmsNetCfgValues;
} // namespace rx20

namespace rx20::catalogue {

struct Preset;

// What an applied preset puts into the values a window writes. Each value a
// preset does not carry stays as it was; a carried one may be an empty text.
class PresetFill
{
public:
    // The wireless settings window: APN, MMS server URL, IP and port.
    static void apply(const Preset &preset, MmsIniValues *values);

    // The MMS settings window: the same four values.
    static void apply(const Preset &preset, MmsNetCfgValues *values);

    // The mail-and-phone settings window: APN, account and password, SMTP
    // server and port; sslChoice is the text of its SSL box ("YES", "NO"),
    // which becomes the file's digit only when the file is generated.
    static void apply(const Preset &preset, MailNetCfgValues *values, QString *sslChoice);
};

} // namespace rx20::catalogue

#include "catalogue/PresetFill.h"

#include "camera/MmsNetCfg.h"
#include "catalogue/Catalogue.h"
#include "smtp/MailNetCfg.h"
#include "wireless/MmsIni.h"

#include <optional>

namespace rx20::catalogue {

namespace {

void carry(const std::optional<QString> &column, QString *value)
{
    if (column)
        *value = *column;
}

// MMS.INI and the "[MMS]" NET.CFG take the same four network values.
template <typename Values> void applyNetwork(const Preset &preset, Values *values)
{
    values->apn = preset.apn;
    carry(preset.url, &values->url);
    carry(preset.ip, &values->ip);
    carry(preset.port, &values->port);
}

} // namespace

void PresetFill::apply(const Preset &preset, MmsIniValues *values)
{
    applyNetwork(preset, values);
}

void PresetFill::apply(const Preset &preset, MmsNetCfgValues *values)
{
    applyNetwork(preset, values);
}

void PresetFill::apply(const Preset &preset, MailNetCfgValues *values, QString *sslChoice)
{
    values->apn = preset.apn;
    carry(preset.account, &values->apnAccount);
    carry(preset.password, &values->apnPassword);
    carry(preset.smtpServer, &values->server);
    carry(preset.smtpPort, &values->port);
    carry(preset.ssl, sslChoice);
}

} // namespace rx20::catalogue

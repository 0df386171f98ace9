#include "camera/MmsNetCfg.h"

#include "catalogue/Catalogue.h"
#include "wireless/MmsIni.h"

namespace rx20 {

bool MmsNetCfgValues::operator==(const MmsNetCfgValues &other) const
{
    return url == other.url && apn == other.apn && ip == other.ip && port == other.port
           && phones == other.phones && emails == other.emails;
}

QStringList MmsNetCfg::lines(const MmsNetCfgValues &v)
{
    // The file is the first fifteen lines of MMS.INI.
    MmsIniValues ini;
    ini.url = v.url;
    ini.apn = v.apn;
    ini.ip = v.ip;
    ini.port = v.port;
    ini.phones = v.phones;
    ini.emails = v.emails;
    return MmsIni::lines(ini).mid(0, lineCount);
}

bool MmsNetCfg::isMmsHeader(const QString &firstLine)
{
    return firstLine.mid(1, 3) == QLatin1String("MMS");
}

MmsNetCfgRead MmsNetCfg::parse(const QStringList &lines, const QString &path)
{
    if (lines.size() < lineCount)
        return {SettingsFile::tooShort(path, lineCount, int(lines.size())), {}};

    // Each line's key is what an empty file holds on that line; it is cut
    // off by length only.
    static const QStringList keys = MmsNetCfg::lines({});
    const auto value = [&lines](int lineNumber) {
        const int index = lineNumber - 1;
        return SettingsFile::valueAfterKey(lines.at(index), int(keys.at(index).size()));
    };

    MmsNetCfgValues v;
    v.url = value(2);
    v.apn = value(3);
    v.ip = value(4);
    v.port = value(5);
    for (int i = 0; i < 5; ++i)
        v.phones.at(std::size_t(i)) = value(6 + i);
    for (int i = 0; i < 5; ++i)
        v.emails.at(std::size_t(i)) = value(11 + i);
    return {FileStatus::success(), v};
}

FileStatus MmsNetCfg::write(const QString &path, const MmsNetCfgValues &values,
                            const QByteArray &codePage)
{
    return SettingsFile::write(path, lines(values), codePage);
}

void MmsNetCfg::applyPreset(const catalogue::Preset &preset, MmsNetCfgValues *values)
{
    values->apn = preset.apn;
    catalogue::Preset::carry(preset.url, &values->url);
    catalogue::Preset::carry(preset.ip, &values->ip);
    catalogue::Preset::carry(preset.port, &values->port);
}

} // namespace rx20

#include "camera/MmsNetCfg.h"

namespace rx20 {

namespace {

const QString &phoneKey(int i)
{
    static const std::array<QString, 5> keys = {
        QStringLiteral("Phone1="), QStringLiteral("Phone2="), QStringLiteral("Phone3="),
        QStringLiteral("Phone4="), QStringLiteral("Phone5=")};
    return keys.at(std::size_t(i));
}

const QString &emailKey(int i)
{
    static const std::array<QString, 5> keys = {
        QStringLiteral("Email1="), QStringLiteral("Email2="), QStringLiteral("Email3="),
        QStringLiteral("Email4="), QStringLiteral("Email5=")};
    return keys.at(std::size_t(i));
}

const QString section = QStringLiteral("[MMS]");
const QString urlKey = QStringLiteral("URL=");
const QString apnKey = QStringLiteral("APN=");
const QString ipKey = QStringLiteral("IP=");
const QString portKey = QStringLiteral("Port=");

} // namespace

bool MmsNetCfgValues::operator==(const MmsNetCfgValues &other) const
{
    return url == other.url && apn == other.apn && ip == other.ip && port == other.port
           && phones == other.phones && emails == other.emails;
}

QStringList MmsNetCfg::lines(const MmsNetCfgValues &v)
{
    QStringList out;
    out.reserve(lineCount);
    out << section << urlKey + v.url << apnKey + v.apn << ipKey + v.ip << portKey + v.port;
    for (int i = 0; i < 5; ++i)
        out << phoneKey(i) + v.phones.at(std::size_t(i));
    for (int i = 0; i < 5; ++i)
        out << emailKey(i) + v.emails.at(std::size_t(i));
    Q_ASSERT(out.size() == lineCount);
    return out;
}

bool MmsNetCfg::isMmsHeader(const QString &firstLine)
{
    return firstLine.mid(1, 3) == QLatin1String("MMS");
}

MmsNetCfgRead MmsNetCfg::parse(const QStringList &lines, const QString &path)
{
    if (lines.size() < lineCount)
        return {SettingsFile::tooShort(path, lineCount, int(lines.size())), {}};

    // Line n (1-based) is lines.at(n - 1); its key is cut off by length only.
    const auto value = [&lines](int lineNumber, const QString &key) {
        return SettingsFile::valueAfterKey(lines.at(lineNumber - 1), int(key.size()));
    };

    MmsNetCfgValues v;
    v.url = value(2, urlKey);
    v.apn = value(3, apnKey);
    v.ip = value(4, ipKey);
    v.port = value(5, portKey);
    for (int i = 0; i < 5; ++i)
        v.phones.at(std::size_t(i)) = value(6 + i, phoneKey(i));
    for (int i = 0; i < 5; ++i)
        v.emails.at(std::size_t(i)) = value(11 + i, emailKey(i));
    return {FileStatus::success(), v};
}

FileStatus MmsNetCfg::write(const QString &path, const MmsNetCfgValues &values)
{
    return SettingsFile::write(path, lines(values));
}

} // namespace rx20

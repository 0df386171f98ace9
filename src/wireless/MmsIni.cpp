#include "wireless/MmsIni.h"

#include "catalogue/Catalogue.h"

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

const QString &receiverKey(int i)
{
    // Spelled as the camera reads it.
    static const std::array<QString, 5> keys = {
        QStringLiteral("Reciver1="), QStringLiteral("Reciver2="), QStringLiteral("Reciver3="),
        QStringLiteral("Reciver4="), QStringLiteral("Reciver5=")};
    return keys.at(std::size_t(i));
}

const QString section = QStringLiteral("[MMS]");
const QString urlKey = QStringLiteral("URL=");
const QString apnKey = QStringLiteral("APN=");
const QString ipKey = QStringLiteral("IP=");
const QString portKey = QStringLiteral("Port=");
const QString serverKey = QStringLiteral("Server=");
const QString ePortKey = QStringLiteral("ePort=");
const QString eApnKey = QStringLiteral("eAPN=");
const QString senderKey = QStringLiteral("Sender=");
const QString passwordKey = QStringLiteral("Password=");

} // namespace

bool MmsIniValues::operator==(const MmsIniValues &other) const
{
    return url == other.url && apn == other.apn && ip == other.ip && port == other.port
           && phones == other.phones && emails == other.emails && server == other.server
           && ePort == other.ePort && sender == other.sender && password == other.password;
}

const QString &MmsIni::fileName()
{
    static const QString name = QStringLiteral("MMS.INI");
    return name;
}

QStringList MmsIni::lines(const MmsIniValues &v)
{
    QStringList out;
    out.reserve(lineCount);
    out << section << urlKey + v.url << apnKey + v.apn << ipKey + v.ip << portKey + v.port;
    for (int i = 0; i < 5; ++i)
        out << phoneKey(i) + v.phones.at(std::size_t(i));
    for (int i = 0; i < 5; ++i)
        out << emailKey(i) + v.emails.at(std::size_t(i));
    out << serverKey + v.server << ePortKey + v.ePort << eApnKey + v.apn << senderKey + v.sender
        << passwordKey + v.password;
    for (int i = 0; i < 5; ++i)
        out << receiverKey(i) + v.emails.at(std::size_t(i));
    Q_ASSERT(out.size() == lineCount);
    return out;
}

MmsIniRead MmsIni::parse(const QStringList &lines, const QString &path)
{
    if (lines.size() < lineCount)
        return {SettingsFile::tooShort(path, lineCount, int(lines.size())), {}};

    // Line n (1-based) is lines.at(n - 1); its key is cut off by length only.
    const auto value = [&lines](int lineNumber, const QString &key) {
        return SettingsFile::valueAfterKey(lines.at(lineNumber - 1), int(key.size()));
    };

    MmsIniValues v;
    v.url = value(2, urlKey);
    v.apn = value(3, apnKey);
    v.ip = value(4, ipKey);
    v.port = value(5, portKey);
    for (int i = 0; i < 5; ++i)
        v.phones.at(std::size_t(i)) = value(6 + i, phoneKey(i));
    for (int i = 0; i < 5; ++i)
        v.emails.at(std::size_t(i)) = value(11 + i, emailKey(i));
    v.server = value(16, serverKey);
    v.ePort = value(17, ePortKey);
    v.apn = value(18, eApnKey); // the later line wins
    v.sender = value(19, senderKey);
    v.password = value(20, passwordKey);
    for (int i = 0; i < 5; ++i)
        v.emails.at(std::size_t(i)) = value(21 + i, receiverKey(i)); // the later line wins
    return {FileStatus::success(), v};
}

FileStatus MmsIni::write(const QString &path, const MmsIniValues &values,
                         const QByteArray &codePage)
{
    return SettingsFile::write(path, lines(values), codePage);
}

MmsIniRead MmsIni::read(const QString &path)
{
    const ReadLines file = SettingsFile::read(path);
    if (!file.status)
        return {file.status, {}};
    return parse(file.lines, path);
}

void MmsIni::applyPreset(const catalogue::Preset &preset, MmsIniValues *values)
{
    values->apn = preset.apn;
    catalogue::Preset::carry(preset.url, &values->url);
    catalogue::Preset::carry(preset.ip, &values->ip);
    catalogue::Preset::carry(preset.port, &values->port);
}

} // namespace rx20

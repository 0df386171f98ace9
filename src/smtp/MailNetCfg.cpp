#include "smtp/MailNetCfg.h"

#include "catalogue/Catalogue.h"
#include "files/CodePage.h"
#include "smtp/Scrambler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <utility>

namespace rx20 {

namespace {

const QString header = QStringLiteral("[SMTP]");

// Keys of lines 2 to 15, in file order. Reading takes each value from one
// position past its key, so these lengths are the reader's positions too.
const std::array<QString, MailNetCfg::lineCount - 1> &keys()
{
    static const std::array<QString, MailNetCfg::lineCount - 1> instance = {
        QStringLiteral("APN="),        QStringLiteral("Server="),      QStringLiteral("Port="),
        QStringLiteral("Sender="),     QStringLiteral("Password="),    QStringLiteral("Email1="),
        QStringLiteral("Email2="),     QStringLiteral("Email3="),      QStringLiteral("Email4="),
        QStringLiteral("Email5="),     QStringLiteral("SSL="),         QStringLiteral("Phone1="),
        QStringLiteral("APNAccount="), QStringLiteral("APNPassword="),
    };
    return instance;
}

// The values in the order of keys(); const or not, as the values are.
template <typename Values>
std::array<decltype(&std::declval<Values &>().apn), MailNetCfg::lineCount - 1> fields(Values &v)
{
    return {&v.apn,       &v.server,    &v.port,       &v.sender,     &v.password,
            &v.emails[0], &v.emails[1], &v.emails[2],  &v.emails[3],  &v.emails[4],
            &v.ssl,       &v.phone1,    &v.apnAccount, &v.apnPassword};
}

} // namespace

QString MailNetCfg::fileName()
{
    return QStringLiteral("NET.CFG");
}

QString MailNetCfg::sslValue(const QString &choice, const QString &previous)
{
    if (choice == QLatin1String("YES"))
        return QStringLiteral("1");
    if (choice == QLatin1String("NO"))
        return QStringLiteral("0");
    return previous;
}

bool MailNetCfg::isScrambled(const QByteArray &bytes)
{
    const QByteArray lineEnd = Scrambler::scramble("\r\n");
    return !bytes.contains('\r') && !bytes.contains('\n') && bytes.contains(lineEnd);
}

QStringList MailNetCfg::lines(const MailNetCfgValues &values)
{
    const auto sources = fields(values);
    QStringList out{header};
    for (std::size_t i = 0; i < keys().size(); ++i)
        out.append(keys()[i] + *sources[i]);
    return out;
}

FileStatus MailNetCfg::parse(const QStringList &lines, const QString &path,
                             MailNetCfgValues *values)
{
    if (lines.size() < lineCount)
        return SettingsFile::tooShort(path, lineCount, int(lines.size()));
    MailNetCfgValues read;
    const auto targets = fields(read);
    for (std::size_t i = 0; i < keys().size(); ++i)
        *targets[i] =
            SettingsFile::valueAfterKey(lines.at(qsizetype(i) + 1), int(keys()[i].size()));
    *values = read;
    return FileStatus::success();
}

FileStatus MailNetCfg::scrambledBytes(const MailNetCfgValues &values, QByteArray *bytes,
                                      const QByteArray &codePage)
{
    QByteArray plain;
    const QStringList all = lines(values);
    if (FileStatus status = SettingsFile::encode(all, &plain, codePage); !status)
        return status;
    // Two code page characters pass the scrambler unchanged as the bytes of a
    // scrambled line end ("òñ" in windows-1252): such a value would split its
    // line on the card.
    const QByteArray lineEnd = Scrambler::scramble("\r\n");
    for (const QString &line : all) {
        const QByteArray encoded = CodePage::encode(line, codePage);
        if (Scrambler::scramble(encoded).contains(lineEnd)) {
            const QString key = line.section(QLatin1Char('='), 0, 0).left(40);
            return FileStatus::failure(
                QCoreApplication::translate("rx20::MailNetCfg",
                                            "The value of \"%1=\" holds \"%2\", which the camera "
                                            "reads as a line break; change it and try again.")
                    .arg(key, CodePage::decode(lineEnd, codePage)));
        }
    }
    *bytes = Scrambler::scramble(plain);
    return FileStatus::success();
}

FileStatus MailNetCfg::write(const QString &path, const MailNetCfgValues &values,
                             const QByteArray &codePage)
{
    QByteArray bytes;
    if (FileStatus status = scrambledBytes(values, &bytes, codePage); !status)
        return status;
    return SettingsFile::writeBytes(path, bytes);
}

FileStatus MailNetCfg::read(const QString &path, MailNetCfgValues *values)
{
    const ReadLines file = SettingsFile::read(path);
    if (!file.status)
        return file.status;
    if (file.lines.size() < lineCount) {
        // Only a failed read looks at the bytes again, to say why.
        QFile raw(path);
        if (raw.open(QIODevice::ReadOnly) && isScrambled(raw.readAll()))
            return FileStatus::failure(
                QCoreApplication::translate("rx20::MailNetCfg",
                                            "Could not read %1: the file is scrambled and cannot "
                                            "be read back here. Nothing was changed.")
                    .arg(QDir::toNativeSeparators(path)));
    }
    return parse(file.lines, path, values);
}

void MailNetCfg::applyPreset(const catalogue::Preset &preset, MailNetCfgValues *values,
                             QString *sslChoice)
{
    values->apn = preset.apn;
    catalogue::Preset::carry(preset.account, &values->apnAccount);
    catalogue::Preset::carry(preset.password, &values->apnPassword);
    catalogue::Preset::carry(preset.smtpServer, &values->server);
    catalogue::Preset::carry(preset.smtpPort, &values->port);
    catalogue::Preset::carry(preset.ssl, sslChoice);
}

} // namespace rx20

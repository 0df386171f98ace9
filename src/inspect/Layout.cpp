#include "inspect/Layout.h"

#include "camera/CameraCfg.h"
#include "camera/MmsNetCfg.h"
#include "smtp/MailNetCfg.h"
#include "smtp/SmtpNetCfg.h"
#include "wireless/MmsIni.h"

namespace rx20::inspect {

Layout::Layout(Kind kind, const QString &name, const QString &fileName, const QStringList &lines)
    : m_kind(kind)
    , m_name(name)
    , m_fileName(fileName)
    , m_lines(lines)
{
}

const Layout &Layout::of(Kind kind)
{
    // Each writer, given empty values, spells out its own layout; nothing
    // here repeats a key.
    static const QList<Layout> layouts{
        {Kind::MmsIni, QStringLiteral("mms-ini"), MmsIni::fileName(), MmsIni::lines({})},
        {Kind::SmtpNetCfg, QStringLiteral("net-cfg-smtp"), SmtpNetCfg::fileName(),
         SmtpNetCfg::lines({})},
        {Kind::MailNetCfg, QStringLiteral("net-cfg-mail"), MailNetCfg::fileName(),
         MailNetCfg::lines({})},
        {Kind::MmsNetCfg, QStringLiteral("net-cfg-mms"), SmtpNetCfg::fileName(),
         MmsNetCfg::lines({})},
        {Kind::CameraCfg, QStringLiteral("camera-cfg"), CameraCfg::fileName(),
         CameraCfg::lines({})},
    };
    return layouts.at(int(kind));
}

const QList<Kind> &Layout::kinds()
{
    static const QList<Kind> all{Kind::MmsIni, Kind::SmtpNetCfg, Kind::MailNetCfg, Kind::MmsNetCfg,
                                 Kind::CameraCfg};
    return all;
}

std::optional<Kind> Layout::kindNamed(const QString &name)
{
    for (Kind kind : kinds()) {
        if (of(kind).name() == name)
            return kind;
    }
    return std::nullopt;
}

QStringList Layout::names()
{
    QStringList out;
    for (Kind kind : kinds())
        out << of(kind).name();
    return out;
}

QString Layout::key(int lineNumber) const
{
    if (lineNumber < 2 || lineNumber > lineCount())
        return {};
    // A line written with an empty value may still carry a fixed part
    // ("SSL=0", "Field Scan A=:"): the key ends at the first "=".
    const QString &line = m_lines.at(lineNumber - 1);
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : line.left(equals + 1);
}

} // namespace rx20::inspect

#include "inspect/Lint.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace rx20::inspect {

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void checkLayout(const Document &document, QList<Finding> *findings)
{
    const Layout &layout = document.layout();
    const QList<Line> &lines = document.lines();
    if (lines.size() != layout.lineCount())
        findings->append({0, QStringLiteral("lines"),
                          QStringLiteral("%1 lines where %2 are expected")
                              .arg(lines.size())
                              .arg(layout.lineCount())});
    if (!lines.isEmpty() && lines.constFirst().text != layout.section())
        findings->append({1, QStringLiteral("section"),
                          QStringLiteral("the first line should be %1, not %2")
                              .arg(quoted(layout.section()), quoted(lines.constFirst().text))});
    const int last = std::min(int(lines.size()), layout.lineCount());
    for (int n = 2; n <= last; ++n) {
        const QString key = layout.key(n);
        const QString &text = lines.at(n - 1).text;
        if (key.isEmpty() && !text.isEmpty())
            findings->append({n, QStringLiteral("key"),
                              QStringLiteral("should be empty, not %1").arg(quoted(text))});
        else if (!text.startsWith(key))
            findings->append(
                {n, QStringLiteral("key"),
                 QStringLiteral("should start with %1, not %2").arg(quoted(key), quoted(text))});
    }
}

// One finding per kind of wrong line end, at its first line.
void checkLineEnds(const Document &document, QList<Finding> *findings)
{
    const QList<Line> &lines = document.lines();
    for (const auto &[end, what] :
         {std::pair{LineEnd::Lf, "ends in LF alone"}, std::pair{LineEnd::Cr, "ends in CR alone"},
          std::pair{LineEnd::None, "has no line end"}}) {
        const auto wrong = [end = end](const Line &line) { return line.end == end; };
        const auto first = std::find_if(lines.cbegin(), lines.cend(), wrong);
        if (first == lines.cend())
            continue;
        const qsizetype count = std::count_if(lines.cbegin(), lines.cend(), wrong);
        QString message =
            QStringLiteral("%1 where the camera expects CR LF").arg(QLatin1String(what));
        if (count > 1)
            message += QStringLiteral(" (so do %1 more lines)").arg(count - 1);
        findings->append({int(first - lines.cbegin()) + 1, QStringLiteral("line-end"), message});
    }
}

// Groups of keys of which at least one must hold a value, as each window reminds.
QList<QStringList> requiredGroups(Kind kind)
{
    const QStringList phone1{QStringLiteral("Phone1")};
    const QStringList email1{QStringLiteral("Email1")};
    switch (kind) {
    case Kind::MmsIni:
    case Kind::MailNetCfg:
        return {phone1, email1};
    case Kind::SmtpNetCfg:
        return {email1}; // without a recipient the camera mails nobody
    case Kind::MmsNetCfg: {
        QStringList sendTo;
        for (int i = 1; i <= 5; ++i)
            sendTo << QStringLiteral("Phone%1").arg(i) << QStringLiteral("Email%1").arg(i);
        return {sendTo};
    }
    case Kind::CameraCfg:
        break;
    }
    return {};
}

// Keys whose value the network reads as one name: letters, digits, "-" and "." only.
bool isNameKey(const QString &key)
{
    return key == QLatin1String("APN") || key == QLatin1String("eAPN")
           || key == QLatin1String("APNAccount");
}

bool isName(const QString &text)
{
    static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9.-]+$"));
    return name.match(text).hasMatch();
}

// The port number a server URL names, empty where it names none.
QString urlPort(const QString &text)
{
    static const QRegularExpression port(QStringLiteral("^\\w+://[^/?#:]*:([0-9]+)(?:[/?#]|$)"));
    return port.match(text).captured(1);
}

bool isEmailKey(const QString &key)
{
    static const QRegularExpression pattern(QStringLiteral("^(Email|Reciver)[1-5]$|^Sender$"));
    return pattern.match(key).hasMatch();
}

void checkValues(const Document &document, QList<Finding> *findings)
{
    const QList<Setting> settings = document.settings();
    QHash<QString, const Setting *> byKey;
    for (const Setting &setting : settings)
        byKey.insert(setting.key, &setting);

    for (const QStringList &group : requiredGroups(document.layout().kind())) {
        const bool filled = std::any_of(group.cbegin(), group.cend(), [&](const QString &key) {
            return byKey.contains(key) && !byKey.value(key)->value.isEmpty();
        });
        if (filled || !byKey.contains(group.constFirst()))
            continue;
        const QString what = group.size() == 1 ? group.constFirst() + QStringLiteral(" is empty")
                                               : QStringLiteral("every phone and e-mail is empty");
        findings->append({byKey.value(group.constFirst())->line, QStringLiteral("required"), what});
    }

    // Without an APN or a server the camera cannot send what MMS.INI is for.
    if (document.layout().kind() == Kind::MmsIni) {
        for (const QString &key : {QStringLiteral("URL"), QStringLiteral("APN")}) {
            const Setting *setting = byKey.value(key);
            if (setting && setting->value.isEmpty())
                findings->append(
                    {setting->line, QStringLiteral("required"), key + QStringLiteral(" is empty")});
        }
    }

    for (const Setting &s : settings) {
        if (s.value.isEmpty())
            continue;
        if ((s.key == QLatin1String("Port") || s.key == QLatin1String("ePort"))
            && !Lint::isPort(s.value))
            findings->append({s.line, QStringLiteral("port"),
                              QStringLiteral("%1 %2 is not a port number (1-65535)")
                                  .arg(s.key, quoted(s.value))});
        else if (s.key == QLatin1String("URL") && !urlPort(s.value).isEmpty()
                 && !Lint::isPort(urlPort(s.value)))
            findings->append({s.line, QStringLiteral("url"),
                              QStringLiteral("URL %1 names port %2, not a port number (1-65535)")
                                  .arg(quoted(s.value), quoted(urlPort(s.value)))});
        else if (s.key == QLatin1String("URL") && !Lint::isServerUrl(s.value))
            findings->append({s.line, QStringLiteral("url"),
                              QStringLiteral("URL %1 is not an http:// or https:// address with "
                                             "a host")
                                  .arg(quoted(s.value))});
        else if (s.key == QLatin1String("IP") && !Lint::isHost(s.value))
            findings->append({s.line, QStringLiteral("ip"),
                              QStringLiteral("IP %1 is neither an IPv4 address nor a host name")
                                  .arg(quoted(s.value))});
        else if (isNameKey(s.key) && !isName(s.value))
            findings->append({s.line, QStringLiteral("name"),
                              QStringLiteral("%1 %2 holds a blank or a character other than "
                                             "letters, digits, \"-\" and \".\"")
                                  .arg(s.key, quoted(s.value))});
        else if (isEmailKey(s.key) && !Lint::isEmailAddress(s.value))
            findings->append(
                {s.line, QStringLiteral("email"),
                 QStringLiteral("%1 %2 is not an e-mail address").arg(s.key, quoted(s.value))});
    }

    if (const Setting *ssl = byKey.value(QStringLiteral("SSL"))) {
        // The mail-and-phone window writes nothing when its SSL box held neither YES nor NO.
        if (ssl->value != QLatin1String("0") && ssl->value != QLatin1String("1"))
            findings->append(
                {ssl->line, QStringLiteral("ssl"),
                 QStringLiteral("SSL should be 0 or 1, not %1").arg(quoted(ssl->value))});
    }

    // MMS.INI holds the APN and each e-mail address twice; the camera reads the later line.
    if (document.layout().kind() == Kind::MmsIni) {
        QList<std::pair<QString, QString>> pairs{{QStringLiteral("APN"), QStringLiteral("eAPN")}};
        for (int i = 1; i <= 5; ++i)
            pairs.append({QStringLiteral("Email%1").arg(i), QStringLiteral("Reciver%1").arg(i)});
        for (const auto &[first, second] : pairs) {
            const Setting *a = byKey.value(first);
            const Setting *b = byKey.value(second);
            if (a && b && a->value != b->value)
                findings->append({b->line, QStringLiteral("copy"),
                                  QStringLiteral("%1 %2 differs from %3 %4 on line %5")
                                      .arg(second, quoted(b->value), first, quoted(a->value))
                                      .arg(a->line)});
        }
    }
}

} // namespace

QList<Finding> Lint::check(const Document &document)
{
    QList<Finding> findings;
    if (document.layout().kind() == Kind::MailNetCfg && !document.isScrambled())
        findings.append({0, QStringLiteral("scrambled"),
                         QStringLiteral("plain text, where the mail-and-phone window writes "
                                        "this file scrambled")});
    checkLayout(document, &findings);
    checkLineEnds(document, &findings);
    checkValues(document, &findings);
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding &a, const Finding &b) { return a.line < b.line; });
    return findings;
}

bool Lint::isPort(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    return digits.match(text).hasMatch() && text.toInt() >= 1 && text.toInt() <= 65535;
}

bool Lint::isHost(const QString &text)
{
    static const QRegularExpression dotted(QStringLiteral("^[0-9.]+$"));
    if (dotted.match(text).hasMatch()) {
        const QStringList parts = text.split(QLatin1Char('.'));
        return parts.size() == 4 && std::all_of(parts.cbegin(), parts.cend(), [](const QString &p) {
                   return !p.isEmpty() && p.size() <= 3 && p.toInt() <= 255;
               });
    }
    static const QRegularExpression name(QStringLiteral(
        "^[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?(\\.[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)*$"));
    return name.match(text).hasMatch();
}

bool Lint::isServerUrl(const QString &text)
{
    // Scheme, host, an optional port number, then anything up to the end but a blank.
    static const QRegularExpression url(
        QStringLiteral("^https?://([^/?#:\\s]+)(:[0-9]{1,5})?([/?#]\\S*)?$"));
    const QRegularExpressionMatch m = url.match(text);
    return m.hasMatch() && isHost(m.captured(1))
           && (m.captured(2).isEmpty() || isPort(m.captured(2).mid(1)));
}

bool Lint::isEmailAddress(const QString &text)
{
    static const QRegularExpression address(QStringLiteral("^[^@\\s]+@[^@\\s.]+(\\.[^@\\s.]+)+$"));
    return address.match(text).hasMatch();
}

} // namespace rx20::inspect

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

// The port number a server URL names, empty where it names none.
QString urlPort(const QString &text)
{
    static const QRegularExpression port(QStringLiteral("^\\w+://[^/?#:]*:([0-9]+)(?:[/?#]|$)"));
    return port.match(text).captured(1);
}

// message with each %N put in by the Nth of parts, in one pass: a value
// holding "%1" stays as it is.
QString filled(const char *message, const QStringList &parts)
{
    const QString text = QString::fromLatin1(message);
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int n = i + 1 < text.size() ? text.at(i + 1).digitValue() : -1;
        if (text.at(i) == QLatin1Char('%') && n >= 1 && n <= parts.size()) {
            out += parts.at(n - 1);
            ++i;
        } else {
            out += text.at(i);
        }
    }
    return out;
}

bool matches(const QString &key, const char *pattern)
{
    return QRegularExpression(QString::fromLatin1(pattern)).match(key).hasMatch();
}

// An access point name: labels of letters, digits and "-", separated by ".".
bool isApn(const QString &text)
{
    static const QRegularExpression apn(QStringLiteral("^[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)*$"));
    return apn.match(text).hasMatch();
}

// An account name or password: anything the code page holds ("WAP@CINGULARGPRS.COM",
// "wap user"), but a blank at either end, which a user cannot see, or a
// control character.
bool isCredential(const QString &text)
{
    if (text.front().isSpace() || text.back().isSpace())
        return false;
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
}

// The rules a value must follow, by its key: the first one that applies and
// fails is the finding. The message's %1 is the key, %2 the quoted value, %3
// the port number a URL names.
const struct ValueRule
{
    const char *keys; // a pattern over the whole key
    const char *kind;
    bool (*holds)(const QString &value);
    const char *message;
} valueRules[] = {
    {"^e?Port$", "port", Lint::isPort, "%1 %2 is not a port number (1-65535)"},
    {"^URL$", "url",
     [](const QString &v) { return urlPort(v).isEmpty() || Lint::isPort(urlPort(v)); },
     "URL %2 names port %3, not a port number (1-65535)"},
    {"^URL$", "url", Lint::isServerUrl, "URL %2 is not an http:// or https:// address with a host"},
    {"^IP$", "ip", Lint::isHost, "IP %2 is neither an IPv4 address nor a host name"},
    {"^e?APN$", "name", isApn,
     "%1 %2 is not an access point name: labels of letters, digits and \"-\", separated by \".\""},
    {"^(APNAccount|APNPassword|Password)$", "credential", isCredential,
     "%1 %2 starts or ends with a blank, or holds a control character"},
    {"^(Email|Reciver)[1-5]$|^Sender$", "email", Lint::isEmailAddress,
     "%1 %2 is not an e-mail address"},
};

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
        for (const ValueRule &rule : valueRules) {
            if (!matches(s.key, rule.keys))
                continue;
            if (!rule.holds(s.value)) {
                findings->append(
                    {s.line, QString::fromLatin1(rule.kind),
                     filled(rule.message, {s.key, quoted(s.value), urlPort(s.value)})});
                break;
            }
        }
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

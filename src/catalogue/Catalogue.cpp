#include "catalogue/Catalogue.h"

#include <QFile>
#include <QRegularExpression>

namespace rx20::catalogue {

namespace {

QString copyName(Copy copy)
{
    switch (copy) {
    case Copy::Wireless:
        return QStringLiteral("wireless");
    case Copy::Mms:
        return QStringLiteral("mms");
    case Copy::Mail:
        return QStringLiteral("mail");
    }
    return {};
}

// Rows of a tab-separated data file, without its header row. Fields are taken
// exactly as written: blanks are part of the value.
QList<QStringList> readTable(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Catalogue data %s is missing from the program", qPrintable(resource));
    QList<QStringList> rows;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        rows.append(QString::fromUtf8(line).split(QLatin1Char('\t')));
    }
    return rows;
}

// "<column> "<value>" <file> key="value" ... -> <column>[=attribute]", joined by "; ".
QList<NewerValue> newerValues(const QString &text)
{
    static const QRegularExpression entry(QStringLiteral(R"re(^(\w+) "([^"]*)" (\S.* -> \S+)$)re"));
    QList<NewerValue> values;
    for (const QString &part : text.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = entry.match(part);
        Q_ASSERT(m.hasMatch());
        values.append({m.captured(1), m.captured(2), m.captured(3)});
    }
    return values;
}

// "<successor>" <column> "<value>" <file> key="value" ... -> <column>[=attribute],
// joined by "; ".
QList<NewerValue> successorValues(const QString &text)
{
    static const QRegularExpression entry(QStringLiteral(R"re(^"([^"]+)" (\w+ .*)$)re"));
    QList<NewerValue> values;
    for (const QString &part : text.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = entry.match(part);
        Q_ASSERT(m.hasMatch());
        const QList<NewerValue> value = newerValues(m.captured(2));
        Q_ASSERT(value.size() == 1);
        values.append(value.first());
        values.last().successor = m.captured(1);
    }
    return values;
}

std::optional<QString> carried(const QString &carries, const char *group, const QString &value)
{
    if (carries.split(QLatin1Char('+')).contains(QLatin1String(group)))
        return value;
    return std::nullopt;
}

} // namespace

Catalogue::Catalogue(Copy copy)
    : m_copy(copy)
{
    const QString name = copyName(copy);

    // country, offered, preselected, operators ("|" between names)
    for (const QStringList &row :
         readTable(QStringLiteral(":/catalogue/%1-countries.tsv").arg(name))) {
        Q_ASSERT(row.size() == 4);
        CountryEntry entry;
        entry.name = row.at(0);
        entry.offered = row.at(1) == QLatin1String("yes");
        entry.preselected = row.at(2);
        entry.operators = row.at(3).split(QLatin1Char('|'));
        m_entries.append(entry);
    }

    // country, operator ("*" country-wide), carries, apn, account, password,
    // url, ip, port, smtp server, smtp port, ssl, status, source, newer, successor
    for (const QStringList &row :
         readTable(QStringLiteral(":/catalogue/%1-presets.tsv").arg(name))) {
        Q_ASSERT(row.size() == 16);
        Preset preset;
        preset.country = row.at(0);
        preset.operatorName = row.at(1) == QLatin1String("*") ? QString() : row.at(1);
        const QString &carries = row.at(2);
        preset.apn = row.at(3);
        preset.account = carried(carries, "credentials", row.at(4));
        preset.password = carried(carries, "credentials", row.at(5));
        preset.url = carried(carries, "mms", row.at(6));
        preset.ip = carried(carries, "mms", row.at(7));
        preset.port = carried(carries, "mms", row.at(8));
        preset.smtpServer = carried(carries, "smtp", row.at(9));
        preset.smtpPort = carried(carries, "smtp", row.at(10));
        preset.ssl = carried(carries, "smtp", row.at(11));
        preset.status = row.at(12);
        preset.source = row.at(13);
        preset.newer = newerValues(row.at(14));
        preset.successor = successorValues(row.at(15));
        m_presets.append(preset);
    }
}

const Catalogue &Catalogue::of(Copy copy)
{
    // Each copy is read from its data the first time its window needs it.
    switch (copy) {
    case Copy::Mms: {
        static const Catalogue mms(Copy::Mms);
        return mms;
    }
    case Copy::Mail: {
        static const Catalogue mail(Copy::Mail);
        return mail;
    }
    case Copy::Wireless:
        break;
    }
    static const Catalogue wireless(Copy::Wireless);
    return wireless;
}

Selection Catalogue::designSelection(Copy copy)
{
    // Only the MMS settings window opens with a country; its load applies it.
    if (copy == Copy::Mms)
        return {QStringLiteral("United States"), QStringLiteral("AT&T Wireless")};
    return {};
}

QStringList Catalogue::offeredCountries() const
{
    QStringList names;
    for (const CountryEntry &entry : m_entries) {
        if (entry.offered)
            names.append(entry.name);
    }
    return names;
}

const CountryEntry *Catalogue::findCountry(const QString &text) const
{
    for (const CountryEntry &entry : m_entries) {
        if (entry.name == text)
            return &entry;
    }
    return nullptr;
}

const Preset *Catalogue::findPreset(const QString &countryText, const QString &operatorText) const
{
    const CountryEntry *entry = findCountry(countryText);
    if (!entry)
        return nullptr;
    const Preset *byOperator = nullptr;
    for (const Preset &preset : m_presets) {
        if (preset.country != entry->name)
            continue;
        if (preset.isCountryWide())
            return &preset;
        if (!byOperator && preset.operatorName == operatorText)
            byOperator = &preset;
    }
    return byOperator;
}

} // namespace rx20::catalogue

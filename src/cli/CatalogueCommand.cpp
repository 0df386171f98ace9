#include "cli/CatalogueCommand.h"

#include "catalogue/Catalogue.h"

#include <QJsonArray>
#include <QJsonObject>

#include <optional>

namespace rx20::cli {

using catalogue::Catalogue;
using catalogue::Copy;
using catalogue::Preset;

namespace {

const QList<Copy> copies{Copy::Wireless, Copy::Mms, Copy::Mail};

// The columns of a preset, by the names the output uses.
QList<std::pair<QString, std::optional<QString>>> columns(const Preset &preset)
{
    return {{QStringLiteral("apn"), preset.apn},
            {QStringLiteral("account"), preset.account},
            {QStringLiteral("password"), preset.password},
            {QStringLiteral("url"), preset.url},
            {QStringLiteral("ip"), preset.ip},
            {QStringLiteral("port"), preset.port},
            {QStringLiteral("smtp-server"), preset.smtpServer},
            {QStringLiteral("smtp-port"), preset.smtpPort},
            {QStringLiteral("ssl"), preset.ssl}};
}

} // namespace

QString CatalogueCommand::copyName(Copy copy)
{
    switch (copy) {
    case Copy::Mms:
        return QStringLiteral("mms");
    case Copy::Mail:
        return QStringLiteral("mail");
    case Copy::Wireless:
        break;
    }
    return QStringLiteral("wireless");
}

QString CatalogueCommand::summary() const
{
    return QStringLiteral(
        "Lists a window's operator catalogue in the order its selectors offer it. Without "
        "--country: the countries of the country list. With --country: the operators and the "
        "one the country preselects. With --operator too: the values that operator's preset "
        "fills in (only the columns it carries), their sources, newer.COLUMN for a value that "
        "the operator's later public data writes otherwise (a new server after a merger or a "
        "rebrand), and successor.COLUMN for a value that the operator which took over its "
        "network writes otherwise there, as successor.COLUMN=VALUE (SUCCESSOR: FILE KEYS).");
}

void CatalogueCommand::addOptions(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(
        QStringLiteral("copy"),
        QStringLiteral("Whose copy: wireless (GPRS SETTINGS, the default), mms (MMS Setting) or "
                       "mail (mail-and-phone)."),
        QStringLiteral("copy"), QStringLiteral("wireless")));
    parser.addOption(QCommandLineOption(QStringLiteral("country"),
                                        QStringLiteral("A country of the copy."),
                                        QStringLiteral("name")));
    parser.addOption(QCommandLineOption(QStringLiteral("operator"),
                                        QStringLiteral("An operator of --country."),
                                        QStringLiteral("name")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("all"),
        QStringLiteral("Also the countries the copy knows but its list does not offer.")));
    addJsonOption(parser);
}

int CatalogueCommand::execute(const QCommandLineParser &parser, Console &console)
{
    QStringList names;
    for (Copy copy : copies)
        names << copyName(copy);
    QString copyName;
    if (!choice(parser.value(QStringLiteral("copy")), names, &copyName))
        return usage(console, QStringLiteral("--copy takes wireless, mms or mail"));
    const Catalogue &catalogue = Catalogue::of(copies.at(names.indexOf(copyName)));
    const bool json = parser.isSet(QStringLiteral("json"));
    const QString country = parser.value(QStringLiteral("country"));
    const QString operatorName = parser.value(QStringLiteral("operator"));
    QJsonObject object{{QStringLiteral("copy"), copyName}};

    if (country.isEmpty()) {
        if (!operatorName.isEmpty())
            return usage(console, QStringLiteral("--operator needs --country"));
        const bool all = parser.isSet(QStringLiteral("all"));
        QJsonArray countries;
        for (const catalogue::CountryEntry &entry : catalogue.entries()) {
            if (!entry.offered && !all)
                continue;
            if (json)
                countries.append(
                    all ? QJsonValue(QJsonObject{{"name", entry.name}, {"offered", entry.offered}})
                        : QJsonValue(entry.name));
            else
                console.value(entry.offered ? QStringLiteral("country")
                                            : QStringLiteral("country-not-offered"),
                              entry.name);
        }
        object.insert(QStringLiteral("countries"), countries);
    } else {
        const catalogue::CountryEntry *entry = catalogue.findCountry(country);
        if (!entry)
            return usage(
                console,
                QStringLiteral("\"%1\" is not a country of the %2 copy").arg(country, copyName));
        object.insert(QStringLiteral("country"), entry->name);
        if (operatorName.isEmpty()) {
            for (const QString &name : entry->operators) {
                if (!json)
                    console.value(QStringLiteral("operator"), name);
            }
            if (!json)
                console.value(QStringLiteral("preselected"), entry->preselected);
            object.insert(QStringLiteral("operators"),
                          QJsonArray::fromStringList(entry->operators));
            object.insert(QStringLiteral("preselected"), entry->preselected);
        } else {
            if (!entry->operators.contains(operatorName))
                return usage(
                    console,
                    QStringLiteral("\"%1\" is not an operator of %2 (it lists %3)")
                        .arg(operatorName, country, entry->operators.join(QStringLiteral(", "))));
            object.insert(QStringLiteral("operator"), operatorName);
            printPreset(catalogue.findPreset(country, operatorName), json, console, &object);
        }
    }
    if (json)
        console.json(object);
    return Exit::Success;
}

void CatalogueCommand::printPreset(const Preset *preset, bool json, Console &console,
                                   QJsonObject *object)
{
    // A country-wide preset applies whichever operator is picked.
    const QString kind = !preset                   ? QStringLiteral("none")
                         : preset->isCountryWide() ? QStringLiteral("country-wide")
                                                   : QStringLiteral("operator");
    if (!json)
        console.value(QStringLiteral("preset"), kind);
    object->insert(QStringLiteral("preset"), kind);
    if (!preset)
        return;
    QJsonObject values;
    for (const auto &[column, value] : columns(*preset)) {
        if (!value)
            continue;
        if (!json)
            console.value(column, *value);
        values.insert(column, *value);
    }
    QJsonObject newer, successor;
    for (const catalogue::NewerValue &value : preset->newer)
        newer.insert(value.column, QJsonObject{{QStringLiteral("value"), value.value},
                                               {QStringLiteral("source"), value.entry()}});
    // A successor's value names the operator that writes it.
    for (const catalogue::NewerValue &value : preset->successor)
        successor.insert(value.column, QJsonObject{{QStringLiteral("value"), value.value},
                                                   {QStringLiteral("source"), value.entry()},
                                                   {QStringLiteral("operator"), value.successor}});
    if (!json) {
        console.value(QStringLiteral("status"), preset->status);
        console.value(QStringLiteral("source"), preset->source);
        for (const catalogue::NewerValue &value : preset->newer)
            console.value(QStringLiteral("newer.") + value.column,
                          QStringLiteral("%1 (%2)").arg(value.value, value.entry()));
        for (const catalogue::NewerValue &value : preset->successor)
            console.value(
                QStringLiteral("successor.") + value.column,
                QStringLiteral("%1 (%2: %3)").arg(value.value, value.successor, value.entry()));
    }
    object->insert(QStringLiteral("values"), values);
    object->insert(QStringLiteral("status"), preset->status);
    object->insert(QStringLiteral("source"), preset->source);
    object->insert(QStringLiteral("newer"), newer);
    object->insert(QStringLiteral("successor"), successor);
}

} // namespace rx20::cli

#include "catalogue/Catalogue.h"
#include "inspect/Lint.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <utility>

using namespace rx20::catalogue;

namespace {

// The tables below key a preset as "Country/Operator", or "Country/" when it is country-wide.
QString keyOf(const Preset &preset)
{
    return preset.country + u'/' + preset.operatorName;
}

const Preset *presetByKey(const Catalogue &catalogue, const QString &key)
{
    for (const Preset &preset : catalogue.presets()) {
        if (keyOf(preset) == key)
            return &preset;
    }
    return nullptr;
}

// clang-format off
// The 99 entries of every copy, in order.
const QStringList kEntryNames = {
    "Albania", "Algeria", "Andorra", "Anguilla", "Antigua&Barbuda", "Argentina", "Arub",
    "Australia", "Austria", "Azerbaijan", "Bahrain", "Bangladesh", "Barbados", "Belgium",
    "Bosnia&Herzegowina", "Brazil", "Brunei", "Bulgaria", "Cambodia", "Canada", "Cayman Islands",
    "Chile", "China", "Croatia", "Cyprus", "Czech Republic", "Denmark", "Dominica", "Egypt",
    "Estonia", "Finland", "France", "Georgia", "Germany", "Greece", "Grenada", "Hong Kong(China)",
    "Hungary", "India", "Indonesia", "Ireland", "Israel", "Italy", "Jamaica", "Jordan",
    "Kazakhstan", "Kuwait", "Liechtenstein", "Lithuania", "Luxembourg", "Macau(China)",
    "Macedonia", "Malaysia", "Malta", "Mexico", "Moldova", "Monaco", "Montserrat", "Morocco",
    "Netherlands", "New Zealand", "Nigeria", "Norway", "Oman", "Pakistan", "Panama", "Paraguay",
    "Philippines", "Poland", "Portugal", "Qatar", "Romania", "Russia", "Saint Kitts and Nevis",
    "Saint Lucia", "Saint Vincent and the Grenadines", "Saudi Arabia", "Singapore", "Slovakia",
    "South Africa", "Spain", "Sri Lanka", "Sweden", "Switzerland", "Syria", "Taiwan(China)",
    "Thailand", "Tunisia", "Turkey", "Turks and Caicos Islands", "Ukraine", "United Arab Emirates",
    "United Kingdom", "United States", "Uruguay", "Uzbekistan", "Vietnam", "Yemen", "Yugoslavia"};

// The country selector's list of the wireless and mail-and-phone windows.
const QStringList kOffered = {
    "Australia", "Austria", "Brazil", "Bulgaria", "Canada", "China", "Croatia", "Czech Republic",
    "Denmark", "Egypt", "Estonia", "Finland", "France", "Germany", "Greece", "Hungary", "India",
    "Ireland", "Italy", "Lithuania", "Netherlands", "New Zealand", "Norway", "Poland", "Portugal",
    "Romania", "Russia", "Slovakia", "South Africa", "Spain", "Sweden", "Turkey", "Ukraine",
    "United Kingdom", "United States"};

// Wireless lists checked name by name: unsorted order, accented names, the two longest lists.
const QMap<QString, QStringList> kWirelessLists = {
    {"Finland", {"Dna", "Alands", "Elisa", "Go Mobile", "PGFree", "Sonera"}},
    {"France", {"Orange", "Bouygues", "SFR (forfait bloqué)", "SFR (forfait illimité)", "Free"}},
    {"Taiwan(China)",
     {"Chunghwa", "ForEastOne", "KG Telcom", "Mobitai", "TransAsia", "TWN", "Vibo"}},
    {"United Kingdom", {"BT", "O2", "Orange", "Tesco", "Three", "T-Mobile", "Virgin", "Vodafone"}}};

// Per copy, indexed by the Copy value (wireless, MMS, mail-and-phone): operator lists that differ
// from the wireless copy's, and the entries not preselecting their first operator ("" = none).
const QMap<QString, QStringList> kListOverrides[] = {
    {},
    {{"Canada", {"Rogers"}}, {"Czech Republic", {"Eurotel", "O2", "Oskar", "T-Mobile"}},
     {"France", {"Bouygues", "Orange", "SFR"}}, {"Slovakia", {"T-Mobile"}},
     {"Germany", {"E-Plus", "O2", "T-Mobile", "Vodafone"}},
     {"Russia", {"A Mobile", "Beeline", "Megafon", "Motiv", "Smarts", "USI"}},
     {"Sweden", {"Tele2", "Telia", "Tre", "Vodafone"}}},
    {{"Germany", {"O2(Prepaid)", "O2(Vertrag)", "T-Mobile(Prepaid)", "T-Mobile", "Vodafone",
                  "netzclub"}}, {"Russia", {"Beeline", "Megafon", "MTS", "TELE2", "YOTA"}}}};
const QMap<QString, QString> kPreselectionExceptions[] = {
    {{"Canada", "Roger"}, {"Germany", ""}, {"Russia", ""}, {"Slovakia", "T-Mobile"}},
    {},
    {{"Canada", "Koodo"}, {"Germany", "T-Mobile"}, {"Russia", ""}, {"Slovakia", "T-Mobile"}}};

// The wireless presets whose port is not "80".
const QMap<QString, QString> kOtherPorts = {
    {"Australia/Optus", "8070"}, {"France/Orange", "8080"}, {"France/Bouygues", "8080"},
    {"France/SFR (forfait bloqué)", "8080"}, {"France/SFR (forfait illimité)", "8080"},
    {"Germany/O2(Prepaid)", "8080"}, {"Germany/O2(Vertrag)", "8080"},
    {"Germany/T-Mobile(Prepaid)", "8008"}, {"Germany/T-Mobile", "8008"}, {"Italy/Wind", "8080"},
    {"Russia/Beeline", "8080"}, {"Russia/Megafon", "8080"}, {"Russia/MTS", "8080"},
    {"Russia/TELE2", "8080"}, {"Slovakia/O2", "8080"}, {"Slovakia/T-Mobile", "8080"},
    {"Slovakia/Orange", "8799"}, {"Sweden/Telia", "8080"}, {"Sweden/Telenor", "8799"}};

// The fixed single-word APNs of the wireless copy's offered presets; every other offered
// preset wants a dotted name. MobilNil's is the public "mobinilmms": the design's "mobilnilmms"
// is in no public entry (all five MMS entries on 602/01 write "mobinilmms"), and a camera
// using it cannot connect; a note keeps the design's value.
const QMap<QString, QString> kWirelessApns = {
    {"Australia/Optus", "mms"}, {"Austria/Tele Ring", "mms"}, {"Austria/T-Mobile", "gprsinternet"},
    {"China/China Mobile", "cmwap"}, {"China/China Unicom", "uniwap"},
    {"Czech Republic/Vodafone", "mms"}, {"Denmark/Sonofon", "sonofon"},
    {"Denmark/Tele Denmark", "mms"}, {"Egypt/MobilNil", "mobinilmms"}, {"Estonia/Elisa", "mms"},
    {"Finland/Dna", "mms"}, {"Finland/Elisa", "mms"}, {"France/SFR (forfait bloqué)", "mmssfr"},
    {"France/SFR (forfait illimité)", "mmssfr"}, {"France/Free", "mmsfree"},
    {"Germany/O2(Vertrag)", "internet"}, {"Greece/Cosmote", "mms"}, {"Hungary/PannonGSM", "mms"},
    {"Hungary/T-Mobile", "mms-westel"}, {"India/BPL", "mizone"}, {"India/CellOne", "bsnlmms"},
    {"India/Hutch", "portalnmms"}, {"Netherlands/Orange", "mms"},
    {"Netherlands/Telfort", "multimedia"}, {"Netherlands/T-Mobile", "mms"},
    {"Norway/Telenor", "mms"}, {"Poland/ERA", "eramms"}, {"Poland/Heyah", "heyahmms"},
    {"Poland/Idea", "mms"}, {"Poland/Orange", "mms"}, {"Portugal/Optimus", "mms"},
    {"Romania/Orange", "mms"}, {"Russia/Megafon", "mms"}, {"Slovakia/O2", "o2mms"},
    {"Slovakia/T-Mobile", "mms"}, {"Slovakia/Orange", "mms"}, {"South Africa/Cell C", "mms"},
    {"South Africa/MTN", "myMTN"}, {"Spain/Amena", "amenamms"}, {"Turkey/Avea", "mms"},
    {"Turkey/Telsim", "mms"}, {"Turkey/Turkcell", "mms"}, {"Ukraine/Life", "mms"},
    {"United Kingdom/Orange", "orangemms"}, {"United States/AT&T Wireless", "proxy"}};

// Offered presets whose APN the design wants dotted while every public entry of their network
// writes a single word, which the catalogue takes (GSM Åland's MMS entries on 244/14).
const QMap<QString, QString> kPublicSingleWords = {{"Finland/Alands", "mms"}};

// Values of the MMS copy that are its own rather than the wireless copy's.
const QMap<QString, QStringList> kMmsOwnValues = {
    {"United States/AT&T Wireless", {"apn", "url", "ip"}}, {"Australia/Vodafone", {"url"}},
    {"France/Bouygues", {"url"}}, {"France/Orange", {"url"}}, {"Germany/T-Mobile", {"ip"}},
    {"Russia/Beeline", {"ip"}}, {"United States/Cingular", {"ip"}},
    {"Germany/Vodafone", {"url", "ip"}}};

// Presets only the MMS copy has, with their single-word APN ("" = dotted name).
const QMap<QString, QString> kMmsOnlyPresets = {
    {"Australia/Three", "3services"}, {"Canada/", ""}, {"Czech Republic/Eurotel", "mms"},
    {"Czech Republic/O2", "mms"}, {"Czech Republic/Oskar", "mms"}, {"France/SFR", "mmssfr"},
    {"Germany/E-Plus", ""}, {"Germany/O2", "internet"}, {"Russia/A Mobile", ""},
    {"Russia/Motiv", ""}, {"Russia/Smarts", ""}, {"Russia/USI", ""}, {"Slovakia/", "mms"}};

// Mail-and-phone presets with their own APN ("" = dotted name), those only this copy has included.
const QString kUnreachable = "Czech Republic/Orange"; // a preset no list of the copy offers
const QMap<QString, QString> kMailOwnApns = {
    {"Australia/Optus", "internet"}, {"Australia/Telstra", ""}, {"Canada/Fido", ""},
    {"Canada/Roger", ""}, {"Czech Republic/T-Mobile", ""}, {"France/Orange", "orange"},
    {"France/Bouygues", ""}, {"France/SFR (forfait bloqué)", "wapsfr"},
    {"France/SFR (forfait illimité)", "sl2sfr"}, {"France/Free", "free"},
    {"Germany/O2(Prepaid)", ""}, {"Germany/T-Mobile(Prepaid)", ""}, {"Germany/T-Mobile", ""},
    {"Germany/Vodafone", ""}, {"Russia/Beeline", ""}, {"Russia/MTS", ""}, {"Russia/TELE2", ""},
    {"Russia/Megafon", "internet"}, {"Slovakia/O2", "o2internet"}, {"Slovakia/Orange", ""},
    {"Slovakia/T-Mobile", "internet"}, {"Sweden/Telia", "mms"}, {"Sweden/Telenor", "internet"},
    {"Germany/netzclub", ""}, {"Russia/YOTA", ""}, {kUnreachable, "internet"}};

// Per copy, as above: the presets carrying account and password, and carried values fixed as empty.
const QSet<QString> kCredentials[] = {
    {"Canada/Fido", "Czech Republic/T-Mobile", "Czech Republic/Vodafone", "France/Orange",
     "Germany/T-Mobile", "Russia/Beeline", "Russia/MTS", "Russia/Megafon"},
    {},
    {"Canada/Roger", "Germany/T-Mobile(Prepaid)", "Germany/T-Mobile", "Russia/Beeline",
     "Russia/Megafon", "Russia/MTS", "Russia/TELE2", "Russia/YOTA"}};
const QMap<QString, QStringList> kFixedEmpty[] = {
    {{"Russia/Megafon", {"account", "password"}}},
    {},
    {{"Russia/TELE2", {"account", "password"}}, {"Russia/YOTA", {"account", "password"}},
     {kUnreachable, {"smtp_server", "smtp_port", "ssl"}}}};

// Per copy, as above: preset figures.
struct Figures
{
    int presets, countryWide; // presets of listed operators (country-wide ones included)
    QStringList withoutPreset; // listed operators without a preset
    int sourced, withEndpoints, offeredWithEndpoints; // reached when the data was sourced
    int singleWords, dottedNames; // APN kinds stated for the presets whose APN is not fixed
};
const QString kMontserrat = "Montserrat/Cable and wireless";
const Figures kFigures[] = {
    {235, 38, {"Australia/Three", kMontserrat}, 225, 226, 118, 65, 49},
    {230, 40, {kMontserrat}, 216, 216, 108, 108, 122},
    {236, 38, {"Australia/Three", "Czech Republic/Vodafone", kMontserrat}, 226, 0, 0, 111, 125}};
// clang-format on

// The fixed single-word APNs of a copy: its own, else the wireless copy's for the same preset.
QMap<QString, QString> fixedApns(Copy copy)
{
    if (copy == Copy::Wireless)
        return kWirelessApns;
    const QMap<QString, QString> &own = copy == Copy::Mms ? kMmsOnlyPresets : kMailOwnApns;
    QMap<QString, QString> fixed;
    for (const Preset &preset : Catalogue::of(copy).presets()) {
        const QString key = keyOf(preset);
        const bool ownApn =
            own.contains(key) || (copy == Copy::Mms && kMmsOwnValues.value(key).contains("apn"));
        const QString apn = ownApn ? own.value(key) : kWirelessApns.value(key);
        if (!apn.isEmpty())
            fixed.insert(key, apn);
    }
    return fixed;
}

// Column names of the data files; a source names the first five by these attributes by default.
const QStringList kColumns = {"apn",  "account",     "password",  "url", "ip",
                              "port", "smtp_server", "smtp_port", "ssl"};
const QStringList kDefaultAttributes = {"apn", "user", "password", "mmsc", "mmsproxy"};

std::optional<QString> column(const Preset &p, const QString &name)
{
    const std::optional<QString> values[] = {p.apn,  p.account,    p.password, p.url, p.ip,
                                             p.port, p.smtpServer, p.smtpPort, p.ssl};
    const qsizetype i = kColumns.indexOf(name);
    return i < 0 ? std::nullopt : values[i];
}

// One "<file> key="value" ... -> field field=attribute ..." segment of the source column.
struct SourceSegment
{
    QString file;
    QList<std::pair<QString, QString>> selectors;
    QList<std::pair<QString, QString>> fields; // column, attribute
};

// Parses the provenance column; returns false on a segment it cannot read (one without a
// selector or a field included).
bool parseSource(const QString &text, QList<SourceSegment> *segments)
{
    static const QRegularExpression segment(R"re(^(\S+)((?:\s+[\w-]+="[^"]*")+)\s+->\s+(\S.*)$)re");
    static const QRegularExpression selector(R"re(([\w-]+)="([^"]*)")re");
    for (const QString &part : text.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        if (part.startsWith(QLatin1String("note: ")))
            continue;
        const QRegularExpressionMatch m = segment.match(part);
        if (!m.hasMatch())
            return false;
        SourceSegment s{m.captured(1), {}, {}};
        for (const QRegularExpressionMatch &sm : selector.globalMatch(m.captured(2)))
            s.selectors.append({sm.captured(1), sm.captured(2)});
        for (const QString &f : m.captured(3).split(u' ', Qt::SkipEmptyParts)) {
            const QString field = f.section(u'=', 0, 0);
            if (!kColumns.contains(field))
                return false;
            s.fields.append({field, f.contains(u'=')
                                        ? f.section(u'=', 1)
                                        : kDefaultAttributes.value(kColumns.indexOf(field))});
        }
        segments->append(s);
    }
    return true;
}

using ReferenceEntry = QHash<QString, QString>;

// The entries of one reference file: the <apn> attributes of an apns-conf list, or, for the
// provider database, one entry per <apn> with country, provider, apn, usage, user, password,
// mmsc, mmsproxy and mmsproxy-host (mmsproxy without its ":port").
QList<ReferenceEntry> readReference(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<ReferenceEntry> entries;
    const bool providers = path.contains(u"/serviceproviders-");
    QXmlStreamReader xml(&file);
    QString country, provider;
    ReferenceEntry apn; // the provider database's <apn> being read; empty outside one
    while (!xml.atEnd()) {
        xml.readNext();
        const QString name = xml.name().toString();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (providers && xml.isEndElement() && name == u"apn") {
            if (apn.contains("mmsproxy"))
                apn.insert("mmsproxy-host",
                           apn.value("mmsproxy").remove(QRegularExpression(":\\d+$")));
            entries.append(std::exchange(apn, {}));
        } else if (!xml.isStartElement()) {
            continue;
        } else if (!providers && name == u"apn") {
            entries.append(ReferenceEntry());
            for (const QXmlStreamAttribute &a : attributes)
                entries.last().insert(a.name().toString(), a.value().toString());
        } else if (name == u"country") {
            country = attributes.value("code").toString();
        } else if (name == u"provider") {
            provider.clear();
        } else if (name == u"apn") {
            apn = {{"country", country}, {"provider", provider}, {"usage", ""}};
            apn.insert("apn", attributes.value("value").toString());
        } else if (name == u"name" && apn.isEmpty() && provider.isEmpty()) {
            provider = xml.readElementText(); // the provider's first name
        } else if (name == u"usage" && !apn.isEmpty()) {
            apn["usage"] +=
                (apn["usage"].isEmpty() ? "" : ",") + attributes.value("type").toString();
        } else if (!apn.isEmpty()
                   && QStringList({"username", "password", "mmsc", "mmsproxy"}).contains(name)) {
            apn.insert(name == u"username" ? QStringLiteral("user") : name, xml.readElementText());
        }
    }
    if (xml.hasError())
        qWarning("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return entries;
}

// The first entry that has every selector's attribute and value.
const ReferenceEntry *findEntry(const QList<ReferenceEntry> &entries, const SourceSegment &segment)
{
    const auto matches = [&](const ReferenceEntry &e) {
        return std::all_of(
            segment.selectors.cbegin(), segment.selectors.cend(),
            [&](const auto &s) { return e.contains(s.first) && e[s.first] == s.second; });
    };
    const auto it = std::find_if(entries.cbegin(), entries.cend(), matches);
    return it == entries.cend() ? nullptr : &*it;
}

} // namespace

Q_DECLARE_METATYPE(Copy)

class tst_Catalogue : public QObject
{
    Q_OBJECT

private:
    static void addCopyRows()
    {
        QTest::addColumn<Copy>("copy");
        const char *const names[] = {"wireless", "mms", "mail"}; // in the order of Copy
        for (int i = 0; i < 3; ++i)
            QTest::newRow(names[i]) << Copy(i);
    }

private slots:
    // Entry order and names, operator lists, preselection, offered countries and the lookups.
    void entries_data() { addCopyRows(); }
    void entries()
    {
        QFETCH(Copy, copy);
        const Catalogue &catalogue = Catalogue::of(copy);
        QCOMPARE(catalogue.copy(), copy);
        const QList<CountryEntry> &wireless = Catalogue::of(Copy::Wireless).entries();
        QCOMPARE(catalogue.entries().size(), kEntryNames.size());
        const QMap<QString, QStringList> &overrides = kListOverrides[int(copy)];
        const QMap<QString, QString> &exceptions = kPreselectionExceptions[int(copy)];
        std::map<qsizetype, int> lengths;
        for (qsizetype i = 0; i < catalogue.entries().size(); ++i) {
            const CountryEntry &entry = catalogue.entries().at(i);
            QCOMPARE(entry.name, kEntryNames.at(i));
            ++lengths[entry.operators.size()];
            if (copy == Copy::Wireless)
                QCOMPARE(entry.operators, kWirelessLists.value(entry.name, entry.operators));
            else
                QCOMPARE(entry.operators, overrides.value(entry.name, wireless.at(i).operators));
            QCOMPARE(entry.preselected, exceptions.value(entry.name, entry.operators.first()));
            QVERIFY(entry.preselected.isEmpty() || entry.operators.contains(entry.preselected));
        }
        if (copy == Copy::Wireless) { // list lengths of the 237 names
            const std::map<qsizetype, int> expected{{1, 40}, {2, 23}, {3, 13}, {4, 11},
                                                    {5, 7},  {6, 3},  {7, 1},  {8, 1}};
            QCOMPARE(lengths, expected);
        }

        QStringList offered = kOffered;
        if (copy == Copy::Mms)
            offered.removeIf(
                [](const QString &name) { return name == "Germany" || name == "Slovakia"; });
        QCOMPARE(catalogue.offeredCountries(), offered);

        // Lookups are exact and case-sensitive; a preset is looked up within its country.
        for (const char *text :
             {"united kingdom", "Canada ", " Canada", "CANADA", "", "Arub ", "Aruba"})
            QVERIFY2(!catalogue.findCountry(text), text);
        QVERIFY(catalogue.findPreset("United Kingdom", "BT"));
        const std::pair<const char *, const char *> none[] = {
            {"united kingdom", "BT"}, {"Canada ", "Bell"},       {"", "China Mobile"},
            {"United Kingdom", "bt"}, {"United Kingdom", "BT "}, {"United Kingdom", ""},
            {"Germany", ""}};
        for (const auto &[country, op] : none)
            QVERIFY2(!catalogue.findPreset(country, op), op);
        // the same operator name in two entries: the country decides
        for (const QString country : {"Germany", "Ireland"}) {
            const Preset *preset = catalogue.findPreset(country, "Vodafone");
            QVERIFY(preset && preset->country == country);
        }
        // country-wide first: the operator text plays no part
        const Preset *croatia = catalogue.findPreset("Croatia", "");
        QVERIFY(croatia && croatia->isCountryWide());
        for (const char *text : {"VIPNet", "anything", "BT"})
            QCOMPARE(catalogue.findPreset("Croatia", text), croatia);
    }

    // Preset totals, country-wide presets and the listed operators without a preset.
    void presets_data() { addCopyRows(); }
    void presets()
    {
        QFETCH(Copy, copy);
        const Figures &figures = kFigures[int(copy)];
        const Catalogue &catalogue = Catalogue::of(copy);
        QSet<QString> keys;
        QStringList wide, unlisted;
        int offered = 0;
        for (const Preset &preset : catalogue.presets()) {
            keys.insert(keyOf(preset));
            const CountryEntry *entry = catalogue.findCountry(preset.country);
            QVERIFY2(entry, qPrintable(preset.country));
            offered += kOffered.contains(entry->name);
            if (preset.isCountryWide())
                wide.append(preset.country);
            if (!preset.isCountryWide() && !entry->operators.contains(preset.operatorName))
                unlisted.append(keyOf(preset));
        }
        QCOMPARE(keys.size(), catalogue.presets().size()); // one preset per key
        QCOMPARE(unlisted, copy == Copy::Mail ? QStringList{kUnreachable} : QStringList{});
        QCOMPARE(catalogue.presets().size() - unlisted.size(), figures.presets);
        QCOMPARE(wide.size(), figures.countryWide);
        if (copy == Copy::Wireless) {
            QCOMPARE(offered, 121);
            QStringList offeredWide = wide;
            offeredWide.removeIf(
                [](const QString &country) { return !kOffered.contains(country); });
            QCOMPARE(offeredWide, (QStringList{"Croatia", "Ireland", "Lithuania", "New Zealand"}));
        }

        // Single-operator entries have a country-wide preset, except "Uzbekistan" (keyed by its
        // operator) and "Montserrat" (none); any other operator finds a preset of its own name.
        QStringList singles, missing;
        for (const CountryEntry &entry : catalogue.entries()) {
            if (entry.operators.size() == 1 && entry.name != "Uzbekistan"
                && entry.name != "Montserrat")
                singles.append(entry.name);
            for (const QString &op : entry.operators) {
                const Preset *preset = catalogue.findPreset(entry.name, op);
                if (!preset)
                    missing.append(entry.name + u'/' + op);
                else if (!preset->isCountryWide())
                    QCOMPARE(preset->operatorName, op);
            }
        }
        QCOMPARE(wide, singles);
        QCOMPARE(missing, figures.withoutPreset);
    }

    // The columns each preset carries and the fixed values. The stated kinds of the other APNs
    // are not met: the public data gives other kinds for some of them and none for a few.
    void presetValues_data() { addCopyRows(); }
    void presetValues()
    {
        QFETCH(Copy, copy);
        const QMap<QString, QString> fixed = fixedApns(copy);
        QSet<QString> credentials, smtp, fixedFound;
        std::map<QString, int> ports;
        int words = 0, dotted = 0;
        for (const Preset &preset : Catalogue::of(copy).presets()) {
            const QString key = keyOf(preset);
            QCOMPARE(preset.account.has_value(), preset.password.has_value());
            QCOMPARE(preset.smtpServer.has_value(), preset.smtpPort.has_value());
            QCOMPARE(preset.smtpServer.has_value(), preset.ssl.has_value());
            QCOMPARE(preset.url.has_value(), preset.ip.has_value());
            QCOMPARE(preset.url.has_value(), preset.port.has_value());
            QCOMPARE(preset.url.has_value(), copy != Copy::Mail);
            if (preset.port) {
                const QString port = copy == Copy::Wireless ? kOtherPorts.value(key, "80") : "80";
                QVERIFY2(*preset.port == port, qPrintable(key + ": " + *preset.port));
                ++ports[port];
            }
            if (preset.account)
                credentials.insert(key);
            if (preset.smtpServer)
                smtp.insert(key);
            if (preset.smtpServer && key != kUnreachable)
                QVERIFY2(*preset.smtpPort == "25" && *preset.ssl == "NO", qPrintable(key));
            for (const QString &name : kFixedEmpty[int(copy)].value(key))
                QCOMPARE(*column(preset, name), QString());
            // A fixed single word, or else in an offered country a dotted name (or none sourced).
            const bool offered = kOffered.contains(preset.country);
            if (fixed.contains(key)) {
                QVERIFY2(preset.apn == fixed.value(key), qPrintable(key + ": " + preset.apn));
                fixedFound.insert(key);
            } else if (kPublicSingleWords.contains(key)) {
                QCOMPARE(preset.apn, kPublicSingleWords.value(key));
            } else if (offered) {
                QVERIFY2(preset.apn.isEmpty() || preset.apn.contains(u'.'),
                         qPrintable(key + ": " + preset.apn));
            }
            const bool counted = (copy != Copy::Wireless || !offered) && key != kUnreachable;
            dotted += counted && preset.apn.contains(u'.');
            words += counted && !preset.apn.isEmpty() && !preset.apn.contains(u'.');
        }
        QCOMPARE(fixedFound.size(), fixed.size());
        QCOMPARE(credentials, kCredentials[int(copy)]);
        const QSet<QString> slovakia{"Slovakia/O2", "Slovakia/T-Mobile", "Slovakia/Orange"};
        QCOMPARE(smtp,
                 copy == Copy::Mail ? slovakia + QSet<QString>{kUnreachable} : QSet<QString>{});
        if (copy == Copy::Wireless) {
            const std::map<QString, int> expected{
                {"80", 216}, {"8080", 14}, {"8008", 2}, {"8799", 2}, {"8070", 1}};
            QCOMPARE(ports, expected);
        }
        QEXPECT_FAIL("", "the public data does not give these APN kinds", Continue);
        QCOMPARE(words, kFigures[int(copy)].singleWords);
        QEXPECT_FAIL("", "the public data does not give these APN kinds", Continue);
        QCOMPARE(dotted, kFigures[int(copy)].dottedNames);
    }

    // Where another copy has a preset of the wireless copy, it shares the compared values, bar
    // the ones named as its own.
    void copyEqualities_data()
    {
        QTest::addColumn<Copy>("copy");
        QTest::addColumn<QStringList>("only"); // presets the wireless copy lacks
        QTest::newRow("mms") << Copy::Mms << kMmsOnlyPresets.keys();
        QTest::newRow("mail") << Copy::Mail
                              << QStringList{"Germany/netzclub", "Russia/YOTA", kUnreachable};
    }
    void copyEqualities()
    {
        QFETCH(Copy, copy);
        QFETCH(QStringList, only);
        const Catalogue &catalogue = Catalogue::of(copy);
        const QStringList compared =
            copy == Copy::Mms ? QStringList{"apn", "url", "ip"} : QStringList{"apn"};
        for (const QString &key :
             only + (copy == Copy::Mms ? kMmsOwnValues.keys() : kMailOwnApns.keys()))
            QVERIFY2(presetByKey(catalogue, key), qPrintable(key));
        for (const Preset &preset : catalogue.presets()) {
            const QString key = keyOf(preset);
            const Preset *base = presetByKey(Catalogue::of(Copy::Wireless), key);
            QVERIFY2(!base == only.contains(key), qPrintable(key));
            if (!base || (copy == Copy::Mail && kMailOwnApns.contains(key)))
                continue; // only in this copy, or with an APN of its own
            for (const QString &name : compared) {
                const QString mine = *column(preset, name), theirs = *column(*base, name);
                const QString where = QStringLiteral("%1 %2: %3 / %4").arg(key, name, mine, theirs);
                if (copy == Copy::Mms && kMmsOwnValues.value(key).contains(name))
                    QVERIFY2(mine != theirs || mine.isEmpty(), qPrintable(where)); // or unsourced
                else
                    QVERIFY2(mine == theirs, qPrintable(where));
            }
        }
    }

    // Every value is fixed or named by a source; the status says whether one is missing; where
    // the public data lies beside the source tree, each named value is the source's; and the
    // figures reached when the data was sourced hold (a lower one means a value was lost).
    void provenance_data() { addCopyRows(); }
    void provenance()
    {
        QFETCH(Copy, copy);
        const Figures &figures = kFigures[int(copy)];
        const QDir reference(QStringLiteral(RX20_REFERENCE_DIR));
        static QHash<QString, QList<ReferenceEntry>> files;
        const QMap<QString, QString> fixed = fixedApns(copy);
        const auto entryOf = [&](const SourceSegment &segment) {
            if (!files.contains(segment.file))
                files.insert(segment.file, readReference(reference.filePath(segment.file)));
            return findEntry(files[segment.file], segment);
        };
        int compared = 0, fully = 0, full = 0, offeredFull = 0;
        for (const Preset &preset : Catalogue::of(copy).presets()) {
            const QString key = keyOf(preset);
            QList<SourceSegment> segments;
            QVERIFY2(parseSource(preset.source, &segments), qPrintable(key + ": " + preset.source));
            QSet<QString> named;
            QSet<std::pair<int, int>> networks; // MCC and MNC of the entries the source names
            for (const SourceSegment &segment : segments) {
                const ReferenceEntry *entry = nullptr;
                if (reference.exists()) {
                    entry = entryOf(segment);
                    QVERIFY2(!files.value(segment.file).isEmpty(), qPrintable(segment.file));
                    QVERIFY2(entry, qPrintable(key + ": no entry in " + segment.file));
                    if (entry->contains("mcc"))
                        networks.insert({entry->value("mcc").toInt(), entry->value("mnc").toInt()});
                }
                for (const auto &[field, attribute] : segment.fields) {
                    QVERIFY2(column(preset, field), qPrintable(key + " names " + field));
                    named.insert(field);
                    if (!entry)
                        continue;
                    QVERIFY2(*column(preset, field) == entry->value(attribute, "(none)"),
                             qPrintable(QStringLiteral("%1 %2: \"%3\", %4 %5 \"%6\"")
                                            .arg(key, field, *column(preset, field), segment.file,
                                                 attribute, entry->value(attribute, "(none)"))));
                    ++compared;
                }
            }
            // A newer or a successor's value differs from the preset's and is the one its entry
            // writes; a successor's entry is typed for MMS and, where the lists say, on the
            // network (MCC and MNC) of an entry the preset's source names.
            QList<std::pair<QString, rx20::catalogue::NewerValue>> laterValues;
            for (const rx20::catalogue::NewerValue &newer : preset.newer)
                laterValues.append({QStringLiteral("newer"), newer});
            for (const rx20::catalogue::NewerValue &newer : preset.successor)
                laterValues.append({QStringLiteral("successor"), newer});
            for (const auto &[kind, newer] : laterValues) {
                const QString where = key + " " + kind + " " + newer.column + ": " + newer.source;
                QVERIFY2(newer.successor.isEmpty() == (kind == u"newer"), qPrintable(where));
                QList<SourceSegment> later;
                QVERIFY2(parseSource(newer.source, &later) && later.size() == 1
                             && later.first().fields.size() == 1
                             && later.first().fields.first().first == newer.column,
                         qPrintable(where));
                QVERIFY2(column(preset, newer.column) != newer.value, qPrintable(where));
                if (!reference.exists())
                    continue;
                const ReferenceEntry *entry = entryOf(later.first());
                QVERIFY2(entry, qPrintable(where));
                QVERIFY2(entry->value(later.first().fields.first().second, "(none)") == newer.value,
                         qPrintable(where + " \"" + newer.value + "\""));
                if (kind == u"newer")
                    continue;
                QVERIFY2(entry->value("type", entry->value("usage")).split(u',').contains("mms"),
                         qPrintable(where + ": not typed for MMS"));
                if (entry->contains("mcc"))
                    QVERIFY2(networks.contains(
                                 {entry->value("mcc").toInt(), entry->value("mnc").toInt()}),
                             qPrintable(where + ": not on the network of the preset's entry"));
            }
            // What the camera cannot fetch from never reaches a card.
            if (preset.url && !preset.url->isEmpty())
                QVERIFY2(rx20::inspect::Lint::isServerUrl(*preset.url),
                         qPrintable(key + ": " + *preset.url));
            bool missing = false;
            for (const QString &name : kColumns) {
                const std::optional<QString> value = column(preset, name);
                if (!value || name == "port" || name == "smtp_port" || name == "ssl"
                    || kFixedEmpty[int(copy)].value(key).contains(name)
                    || (name == "apn" && fixed.contains(key)))
                    continue;
                if (!named.contains(name))
                    QVERIFY2(value->isEmpty(), qPrintable(key + ": " + name + " has no source"));
                missing = missing || value->isEmpty();
            }
            if (preset.status == "sourced")
                QVERIFY2(!missing, qPrintable(key + " is marked sourced but lacks a value"));
            else if (preset.status == "unsourced")
                QVERIFY2(named.isEmpty(), qPrintable(key));
            else
                QVERIFY2(preset.status == "partly sourced" && missing && !named.isEmpty(),
                         qPrintable(key + ": " + preset.status));
            fully += preset.status == "sourced";
            const bool endpoints = preset.url && !preset.url->isEmpty() && !preset.ip->isEmpty()
                                   && (fixed.contains(key) || !preset.apn.isEmpty());
            full += endpoints;
            offeredFull += endpoints && kOffered.contains(preset.country);
        }
        QVERIFY2(fully >= figures.sourced, qPrintable(QString::number(fully)));
        QVERIFY2(full >= figures.withEndpoints, qPrintable(QString::number(full)));
        QVERIFY2(offeredFull >= figures.offeredWithEndpoints,
                 qPrintable(QString::number(offeredFull)));
        if (!reference.exists())
            QSKIP("The public carrier data (../shared/reference) is not beside the source tree");
        QVERIFY(compared > 150);
    }
};

QTEST_GUILESS_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"

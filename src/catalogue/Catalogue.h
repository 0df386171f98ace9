#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace rx20::catalogue {

// Each settings window that offers countries and operators has its own copy
// of the catalogue, with its own lists, preselections and presets.
enum class Copy {
    Wireless, // Form5, writes MMS.INI
    Mms,      // Form3, writes the "[MMS]" NET.CFG
    Mail,     // Form7, writes the scrambled NET.CFG
};

struct CountryEntry
{
    QString name;
    QStringList operators; // in the order the operator selector lists them
    QString preselected;   // operator text shown after the country is chosen; empty for none
    bool offered = false;  // listed in the window's country selector
};

// A value that later public data writes otherwise for the same network (a new
// server after a merger or a rebrand): the preset keeps its era's value, and an
// installer can choose this one.
struct NewerValue
{
    QString column; // "apn", "account", "password", "url" or "ip"
    QString value;
    QString source; // the entry that writes it: "<file> key="value" ... -> column[=attribute]"
    // Empty for the operator's own value; otherwise the name of the operator that took
    // over its network (T-Mobile UK's is EE), whose entry on that network writes it.
    QString successor;

    // The source without its "-> column" part: the file and the entry's keys.
    QString entry() const { return source.section(QStringLiteral(" -> "), 0, 0); }
};

// The values one operator (or a whole country) puts into a window's fields.
// A column the preset does not carry is empty (std::nullopt) and leaves its
// field as it was; a carried column may hold an empty text.
struct Preset
{
    QString country;
    QString operatorName; // empty for a country-wide preset
    QString apn;
    std::optional<QString> account;
    std::optional<QString> password;
    std::optional<QString> url;
    std::optional<QString> ip;
    std::optional<QString> port;
    std::optional<QString> smtpServer;
    std::optional<QString> smtpPort;
    std::optional<QString> ssl;
    QString status; // "sourced", "partly sourced" or "unsourced"
    QString source; // the public file and entry each sourced value came from
    QList<NewerValue> newer;     // the operator's own later values
    QList<NewerValue> successor; // its successor's values on the same network

    bool isCountryWide() const { return operatorName.isEmpty(); }

    // A column the preset carries replaces the value, even with an empty
    // text; one it leaves out keeps the value as it was.
    static void carry(const std::optional<QString> &column, QString *value)
    {
        if (column)
            *value = *column;
    }
};

// The texts of a window's country and operator selectors before anything is picked.
struct Selection
{
    QString country;
    QString operatorName;
};

class Catalogue
{
public:
    // The copy is built on first use and never changes afterwards.
    static const Catalogue &of(Copy copy);

    // What the copy's window shows in its selectors when it opens.
    static Selection designSelection(Copy copy);

    Copy copy() const { return m_copy; }
    const QList<CountryEntry> &entries() const { return m_entries; }
    const QList<Preset> &presets() const { return m_presets; }

    // The country selector's list, in order.
    QStringList offeredCountries() const;

    // The first entry whose name equals the text exactly (case-sensitive,
    // no trimming), or nullptr.
    const CountryEntry *findCountry(const QString &text) const;

    // The preset to apply for the texts of the country and operator selectors:
    // the country's country-wide preset if it has one, otherwise the preset of
    // the operator named exactly by the text; nullptr when there is none.
    const Preset *findPreset(const QString &countryText, const QString &operatorText) const;

private:
    explicit Catalogue(Copy copy);

    Copy m_copy;
    QList<CountryEntry> m_entries;
    QList<Preset> m_presets;
};

} // namespace rx20::catalogue

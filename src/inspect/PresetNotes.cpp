#include "inspect/PresetNotes.h"

#include "catalogue/Catalogue.h"

#include <QHash>
#include <QMap>

#include <algorithm>

#include <optional>

namespace rx20::inspect {

using catalogue::Catalogue;
using catalogue::Copy;
using catalogue::Preset;

namespace {

// The window whose catalogue copy fills the file's values.
std::optional<Copy> copyOf(Kind kind)
{
    switch (kind) {
    case Kind::MmsIni:
        return Copy::Wireless;
    case Kind::MmsNetCfg:
        return Copy::Mms;
    case Kind::MailNetCfg:
        return Copy::Mail;
    case Kind::SmtpNetCfg:
    case Kind::CameraCfg:
        break;
    }
    return std::nullopt;
}

// The file's key for each preset column it holds.
const QMap<QString, QString> &keyOfColumn()
{
    static const QMap<QString, QString> keys{
        {QStringLiteral("apn"), QStringLiteral("APN")},
        {QStringLiteral("url"), QStringLiteral("URL")},
        {QStringLiteral("ip"), QStringLiteral("IP")},
        {QStringLiteral("port"), QStringLiteral("Port")},
        {QStringLiteral("account"), QStringLiteral("APNAccount")},
        {QStringLiteral("password"), QStringLiteral("APNPassword")}};
    return keys;
}

std::optional<QString> column(const Preset &preset, const QString &name)
{
    if (name == QLatin1String("apn"))
        return preset.apn;
    if (name == QLatin1String("url"))
        return preset.url;
    if (name == QLatin1String("ip"))
        return preset.ip;
    if (name == QLatin1String("port"))
        return preset.port;
    if (name == QLatin1String("account"))
        return preset.account;
    return preset.password;
}

// Every carried column whose key the file holds has the file's value, and
// those values single the preset out: a single-word APN alone ("mms") is
// shared by too many operators to say which one filled the file.
bool holds(const Preset &preset, const QHash<QString, const Setting *> &byKey)
{
    int compared = 0;
    for (auto it = keyOfColumn().cbegin(); it != keyOfColumn().cend(); ++it) {
        const std::optional<QString> value = column(preset, it.key());
        const Setting *setting = byKey.value(it.value());
        if (!value || !setting)
            continue;
        if (setting->value != *value)
            return false;
        ++compared;
    }
    return compared > 1 || preset.apn.contains(QLatin1Char('.'));
}

QString nameOf(const Preset &preset)
{
    return preset.isCountryWide() ? preset.country
                                  : preset.country + QStringLiteral(" / ") + preset.operatorName;
}

} // namespace

QList<Finding> PresetNotes::of(const Document &document)
{
    const std::optional<Copy> copy = copyOf(document.layout().kind());
    if (!copy)
        return {};
    const QList<Setting> settings = document.settings();
    QHash<QString, const Setting *> byKey;
    for (const Setting &setting : settings)
        byKey.insert(setting.key, &setting);

    // One note per line and newer or successor's value, naming every preset that holds the
    // file's values.
    struct Note
    {
        const Setting *setting;
        catalogue::NewerValue newer;
        QStringList presets;
    };
    QList<Note> notes;
    for (const Preset &preset : Catalogue::of(*copy).presets()) {
        if ((preset.newer.isEmpty() && preset.successor.isEmpty()) || !holds(preset, byKey))
            continue;
        for (const catalogue::NewerValue &newer : preset.newer + preset.successor) {
            const Setting *setting = byKey.value(keyOfColumn().value(newer.column));
            if (!setting)
                continue;
            auto same = std::find_if(notes.begin(), notes.end(), [&](const Note &note) {
                return note.setting == setting && note.newer.value == newer.value
                       && note.newer.source == newer.source
                       && note.newer.successor == newer.successor;
            });
            if (same != notes.end())
                same->presets.append(nameOf(preset));
            else
                notes.append({setting, newer, {nameOf(preset)}});
        }
    }
    QList<Finding> out;
    for (const Note &note : notes) {
        const QString head = QStringLiteral("%1 \"%2\" is the catalogue's value for %3; ")
                                 .arg(note.setting->key, note.setting->value,
                                      note.presets.join(QStringLiteral(", ")));
        if (note.newer.successor.isEmpty())
            out.append({note.setting->line, QStringLiteral("newer"),
                        head
                            + QStringLiteral("newer public data writes \"%1\" (%2)")
                                  .arg(note.newer.value, note.newer.entry())});
        else
            out.append(
                {note.setting->line, QStringLiteral("successor"),
                 head
                     + QStringLiteral("%1, which took over its network, writes \"%2\" (%3)")
                           .arg(note.newer.successor, note.newer.value, note.newer.entry())});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Finding &a, const Finding &b) { return a.line < b.line; });
    return out;
}

} // namespace rx20::inspect

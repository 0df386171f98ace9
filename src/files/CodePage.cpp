#include "files/CodePage.h"

#include "files/CodePageConverter.h"

#include <utility>

namespace rx20 {

namespace {
QByteArray &replacedName()
{
    static QByteArray name;
    return name;
}

// The 8-bit ANSI code pages of Windows, the ones the camera reads, by the
// names this program gives them.
const struct
{
    uint number;
    const char *name;
} ansiPages[] = {
    {874, "windows-874"},   {932, "Shift_JIS"},     {936, "GBK"},           {949, "EUC-KR"},
    {950, "Big5"},          {1250, "windows-1250"}, {1251, "windows-1251"}, {1252, "windows-1252"},
    {1253, "windows-1253"}, {1254, "windows-1254"}, {1255, "windows-1255"}, {1256, "windows-1256"},
    {1257, "windows-1257"}, {1258, "windows-1258"},
};
} // namespace

QByteArray CodePage::setSystemName(const QByteArray &name)
{
    return std::exchange(replacedName(), name);
}

bool CodePage::isAvailable(const QByteArray &codePage)
{
    return CodePageConverter(codePage).isValid();
}

QByteArray CodePage::systemName()
{
    if (!replacedName().isEmpty())
        return replacedName();
    return CodePageConverter::systemName();
}

QByteArray CodePage::ansiName(uint systemPage, uint localePage)
{
    for (uint page : {systemPage, localePage}) {
        for (const auto &ansi : ansiPages) {
            if (ansi.number == page)
                return ansi.name;
        }
    }
    return "windows-1252";
}

uint CodePage::windowsNumber(const QByteArray &name)
{
    for (const auto &ansi : ansiPages) {
        if (name == ansi.name)
            return ansi.number;
    }
    return 0;
}

QByteArray CodePage::nameForLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Czech:
    case QLocale::Polish:
    case QLocale::Hungarian:
    case QLocale::Slovak:
    case QLocale::Slovenian:
    case QLocale::Croatian:
    case QLocale::Romanian:
    case QLocale::Albanian:
    case QLocale::Bosnian:
        return "windows-1250";
    case QLocale::Russian:
    case QLocale::Ukrainian:
    case QLocale::Bulgarian:
    case QLocale::Belarusian:
    case QLocale::Macedonian:
    case QLocale::Kazakh:
    case QLocale::Kyrgyz:
    case QLocale::Mongolian:
    case QLocale::Tatar:
        return "windows-1251";
    case QLocale::Serbian:
        return locale.script() == QLocale::LatinScript ? "windows-1250" : "windows-1251";
    case QLocale::Greek:
        return "windows-1253";
    case QLocale::Turkish:
    case QLocale::Azerbaijani:
        return "windows-1254";
    case QLocale::Hebrew:
        return "windows-1255";
    case QLocale::Arabic:
    case QLocale::Persian:
    case QLocale::Urdu:
        return "windows-1256";
    case QLocale::Estonian:
    case QLocale::Latvian:
    case QLocale::Lithuanian:
        return "windows-1257";
    case QLocale::Vietnamese:
        return "windows-1258";
    case QLocale::Thai:
        return "windows-874";
    case QLocale::Japanese:
        return "Shift_JIS";
    case QLocale::Korean:
        return "EUC-KR";
    case QLocale::Chinese:
        if (locale.script() == QLocale::TraditionalHanScript
            || locale.territory() == QLocale::Taiwan || locale.territory() == QLocale::HongKong
            || locale.territory() == QLocale::Macau)
            return "Big5";
        return "GBK";
    default:
        return "windows-1252";
    }
}

namespace {

// Hands each character of text (a pair of surrogates is one, a lone one
// stands alone) to each with its bytes, or with none where the code page
// lacks it, until each returns false.
template <typename Each> void eachCharacter(QStringView text, const QByteArray &codePage, Each each)
{
    CodePageConverter converter(codePage);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ? 2
                : 1;
        const QStringView character = text.mid(i, length);
        const std::optional<QByteArray> bytes = converter.encode(character);
        if (!each(character, bytes ? *bytes : QByteArray()))
            return;
        i += length;
    }
}

} // namespace

QString CodePage::firstUnstorable(QStringView text, const QByteArray &codePage)
{
    if (CodePageConverter(codePage).encode(text))
        return {};
    QString first;
    eachCharacter(text, codePage, [&first](QStringView character, const QByteArray &bytes) {
        if (bytes.isEmpty())
            first = character.toString();
        return first.isEmpty();
    });
    return first;
}

QByteArray CodePage::encode(const QString &text, const QByteArray &codePage)
{
    if (std::optional<QByteArray> whole = CodePageConverter(codePage).encode(text))
        return *whole;
    // The converter's own substitute differs between code pages (SUB, a
    // full-width mark...), so characters are converted one at a time and the
    // ones that fail become "?", as Windows does.
    QByteArray out;
    out.reserve(text.size());
    eachCharacter(text, codePage, [&out](QStringView, const QByteArray &bytes) {
        out += bytes.isEmpty() ? QByteArray("?") : bytes;
        return true;
    });
    return out;
}

QString CodePage::decode(const QByteArray &bytes, const QByteArray &codePage)
{
    return CodePageConverter(codePage).decode(bytes);
}

} // namespace rx20

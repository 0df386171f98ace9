#include "files/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace rx20 {

namespace {
QByteArray &replacedName()
{
    static QByteArray name;
    return name;
}
} // namespace

QByteArray CodePage::setSystemName(const QByteArray &name)
{
    return std::exchange(replacedName(), name);
}

bool CodePage::isAvailable(const QByteArray &codePage)
{
    return QStringEncoder(codePage.constData()).isValid()
           && QStringDecoder(codePage.constData()).isValid();
}

QByteArray CodePage::systemName()
{
    if (!replacedName().isEmpty())
        return replacedName();
#ifdef Q_OS_WIN
    return QByteArray("windows-") + QByteArray::number(uint(GetACP()));
#else
    return nameForLocale(QLocale::system());
#endif
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

// Stateless: a high surrogate at the end is a character that fails, not one
// held back for a next call that never comes. Made in place: a converter
// that was moved no longer reports its failures.
void openEncoder(std::optional<QStringEncoder> &encoder, const QByteArray &codePage)
{
    encoder.emplace(codePage.constData(), QStringConverter::Flag::Stateless);
}

// Hands each character of text (a pair of surrogates is one, a lone one
// stands alone) to each with its bytes, or with none where the code page
// lacks it, until each returns false. A converter serves until a character
// fails (its error sticks): opening one per character would cost a second
// for a megabyte.
template <typename Each> void eachCharacter(QStringView text, const QByteArray &codePage, Each each)
{
    std::optional<QStringEncoder> one;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ? 2
                : 1;
        const QStringView character = text.mid(i, length);
        if (!one)
            openEncoder(one, codePage);
        QByteArray bytes = one->encode(character);
        if (one->hasError() || bytes.isEmpty()) {
            bytes.clear();
            one.reset();
        }
        if (!each(character, bytes))
            return;
        i += length;
    }
}

} // namespace

bool CodePage::canStore(QStringView character, const QByteArray &codePage)
{
    bool stored = false;
    eachCharacter(character, codePage, [&stored](QStringView, const QByteArray &bytes) {
        stored = !bytes.isEmpty();
        return false;
    });
    return stored;
}

QString CodePage::firstUnstorable(QStringView text, const QByteArray &codePage)
{
    std::optional<QStringEncoder> whole;
    openEncoder(whole, codePage);
    const QByteArray bytes = whole->encode(text);
    if (!whole->hasError())
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
    std::optional<QStringEncoder> encoder;
    openEncoder(encoder, codePage);
    const QByteArray whole = encoder->encode(text);
    if (!encoder->hasError())
        return whole;
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
    QStringDecoder decoder(codePage.constData());
    return decoder.decode(bytes);
}

} // namespace rx20

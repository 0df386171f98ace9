#include "files/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <climits>
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

#ifdef Q_OS_WIN
// Windows' number of a code page name this program gives out, 0 for none.
// A Windows Qt knows no named code page but the system's, and its System
// converter fits characters to look-alikes ("ř" becomes "r"); Windows' own
// tables without best fit say which character cannot be stored, as
// QStringEncoder does elsewhere.
UINT windowsNumber(const QByteArray &name)
{
    if (name.startsWith("windows-")) {
        bool ok = false;
        const uint number = name.mid(8).toUInt(&ok);
        return ok ? UINT(number) : 0;
    }
    static const struct
    {
        const char *name;
        UINT number;
    } doubleByte[] = {{"Shift_JIS", 932}, {"GBK", 936}, {"EUC-KR", 949}, {"Big5", 950}};
    for (const auto &page : doubleByte) {
        if (name == page.name)
            return page.number;
    }
    return 0;
}

class Converter
{
public:
    explicit Converter(const QByteArray &codePage)
        : m_number(windowsNumber(codePage))
    {
    }

    bool isValid() const { return m_number != 0 && IsValidCodePage(m_number); }

    // The bytes of text, or nothing when a character of it cannot be stored.
    std::optional<QByteArray> encode(QStringView text)
    {
        if (text.isEmpty())
            return QByteArray();
        if (!isValid() || text.size() > INT_MAX / 4)
            return std::nullopt;
        const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
        QByteArray bytes(text.size() * 4, Qt::Uninitialized);
        BOOL usedDefault = FALSE;
        const int size =
            WideCharToMultiByte(m_number, WC_NO_BEST_FIT_CHARS, wide, int(text.size()),
                                bytes.data(), int(bytes.size()), nullptr, &usedDefault);
        if (size <= 0 || usedDefault)
            return std::nullopt;
        bytes.truncate(size);
        return bytes;
    }

    QString decode(const QByteArray &bytes) const
    {
        if (bytes.isEmpty() || !isValid() || bytes.size() > INT_MAX)
            return {};
        QString text(bytes.size(), Qt::Uninitialized);
        const int size =
            MultiByteToWideChar(m_number, 0, bytes.constData(), int(bytes.size()),
                                reinterpret_cast<wchar_t *>(text.data()), int(text.size()));
        text.truncate(qMax(size, 0));
        return text;
    }

private:
    UINT m_number;
};
#else
class Converter
{
public:
    explicit Converter(const QByteArray &codePage)
        : m_name(codePage)
    {
    }

    bool isValid() const
    {
        return QStringEncoder(m_name.constData()).isValid()
               && QStringDecoder(m_name.constData()).isValid();
    }

    // The bytes of text, or nothing when a character of it cannot be stored.
    std::optional<QByteArray> encode(QStringView text)
    {
        // Stateless: a high surrogate at the end is a character that fails,
        // not one held back for a next call that never comes. An encoder
        // serves until a character fails (its error sticks): opening one per
        // character would cost a second for a megabyte.
        if (!m_encoder)
            m_encoder.emplace(m_name.constData(), QStringConverter::Flag::Stateless);
        QByteArray bytes = m_encoder->encode(text);
        if (m_encoder->hasError() || (bytes.isEmpty() && !text.isEmpty())) {
            m_encoder.reset();
            return std::nullopt;
        }
        return bytes;
    }

    QString decode(const QByteArray &bytes) const
    {
        QStringDecoder decoder(m_name.constData());
        return decoder.decode(bytes);
    }

private:
    QByteArray m_name;
    std::optional<QStringEncoder> m_encoder;
};
#endif
} // namespace

QByteArray CodePage::setSystemName(const QByteArray &name)
{
    return std::exchange(replacedName(), name);
}

bool CodePage::isAvailable(const QByteArray &codePage)
{
    return Converter(codePage).isValid();
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

// Hands each character of text (a pair of surrogates is one, a lone one
// stands alone) to each with its bytes, or with none where the code page
// lacks it, until each returns false.
template <typename Each> void eachCharacter(QStringView text, const QByteArray &codePage, Each each)
{
    Converter converter(codePage);
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
    if (Converter(codePage).encode(text))
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
    if (std::optional<QByteArray> whole = Converter(codePage).encode(text))
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
    return Converter(codePage).decode(bytes);
}

} // namespace rx20

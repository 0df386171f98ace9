#include "ui/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace rx20 {

QByteArray CodePage::systemName()
{
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
            || locale.territory() == QLocale::Taiwan
            || locale.territory() == QLocale::HongKong
            || locale.territory() == QLocale::Macau)
            return "Big5";
        return "GBK";
    default:
        return "windows-1252";
    }
}

QByteArray CodePage::encode(const QString &text, const QByteArray &codePage)
{
    {
        QStringEncoder encoder(codePage.constData());
        const QByteArray whole = encoder.encode(text);
        if (!encoder.hasError())
            return whole;
    }
    // The converter's own substitute differs between code pages (SUB, a
    // full-width mark...), so characters are converted one at a time and the
    // ones that fail become "?", as Windows does.
    QByteArray out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const int length = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QStringEncoder encoder(codePage.constData());
        const QByteArray one = encoder.encode(QStringView(text).mid(i, length));
        out += encoder.hasError() ? QByteArray("?") : one;
        i += length - 1;
    }
    return out;
}

QString CodePage::decode(const QByteArray &bytes, const QByteArray &codePage)
{
    QStringDecoder decoder(codePage.constData());
    return decoder.decode(bytes);
}

} // namespace rx20

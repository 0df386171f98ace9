#include "cli/Console.h"

#include <QJsonDocument>

namespace rx20::cli {

namespace {

const QString program = QStringLiteral("rx20-config");

// Copies text, handing each character that prints nothing (a surrogate pair
// is one character; U+FFFD marks a byte that was none) to escape, which
// appends what stands for it.
template <typename Escape> QString escapedWith(QStringView text, Escape escape)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const char32_t c =
            pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        const QStringView character = text.mid(i, pair ? 2 : 1);
        if (QChar::isPrint(c) && c != QChar::ReplacementCharacter)
            out += character;
        else
            escape(c, character, out);
        i += character.size();
    }
    return out;
}

// JSON escapes what lies below the blank; DEL, the C1 controls (a terminal
// takes U+009B as an escape sequence's start) and other characters that
// print nothing would pass raw, so they become \u escapes too. Outside its
// strings JSON text holds none of them.
QString jsonText(const QJsonObject &object, QJsonDocument::JsonFormat format)
{
    return escapedWith(QString::fromUtf8(QJsonDocument(object).toJson(format)),
                       [](char32_t c, QStringView character, QString &out) {
                           if (c < 0x7f) { // the layout's own line ends
                               out += character;
                               return;
                           }
                           for (const QChar unit : character)
                               out += QStringLiteral("\\u%1").arg(unit.unicode(), 4, 16,
                                                                  QLatin1Char('0'));
                       });
}

} // namespace

Console::Console(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

QString Console::escaped(const QString &text)
{
    return escapedWith(text, [](char32_t c, QStringView, QString &out) {
        if (c == U'\r')
            out += QLatin1String("\\r");
        else if (c == U'\n')
            out += QLatin1String("\\n");
        else if (c == U'\t')
            out += QLatin1String("\\t");
        else if (c < 0x100)
            out += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        else if (c < 0x10000)
            out += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        else
            out += QStringLiteral("\\U%1").arg(uint(c), 8, 16, QLatin1Char('0'));
    });
}

void Console::value(const QString &key, const QString &value)
{
    m_out << escaped(key) << '=' << escaped(value) << '\n';
}

void Console::line(const QString &text)
{
    m_out << escaped(text) << '\n';
}

void Console::json(const QJsonObject &object)
{
    m_out << jsonText(object, QJsonDocument::Indented);
}

void Console::error(const QString &message)
{
    if (m_jsonErrors) {
        m_out << jsonText(QJsonObject{{QStringLiteral("error"), message}}, QJsonDocument::Compact)
              << '\n';
        m_out.flush();
        return;
    }
    m_err << program << ": " << escaped(message) << '\n';
    m_err.flush();
}

void Console::warning(const QString &message)
{
    m_err << program << ": warning: " << escaped(message) << '\n';
    m_err.flush();
}

} // namespace rx20::cli

#include "cli/Console.h"

#include <QJsonDocument>

namespace rx20::cli {

namespace {

const QString program = QStringLiteral("rx20-config");

} // namespace

Console::Console(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

void Console::value(const QString &key, const QString &value)
{
    m_out << key << '=' << value << '\n';
}

void Console::line(const QString &text)
{
    m_out << text << '\n';
}

void Console::json(const QJsonObject &object)
{
    m_out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

void Console::error(const QString &message)
{
    m_err << program << ": " << message << '\n';
    m_err.flush();
}

void Console::warning(const QString &message)
{
    m_err << program << ": warning: " << message << '\n';
    m_err.flush();
}

} // namespace rx20::cli

#include "ui/NewerSettingsLink.h"

#include "ui/LinkLabel.h"
#include "ui/MessageBox.h"

#include <QRegularExpression>

namespace rx20::ui {

namespace {

// "apns-conf-2024-10.xml" -> "Android APN list, 2024".
QString listName(const QString &entry)
{
    static const QRegularExpression file(QStringLiteral(R"(^(\S+)-(\d{4})-\d{2}\.xml\b)"));
    const QRegularExpressionMatch m = file.match(entry);
    if (!m.hasMatch())
        return entry;
    const QString list = m.captured(1) == QLatin1String("apns-conf")
                             ? NewerSettingsLink::tr("Android APN list")
                             : NewerSettingsLink::tr("mobile broadband provider database");
    return NewerSettingsLink::tr("%1, %2").arg(list, m.captured(2));
}

// A proxy the camera reaches by its dotted address; a name it cannot look up.
bool isAddress(const QString &value)
{
    static const QRegularExpression address(QStringLiteral(R"(^\d{1,3}(\.\d{1,3}){3}$)"));
    return address.match(value).hasMatch();
}

} // namespace

NewerSettingsLink::NewerSettingsLink(LinkLabel *link, QList<Field> fields)
    : QObject(link)
    , m_link(link)
    , m_fields(std::move(fields))
{
    m_link->setVisible(false);
}

void NewerSettingsLink::follow(const catalogue::Preset *preset, bool autoMode)
{
    m_values.clear();
    if (preset && autoMode) {
        // The operator's own values where it has any for the window's boxes, else its
        // successor's; in the order of the boxes.
        for (const QList<catalogue::NewerValue> *kind : {&preset->newer, &preset->successor}) {
            for (const Field &field : std::as_const(m_fields)) {
                for (const catalogue::NewerValue &value : *kind) {
                    if (value.column == field.column)
                        m_values.append(value);
                }
            }
            if (!m_values.isEmpty())
                break;
        }
        m_operator = preset->operatorName;
        m_country = preset->country;
    }
    m_link->setVisible(!m_values.isEmpty());
}

QString NewerSettingsLink::caption(const QString &column) const
{
    for (const Field &field : m_fields) {
        if (field.column == column)
            return field.caption;
    }
    return column;
}

QString NewerSettingsLink::message(const QString &generate) const
{
    if (m_values.isEmpty())
        return {};
    const QString successor = m_values.first().successor;
    QStringList lines;
    if (!successor.isEmpty())
        lines << tr("The network of %1 (%2) is now %3's. %3 gives these settings for it:")
                     .arg(m_operator, m_country, successor);
    else if (m_operator.isEmpty()) // a preset for the whole country
        lines << tr("Later public lists give other settings for %1:").arg(m_country);
    else
        lines << tr("Later public lists give other settings for %1 (%2):")
                     .arg(m_operator, m_country);
    lines << QString();
    QStringList hostNames;
    for (const catalogue::NewerValue &value : m_values) {
        const QString shown = value.value.isEmpty() ? tr("(empty)") : value.value;
        lines << tr("%1: %2 (%3)").arg(caption(value.column), shown, listName(value.entry()));
        if (value.column == QLatin1String("ip") && !value.value.isEmpty() && !isAddress(value.value))
            hostNames << value.value;
    }
    for (const QString &host : hostNames) {
        lines << QString();
        lines << tr("%1 is a host name. The camera needs the proxy's address in digits: look it "
                    "up and type it into %2.")
                     .arg(host, caption(QStringLiteral("ip")));
    }
    lines << QString();
    lines << tr("Auto keeps writing the catalogue's settings. \"%1\" switches to manual setting "
                "with these values typed in; nothing is written until \"%2\".")
                 .arg(tr("Use them"), QString(generate).remove(QLatin1Char('&')));
    return lines.join(QLatin1Char('\n'));
}

QHash<QString, QString> NewerSettingsLink::offer(QWidget *parent, const QString &generate) const
{
    QHash<QString, QString> chosen;
    if (m_values.isEmpty() || !MessageBox::ask(parent, message(generate), tr("Use them")))
        return chosen;
    for (const catalogue::NewerValue &value : m_values)
        chosen.insert(value.column, value.value);
    return chosen;
}

} // namespace rx20::ui

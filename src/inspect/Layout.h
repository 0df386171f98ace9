#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace rx20::inspect {

// The settings files the program writes.
enum class Kind {
    MmsIni,     // wireless settings window
    SmtpNetCfg, // SMTP settings window, "[SMTP]"
    MailNetCfg, // mail-and-phone settings window, scrambled on the card
    MmsNetCfg,  // MMS settings window, "[MMS]"
    CameraCfg,  // camera settings window
};

// The fixed line layout of one kind of file: its section line and the key
// of every further line, exactly as its writer puts them.
class Layout
{
public:
    static const Layout &of(Kind kind);
    static const QList<Kind> &kinds();
    // "mms-ini", "net-cfg-smtp", "net-cfg-mail", "net-cfg-mms", "camera-cfg"
    static std::optional<Kind> kindNamed(const QString &name);
    static QStringList names();

    Kind kind() const { return m_kind; }
    const QString &name() const { return m_name; }
    const QString &fileName() const { return m_fileName; }
    const QString &section() const { return m_lines.constFirst(); }
    int lineCount() const { return int(m_lines.size()); }

    // The key of line n (counted from 1), "=" included; empty for the section
    // line and for a line that must stay empty.
    QString key(int lineNumber) const;

private:
    Layout(Kind kind, const QString &name, const QString &fileName, const QStringList &lines);

    Kind m_kind;
    QString m_name;
    QString m_fileName;
    QStringList m_lines; // the writer's lines with every value empty
};

} // namespace rx20::inspect

#pragma once

#include <QJsonObject>
#include <QString>
#include <QTextStream>

namespace rx20::cli {

// Where a command writes: results to one stream, errors and warnings to the
// other, each a single line that starts with the program's name. Texts from a
// file or the command line reach the terminal with their control characters
// escaped ("\x1b", "\r"), never raw; in JSON as "\u001b".
class Console
{
public:
    Console(QTextStream &out, QTextStream &err);

    // "key=value" on a line of its own.
    void value(const QString &key, const QString &value);
    void line(const QString &text);
    void json(const QJsonObject &object);

    // With JSON errors on, an error is {"error": message} on the results' stream.
    void setJsonErrors(bool on) { m_jsonErrors = on; }
    void error(const QString &message);
    void warning(const QString &message);

    // Control characters, invalid bytes (U+FFFD) and other characters that
    // print nothing as escapes: \r \n \t \xHH \uHHHH \UHHHHHHHH.
    static QString escaped(const QString &text);

    QTextStream &out() { return m_out; }

private:
    QTextStream &m_out;
    QTextStream &m_err;
    bool m_jsonErrors = false;
};

// Exit statuses every command keeps to.
enum Exit : int {
    Success = 0,
    Failure = 1, // a file could not be written; findings of check
    Usage = 2,   // bad arguments; a file check cannot read
};

} // namespace rx20::cli

#pragma once

#include "files/SettingsFile.h"
#include "inspect/Layout.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace rx20::inspect {

enum class LineEnd { CrLf, Lf, Cr, None };

// A byte of a scrambled file that two plain bytes scramble to: the table's
// output for an ASCII character, and a character of the code page that
// passes unchanged. The ASCII reading is the one taken.
struct Doubt
{
    int position = 0; // in the line's bytes from 0; in a setting's value from 1
    QString taken;    // the ASCII character
    QString other;    // the code page character
    char byte = 0;    // as it stands in the file
};

struct Line
{
    QString text;
    LineEnd end = LineEnd::CrLf;
    QList<Doubt> ambiguous;
};

// One value as a window's reader takes it: the text after the layout's key.
struct Setting
{
    int line = 0; // counted from 1
    QString key;  // without "="
    QString value;
    QList<Doubt> ambiguous;
};

struct DocumentRead;

// A settings file as it stands on the card, whatever wrote it: its kind,
// its lines with their line ends, and for a scrambled NET.CFG the plain text
// with the bytes whose reading is in doubt.
class Document
{
public:
    // Reads and recognises the file; kind, when given, is taken instead.
    // In codePage, the system's unless told otherwise (rx20-config --code-page).
    static DocumentRead load(const QString &path, std::optional<Kind> kind = std::nullopt,
                             const QByteArray &codePage = CodePage::systemName());
    static DocumentRead fromBytes(const QByteArray &bytes, const QString &path,
                                  std::optional<Kind> kind = std::nullopt,
                                  const QByteArray &codePage = CodePage::systemName());

    const QString &path() const { return m_path; }
    const Layout &layout() const { return Layout::of(m_kind); }
    bool isScrambled() const { return m_scrambled; }
    const QList<Line> &lines() const { return m_lines; }

    // The values of the layout's keyed lines that the file has, in order.
    QList<Setting> settings() const;

private:
    QString m_path;
    Kind m_kind = Kind::MmsIni;
    bool m_scrambled = false;
    QList<Line> m_lines;
};

struct DocumentRead
{
    FileStatus status;
    Document document;
    bool unknownKind = false; // read, but its kind could not be told
};

} // namespace rx20::inspect

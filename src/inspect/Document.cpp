#include "inspect/Document.h"

#include "camera/MmsNetCfg.h"
#include "files/CodePage.h"
#include "smtp/MailNetCfg.h"
#include "smtp/Scrambler.h"
#include "smtp/SmtpNetCfg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

namespace rx20::inspect {

namespace {

QList<Line> splitPlain(const QByteArray &bytes, const QByteArray &codePage)
{
    QList<Line> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        Line line;
        line.text = CodePage::decode(bytes.mid(start, i - start), codePage);
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n') {
            line.end = LineEnd::CrLf;
            ++i;
        } else {
            line.end = c == '\r' ? LineEnd::Cr : LineEnd::Lf;
        }
        lines.append(line);
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append({CodePage::decode(bytes.mid(start), codePage), LineEnd::None, {}});
    return lines;
}

// Whether a scrambled byte has two plain readings: the table's (a lower-case
// letter or a sign) and itself passed through unchanged, when the code page
// has a character there that a value could hold.
bool hasTwoReadings(char byte, const QByteArray &codePage)
{
    if (Scrambler::unscrambleByte(byte) == byte || Scrambler::scrambleByte(byte) != byte)
        return false;
    const QString unchanged = CodePage::decode(QByteArray(1, byte), codePage);
    return unchanged.size() == 1 && unchanged.at(0).isPrint()
           && unchanged.at(0) != QChar::ReplacementCharacter;
}

// Lines end where the scrambled CR LF stands. A value never holds a line
// break, so a lone scrambled CR or LF inside a line is the code page
// character that passed through unchanged.
QList<Line> splitScrambled(const QByteArray &bytes, const QByteArray &codePage)
{
    const QByteArray lineEnd = Scrambler::scramble("\r\n");
    QList<Line> lines;
    QByteArray plain;
    QList<Doubt> ambiguous;
    const auto finish = [&](LineEnd end) {
        lines.append({CodePage::decode(plain, codePage), end, ambiguous});
        plain.clear();
        ambiguous.clear();
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.mid(i, lineEnd.size()) == lineEnd) {
            finish(LineEnd::CrLf);
            i += lineEnd.size() - 1;
            continue;
        }
        const char b = bytes.at(i);
        if (lineEnd.contains(b)) {
            plain.append(b);
            continue;
        }
        const char taken = Scrambler::unscrambleByte(b);
        if (hasTwoReadings(b, codePage))
            ambiguous.append({int(plain.size()), QString(QLatin1Char(taken)),
                              CodePage::decode(QByteArray(1, b), codePage), b});
        plain.append(taken);
    }
    if (!plain.isEmpty())
        finish(LineEnd::None);
    return lines;
}

// Among the kinds whose section line matches, the one whose length is nearest.
Kind nearest(const QList<Kind> &candidates, qsizetype lineCount)
{
    Kind best = candidates.constFirst();
    for (Kind kind : candidates) {
        if (std::abs(Layout::of(kind).lineCount() - lineCount)
            < std::abs(Layout::of(best).lineCount() - lineCount))
            best = kind;
    }
    return best;
}

std::optional<Kind> recognise(const QList<Line> &lines, bool scrambled, const QString &path)
{
    if (scrambled)
        return Kind::MailNetCfg;
    const QString first = lines.isEmpty() ? QString() : lines.constFirst().text;
    const QString name = QFileInfo(path).fileName().toUpper();
    // The windows' readers look at these characters of the first line only.
    if (SmtpNetCfg::isSmtpHeader(first))
        return nearest({Kind::SmtpNetCfg, Kind::MailNetCfg}, lines.size());
    if (MmsNetCfg::isMmsHeader(first)) {
        if (name == Layout::of(Kind::MmsIni).fileName())
            return Kind::MmsIni;
        return nearest({Kind::MmsNetCfg, Kind::MmsIni}, lines.size());
    }
    if (first.mid(1, 6) == QLatin1String("CAMERA"))
        return Kind::CameraCfg;
    for (Kind kind : {Kind::MmsIni, Kind::CameraCfg}) {
        if (name == Layout::of(kind).fileName())
            return kind;
    }
    return std::nullopt;
}

} // namespace

DocumentRead Document::load(const QString &path, std::optional<Kind> kind,
                            const QByteArray &codePage)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return {FileStatus::failure(
                    QStringLiteral("Could not read %1: there is no such file.").arg(shown)),
                {}};
    if (!file.open(QIODevice::ReadOnly))
        return {FileStatus::failure(
                    QStringLiteral("Could not read %1: %2.").arg(shown, file.errorString())),
                {}};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {FileStatus::failure(
                    QStringLiteral("Could not read %1: %2.").arg(shown, file.errorString())),
                {}};
    return fromBytes(bytes, path, kind, codePage);
}

DocumentRead Document::fromBytes(const QByteArray &bytes, const QString &path,
                                 std::optional<Kind> kind, const QByteArray &codePage)
{
    Document document;
    document.m_path = path;
    document.m_scrambled = MailNetCfg::isScrambled(bytes);
    document.m_lines =
        document.m_scrambled ? splitScrambled(bytes, codePage) : splitPlain(bytes, codePage);
    if (!kind)
        kind = recognise(document.m_lines, document.m_scrambled, path);
    if (!kind) {
        const QString first =
            document.m_lines.isEmpty() ? QString() : document.m_lines.constFirst().text.left(40);
        return {
            FileStatus::failure(
                QStringLiteral("Cannot tell which settings file %1 is: its first line is \"%2\".")
                    .arg(QDir::toNativeSeparators(path), first)),
            {},
            true};
    }
    document.m_kind = *kind;
    return {FileStatus::success(), document};
}

QList<Setting> Document::settings() const
{
    QList<Setting> out;
    const int last = std::min(int(m_lines.size()), layout().lineCount());
    for (int n = 2; n <= last; ++n) {
        const QString key = layout().key(n);
        if (key.isEmpty())
            continue;
        const Line &line = m_lines.at(n - 1);
        Setting setting{
            n, key.chopped(1), SettingsFile::valueAfterKey(line.text, int(key.size())), {}};
        // The keys are ASCII, so a key's length in characters is its length in bytes.
        for (Doubt doubt : line.ambiguous) {
            if (doubt.position < key.size())
                continue;
            doubt.position -= int(key.size()) - 1;
            setting.ambiguous.append(doubt);
        }
        out.append(setting);
    }
    return out;
}

} // namespace rx20::inspect

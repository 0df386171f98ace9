#include "files/SettingsFile.h"

#include "files/CodePage.h"
#include "files/CodePageConverter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace rx20 {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A drive's root that is not there is a card taken out (or a drive letter
// with no card in it).
QString missingFolder(const QString &folder)
{
    if (QDir(folder).isRoot())
        return QCoreApplication::translate("rx20::SettingsFile", "there is no card or disk in %1")
            .arg(shown(folder));
    return QCoreApplication::translate("rx20::SettingsFile", "the folder %1 does not exist")
        .arg(shown(folder));
}

QString folderProblem(const QString &path)
{
    const QFileInfo file(path);
    // A bare name lives in the working folder, which may be gone (a card
    // taken out while the program ran); nothing can be written there then.
    if (file.isRelative() && QDir::currentPath().isEmpty())
        return QCoreApplication::translate("rx20::SettingsFile",
                                           "the working folder no longer exists");
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return missingFolder(folder.filePath());
    if (!folder.isDir())
        return QCoreApplication::translate("rx20::SettingsFile", "%1 is not a folder")
            .arg(shown(folder.filePath()));
    if (file.isDir())
        return QCoreApplication::translate("rx20::SettingsFile",
                                           "a folder of that name is in the way");
    return {};
}

// The system's own reason ("File not found.") without its full stop: the
// message adds its own.
QString reason(const QFileDevice &file)
{
    QString text = file.errorString();
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

QString SettingsFile::codePageMissing(const QByteArray &codePage)
{
    return QCoreApplication::translate(
               "rx20::SettingsFile",
               "The code page %1 cannot be converted on this system; nothing was written.")
        .arg(QString::fromLatin1(codePage));
}

namespace {

QString cannotStore(const QString &field, const QString &character, const QByteArray &codePage)
{
    return QCoreApplication::translate(
               "rx20::SettingsFile",
               "%1 holds \"%2\", which the camera's code page %3 cannot store; "
               "nothing was written.")
        .arg(field, character, QString::fromLatin1(codePage));
}

} // namespace

QString SettingsFile::unstorable(const QList<std::pair<QString, QString>> &fields,
                                 const QByteArray &codePage)
{
    // One converter for them all: opening one costs more than converting a value.
    CodePageConverter converter(codePage);
    if (!converter.isValid())
        return {};
    for (const auto &[field, text] : fields) {
        if (!converter.encode(text))
            return cannotStore(field, CodePage::firstUnstorable(text, codePage), codePage);
    }
    return {};
}

FileStatus SettingsFile::encode(const QStringList &lines, QByteArray *bytes,
                                const QByteArray &codePage)
{
    // One converter a file; without one every character would come out as "?".
    CodePageConverter converter(codePage);
    if (!converter.isValid())
        return FileStatus::failure(codePageMissing(codePage));
    QByteArray out;
    for (const QString &line : lines) {
        const QString key = line.section(QLatin1Char('='), 0, 0).left(40);
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            return FileStatus::failure(
                QCoreApplication::translate(
                    "rx20::SettingsFile",
                    "The value of \"%1=\" holds a line break; remove it and try again.")
                    .arg(key));
        // A "?" in its place would reach the camera as a wrong value.
        const std::optional<QByteArray> encoded = converter.encode(line);
        if (!encoded)
            return FileStatus::failure(cannotStore(
                QCoreApplication::translate("rx20::SettingsFile", "The value of \"%1=\"").arg(key),
                CodePage::firstUnstorable(line, codePage), codePage));
        out += *encoded;
        out += "\r\n";
    }
    *bytes = out;
    return FileStatus::success();
}

FileStatus SettingsFile::writeBytes(const QString &path, const QByteArray &bytes)
{
    const QString failed =
        QCoreApplication::translate("rx20::SettingsFile", "Could not write %1: %2.");
    if (const QString problem = folderProblem(path); !problem.isEmpty())
        return FileStatus::failure(failed.arg(shown(path), problem));

    // Unbuffered, so a full medium shows up as a failed write here; a
    // buffered write would only come short in commit()'s flush, unnoticed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // The card may have gone between the check above and the write.
        const QString folder = QFileInfo(path).absolutePath();
        return FileStatus::failure(failed.arg(
            shown(path), QFileInfo::exists(folder) ? reason(file) : missingFolder(folder)));
    }
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const QString why = reason(file);
            file.cancelWriting();
            return FileStatus::failure(failed.arg(shown(path), why));
        }
        written += step;
    }
    if (!file.commit())
        return FileStatus::failure(failed.arg(shown(path), reason(file)));
    return FileStatus::success();
}

FileStatus SettingsFile::write(const QString &path, const QStringList &lines,
                               const QByteArray &codePage)
{
    QByteArray bytes;
    if (FileStatus status = encode(lines, &bytes, codePage); !status)
        return status;
    return writeBytes(path, bytes);
}

ReadLines SettingsFile::read(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {FileStatus::failure(
                    QCoreApplication::translate("rx20::SettingsFile",
                                                "Could not read %1: the file does not exist.")
                        .arg(shown(path))),
                {}};
    if (!file.open(QIODevice::ReadOnly))
        return {FileStatus::failure(
                    QCoreApplication::translate("rx20::SettingsFile", "Could not read %1: %2.")
                        .arg(shown(path), reason(file))),
                {}};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {FileStatus::failure(
                    QCoreApplication::translate("rx20::SettingsFile", "Could not read %1: %2.")
                        .arg(shown(path), reason(file))),
                {}};
    return {FileStatus::success(), splitLines(CodePage::decode(bytes, CodePage::systemName()))};
}

QStringList SettingsFile::splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QString SettingsFile::valueAfterKey(const QString &line, int keyLength)
{
    return line.size() > keyLength ? line.mid(keyLength) : QString();
}

FileStatus SettingsFile::tooShort(const QString &path, int needed, int found)
{
    return FileStatus::failure(
        QCoreApplication::translate(
            "rx20::SettingsFile",
            "Could not read %1: it has %2 lines where %3 are needed. Nothing was changed.")
            .arg(shown(path))
            .arg(found)
            .arg(needed));
}

} // namespace rx20

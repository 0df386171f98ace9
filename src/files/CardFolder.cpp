#include "files/CardFolder.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace rx20 {

namespace {

CardFolder::VolumeSource &source()
{
    static CardFolder::VolumeSource instance;
    return instance;
}

#ifdef Q_OS_WIN
QList<CardFolder::Volume> systemVolumes()
{
    QList<CardFolder::Volume> volumes;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        const QString root = QDir::toNativeSeparators(storage.rootPath());
        const bool removable =
            GetDriveTypeW(reinterpret_cast<const wchar_t *>(root.utf16())) == DRIVE_REMOVABLE;
        volumes.append({root, QString::fromLatin1(storage.fileSystemType()), removable});
    }
    return volumes;
}
#else
// /proc/self/mounts writes a blank, tab, newline or backslash in a path as
// three octal digits after a backslash.
QString unescaped(const QByteArray &field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field.at(i) == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += char(code);
                i += 3;
                continue;
            }
        }
        out += field.at(i);
    }
    return QFile::decodeName(out);
}

QList<CardFolder::Volume> systemVolumes()
{
    QList<CardFolder::Volume> volumes;
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return volumes;
    // Read whole: the file's size is 0 until it is read.
    const QList<QByteArray> lines = mounts.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3)
            continue;
        const QString mountPoint = unescaped(fields.at(1));
        // Desktops mount what is plugged in under these folders.
        const bool removable = mountPoint.startsWith(QLatin1String("/media/"))
                               || mountPoint.startsWith(QLatin1String("/run/media/"));
        volumes.append({mountPoint, QString::fromLatin1(fields.at(2)), removable});
    }
    return volumes;
}
#endif

} // namespace

void CardFolder::setVolumeSource(VolumeSource replacement)
{
    source() = std::move(replacement);
}

QList<CardFolder::Volume> CardFolder::mountedVolumes()
{
    return source() ? source()() : systemVolumes();
}

bool CardFolder::isCard(const Volume &volume)
{
    if (!volume.removable)
        return false;
    const QString type = volume.fileSystem.toLower();
    return type == QLatin1String("vfat") || type == QLatin1String("exfat")
           || type == QLatin1String("fat") || type == QLatin1String("fat32")
           || type == QLatin1String("msdos");
}

QString CardFolder::startFolder()
{
    QString card;
    int cards = 0;
    for (const Volume &volume : mountedVolumes()) {
        if (isCard(volume)) {
            card = volume.mountPoint;
            ++cards;
        }
    }
    // With two cards in, either could be the camera's: the user chooses.
    return cards == 1 ? card : QDir::homePath();
}

} // namespace rx20

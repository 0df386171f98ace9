#include "files/SystemVolumes.h"

#include <QFile>

namespace rx20 {

namespace {

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

} // namespace

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

} // namespace rx20

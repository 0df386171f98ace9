#include "files/SystemVolumes.h"

#include <QDir>
#include <QStorageInfo>

#include <windows.h>

namespace rx20 {

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

} // namespace rx20

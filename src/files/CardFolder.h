#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace rx20 {

// Where the folder picker starts: on the memory card when exactly one is in
// the machine, in the user's home folder otherwise.
class CardFolder
{
public:
    struct Volume
    {
        QString mountPoint;
        QString fileSystem; // as the system names it: "vfat", "exfat", "FAT32"...
        bool removable = false;
    };

    static QString startFolder();

    // The mounted volumes (on Linux from /proc/self/mounts). Tests offer their
    // own list; an empty source restores the system's.
    using VolumeSource = std::function<QList<Volume>()>;
    static void setVolumeSource(VolumeSource source);
    static QList<Volume> mountedVolumes();

    // A FAT or exFAT volume a camera's card could be.
    static bool isCard(const Volume &volume);
};

} // namespace rx20

#include "files/CardFolder.h"

#include "files/SystemVolumes.h"

#include <QDir>

namespace rx20 {

namespace {

CardFolder::VolumeSource &source()
{
    static CardFolder::VolumeSource instance;
    return instance;
}

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

#include "files/CardFolder.h"

#include <QDir>
#include <QTest>

using rx20::CardFolder;

// Where the folder picker starts on the real system, with the system's own
// drives and their removable flags. The Windows leg runs it under Wine with
// drives of type "floppy" (removable to Windows: GetDriveType says so) and
// says in RX20_EXPECTED_START_FOLDER where it must start ("home" for the
// user's home folder); without that variable the test is skipped.
//
// Wine reports a drive backed by a folder as NTFS, and a FAT file system
// cannot be mounted for it here. The drives the leg made stand for FAT cards,
// so RX20_FAT_DRIVES names them and the test takes them as FAT: what is
// tested is Windows' removable flag, the FAT rule and the count of cards.
class tst_CardFolder : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { CardFolder::setVolumeSource({}); }

    void startsOnTheOnlyCard()
    {
        const QString expected = qEnvironmentVariable("RX20_EXPECTED_START_FOLDER");
        if (expected.isEmpty())
            QSKIP("no drives laid out for it (scripts/windows.sh does)");
        const QStringList fat =
            qEnvironmentVariable("RX20_FAT_DRIVES").split(QLatin1Char(';'), Qt::SkipEmptyParts);
        QList<CardFolder::Volume> volumes = CardFolder::mountedVolumes();
        for (CardFolder::Volume &volume : volumes) {
            if (fat.contains(volume.mountPoint, Qt::CaseInsensitive))
                volume.fileSystem = QStringLiteral("FAT32");
            qInfo("%s %s%s", qPrintable(volume.mountPoint), qPrintable(volume.fileSystem),
                  volume.removable ? " removable" : "");
        }
        CardFolder::setVolumeSource([volumes] { return volumes; });
        const QString wanted = expected == QLatin1String("home") ? QDir::homePath() : expected;
        QCOMPARE(QDir::cleanPath(CardFolder::startFolder()), QDir::cleanPath(wanted));
    }
};

QTEST_GUILESS_MAIN(tst_CardFolder)
#include "tst_cardfolder.moc"

#include "files/CardFolder.h"
#include "files/PickedPath.h"
#include "support/DialogQueue.h"
#include "ui/FolderPicker.h"

#include <QDir>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>

using rx20::CardFolder;
using rx20::PickedPath;

Q_DECLARE_METATYPE(QList<CardFolder::Volume>)
using rx20::ui::FolderPicker;

class tst_FolderPicker : public QObject
{
    Q_OBJECT

private slots:
    void boxText_data()
    {
        const QString sep = QDir::separator();
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("text");
        QTest::newRow("folder") << "/media/card/DCIM"
                                << QDir::toNativeSeparators("/media/card/DCIM") + sep + "NET.CFG";
        QTest::newRow("root") << "/" << QDir::toNativeSeparators("/") + "NET.CFG";
        QTest::newRow("trailing separator")
            << "/media/card/" << QDir::toNativeSeparators("/media/card/") + "NET.CFG";
        QTest::newRow("no file-system path") << ""
                                             << "";
        QTest::newRow("at the length limit")
            << "/" + QString(509, 'a')
            << QDir::toNativeSeparators("/") + QString(509, 'a') + sep + "NET.CFG";
        QTest::newRow("too long") << "/" + QString(511, 'a') << "";
    }
    void boxText()
    {
        QFETCH(QString, folder);
        QFETCH(QString, text);
        QCOMPARE(PickedPath::boxText(folder), text);
    }

    void cancelGivesEmptyBox() { QCOMPARE(PickedPath::boxText(std::nullopt), QString()); }

    void pickingFillsTheBoxTwiceInARowAndCancelClears()
    {
        rx20::test::DialogQueue dialogs;
        QWidget owner;
        QLineEdit box(&owner);
        box.setText("C:\\old\\NET.CFG");

        dialogs.expectFolder("/media/card");
        FolderPicker::pickInto(&owner, &box);
        QCOMPARE(dialogs.lastFolderTitle(), QString::fromUtf8("请选择软件安装路径："));
        const QString once =
            QDir::toNativeSeparators("/media/card") + QDir::separator() + "NET.CFG";
        QCOMPARE(box.text(), once);

        // A second pick replaces the first; the file name is never doubled.
        dialogs.expectFolder("/media/card");
        FolderPicker::pickInto(&owner, &box);
        QCOMPARE(box.text(), once);

        dialogs.expectFolderCancel();
        FolderPicker::pickInto(&owner, &box);
        QCOMPARE(box.text(), QString());
        VERIFY_DIALOGS(dialogs);
    }

    // The browser opens on the card when exactly one is in, at home otherwise.
    void startFolder_data()
    {
        using Volumes = QList<CardFolder::Volume>;
        const CardFolder::Volume root{"/", "ext4", false};
        const CardFolder::Volume efi{"/boot/efi", "vfat", false};
        const CardFolder::Volume card{"/media/ann/RX20", "vfat", true};
        const CardFolder::Volume other{"/run/media/ann/SPARE", "exfat", true};
        const CardFolder::Volume stick{"/media/ann/STICK", "ext4", true};
        const QString home = QDir::homePath();
        QTest::addColumn<Volumes>("volumes");
        QTest::addColumn<QString>("start");
        QTest::newRow("no card") << Volumes{root, efi, stick} << home;
        QTest::newRow("one card") << Volumes{root, efi, card, stick} << card.mountPoint;
        QTest::newRow("one exFAT card") << Volumes{root, other} << other.mountPoint;
        QTest::newRow("two cards") << Volumes{root, card, other} << home;
    }
    void startFolder()
    {
        QFETCH(QList<CardFolder::Volume>, volumes);
        QFETCH(QString, start);
        CardFolder::setVolumeSource([volumes] { return volumes; });
        const auto restore = qScopeGuard([] { CardFolder::setVolumeSource({}); });
        rx20::test::DialogQueue dialogs;
        QWidget owner;
        QLineEdit box(&owner);

        dialogs.expectFolder("/media/card");
        FolderPicker::pickInto(&owner, &box);
        QCOMPARE(dialogs.lastFolderStart(), start);
        QCOMPARE(dialogs.lastFolderTitle(), QString::fromUtf8("请选择软件安装路径："));
        VERIFY_DIALOGS(dialogs);
    }
};

QTEST_MAIN(tst_FolderPicker)
#include "tst_folderpicker.moc"

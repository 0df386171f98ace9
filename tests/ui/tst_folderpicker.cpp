#include "files/PickedPath.h"
#include "support/DialogQueue.h"
#include "ui/FolderPicker.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>

using rx20::PickedPath;
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
            << "/" + QString(509, 'a') << "/" + QString(509, 'a') + sep + "NET.CFG";
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
};

QTEST_MAIN(tst_FolderPicker)
#include "tst_folderpicker.moc"

#include "files/TargetPath.h"

#include <QTest>

using rx20::TargetPath;

class tst_TargetPath : public QObject
{
    Q_OBJECT

private slots:
    void resolve_data()
    {
        QTest::addColumn<QString>("pathText");
        QTest::addColumn<QString>("file");
        QTest::newRow("picker result") << "E:\\NET.CFG"
                                       << "E:\\MMS.INI";
        QTest::newRow("trailing backslash") << "E:\\DCIM\\"
                                            << "E:\\DCIM\\MMS.INI";
        QTest::newRow("no trailing backslash") << "E:\\DCIM"
                                               << "E:\\MMS.INI";
        QTest::newRow("other file name") << "D:\\card\\x.txt"
                                         << "D:\\card\\MMS.INI";
        QTest::newRow("empty") << ""
                               << "MMS.INI";
        QTest::newRow("bare name") << "NET.CFG"
                                   << "MMS.INI";
#ifndef Q_OS_WIN
        QTest::newRow("slash") << "/media/card/NET.CFG"
                               << "/media/card/MMS.INI";
        QTest::newRow("mixed, last wins") << "/media/a\\b/c"
                                          << "/media/a\\b/MMS.INI";
#endif
    }
    void resolve()
    {
        QFETCH(QString, pathText);
        QFETCH(QString, file);
        QCOMPARE(TargetPath::resolve(pathText, "MMS.INI"), file);
    }
};

QTEST_GUILESS_MAIN(tst_TargetPath)
#include "tst_targetpath.moc"

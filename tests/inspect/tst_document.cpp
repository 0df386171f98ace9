#include "camera/CameraCfg.h"
#include "camera/MmsNetCfg.h"
#include "files/SettingsFile.h"
#include "inspect/Document.h"
#include "smtp/MailNetCfg.h"
#include "smtp/SmtpNetCfg.h"
#include "wireless/MmsIni.h"

#include <QTest>

using namespace rx20;
using namespace rx20::inspect;

namespace {

QByteArray bytes(const QStringList &lines)
{
    QByteArray out;
    SettingsFile::encode(lines, &out);
    return out;
}

} // namespace

class tst_Document : public QObject
{
    Q_OBJECT

private slots:
    void recognises_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind"); // empty: not recognised

        const QByteArray mmsIni = bytes(MmsIni::lines({}));
        const QByteArray mmsNetCfg = bytes(MmsNetCfg::lines({}));
        QByteArray scrambled;
        QVERIFY(MailNetCfg::scrambledBytes({}, &scrambled));

        QTest::newRow("MMS.INI") << mmsIni << "MMS.INI"
                                 << "mms-ini";
        QTest::newRow("MMS.INI under another name") << mmsIni << "backup.txt"
                                                    << "mms-ini";
        QTest::newRow("[MMS] NET.CFG") << mmsNetCfg << "NET.CFG"
                                       << "net-cfg-mms";
        QTest::newRow("a short MMS.INI keeps its name") << mmsNetCfg << "mms.ini"
                                                        << "mms-ini";
        QTest::newRow("[SMTP] NET.CFG") << bytes(SmtpNetCfg::lines({})) << "NET.CFG"
                                        << "net-cfg-smtp";
        QTest::newRow("plain mail NET.CFG") << bytes(MailNetCfg::lines({})) << "NET.CFG"
                                            << "net-cfg-mail";
        QTest::newRow("scrambled mail NET.CFG") << scrambled << "NET.CFG"
                                                << "net-cfg-mail";
        QTest::newRow("CAMERA.CFG") << bytes(CameraCfg::lines({})) << "x.cfg"
                                    << "camera-cfg";
        QTest::newRow("an empty NET.CFG") << QByteArray() << "NET.CFG"
                                          << "";
        QTest::newRow("some text") << QByteArray("[smtp]\r\n") << "notes.txt"
                                   << "";
    }

    void recognises()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QFETCH(QString, kind);
        const DocumentRead read = Document::fromBytes(file, "/card/" + name);
        QCOMPARE(read.status.ok, !kind.isEmpty());
        QCOMPARE(read.unknownKind, kind.isEmpty());
        if (read.status)
            QCOMPARE(read.document.layout().name(), kind);
    }
};

QTEST_APPLESS_MAIN(tst_Document)
#include "tst_document.moc"

#include "camera/CameraCfg.h"
#include "camera/MmsNetCfg.h"
#include "files/SettingsFile.h"
#include "inspect/Lint.h"
#include "smtp/MailNetCfg.h"
#include "smtp/SmtpNetCfg.h"
#include "wireless/MmsIni.h"

#include <QTest>

using rx20::SettingsFile;
using namespace rx20;
using namespace rx20::inspect;

namespace {

MmsIniValues goodMmsIni()
{
    MmsIniValues v;
    v.url = "http://mms.example.com/mms";
    v.apn = "mms.example";
    v.ip = "10.0.0.1";
    v.port = "8080";
    v.phones[0] = "07700900123";
    v.emails[0] = "me@example.com";
    v.server = "smtp.example.com";
    v.ePort = "25";
    v.sender = "cam@example.com";
    return v;
}

QByteArray bytes(const QStringList &lines)
{
    QByteArray out;
    SettingsFile::encode(lines, &out);
    return out;
}

// "line:rule" of every finding, in order.
QStringList found(const QByteArray &file, std::optional<Kind> kind = std::nullopt)
{
    const DocumentRead read = Document::fromBytes(file, QStringLiteral("FILE"), kind);
    if (!read.status)
        return {read.status.message};
    QStringList out;
    for (const Finding &finding : Lint::check(read.document))
        out << QStringLiteral("%1:%2").arg(finding.line).arg(finding.rule);
    return out;
}

} // namespace

class tst_Lint : public QObject
{
    Q_OBJECT

private slots:
    void findings_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");

        const MmsIniValues good = goodMmsIni();
        const QByteArray mmsIni = bytes(MmsIni::lines(good));
        QTest::newRow("MMS.INI as written") << mmsIni << QStringList{};
        QTest::newRow("LF line ends")
            << QByteArray(mmsIni).replace("\r\n", "\n") << QStringList{"1:line-end"};
        QTest::newRow("last line end missing") << mmsIni.chopped(2) << QStringList{"25:line-end"};
        QTest::newRow("a line missing")
            << QByteArray(mmsIni).replace("Password=\r\n", "")
            << QStringList{"0:lines", "20:key", "21:key", "21:copy", "22:key", "23:key", "24:key"};
        QTest::newRow("blank after the section")
            << QByteArray(mmsIni).replace("[MMS]", "[MMS] ") << QStringList{"1:section"};
        QTest::newRow("misspelt key")
            << QByteArray(mmsIni).replace("Port=8080", "Prot=8080") << QStringList{"5:key"};
        // The reader cuts by length, so the value gains the "=".
        QTest::newRow("key spelt right") << QByteArray(mmsIni).replace("Reciver1=", "Receiver1=")
                                         << QStringList{"21:key", "21:copy"};

        const auto mmsIniWith = [&good](auto change) {
            MmsIniValues v = good;
            change(v);
            return bytes(MmsIni::lines(v));
        };
        QTest::newRow("Phone 1 and Email 1 empty") << mmsIniWith([](MmsIniValues &v) {
            v.phones[0].clear();
            v.emails[0].clear();
        }) << QStringList{"6:required", "11:required"};
        for (const char *port : {"8o", "0", "65536", " 80"})
            QTest::newRow(qPrintable(QStringLiteral("port \"%1\"").arg(port)))
                << mmsIniWith([port](MmsIniValues &v) { v.port = port; }) << QStringList{"5:port"};
        QTest::newRow("empty ports are left to the user") << mmsIniWith([](MmsIniValues &v) {
            v.port.clear();
            v.ePort.clear();
        }) << QStringList{};
        for (const char *ip : {"10.0.0", "10.0.0.256", "1.2.3.4.5", "10.0.0.1:80", "proxy .tre.se"})
            QTest::newRow(qPrintable(QStringLiteral("IP \"%1\"").arg(ip)))
                << mmsIniWith([ip](MmsIniValues &v) { v.ip = ip; }) << QStringList{"4:ip"};
        for (const char *ip : {"172.024.97.158", "mmsproxy.tre.se", "wireless.cingular.com"})
            QTest::newRow(qPrintable(QStringLiteral("IP \"%1\" is fine").arg(ip)))
                << mmsIniWith([ip](MmsIniValues &v) { v.ip = ip; }) << QStringList{};
        for (const char *email :
             {"me@", "@example.com", "me@example", "me @example.com", "me@example..com"})
            QTest::newRow(qPrintable(QStringLiteral("e-mail \"%1\"").arg(email)))
                << mmsIniWith([email](MmsIniValues &v) { v.emails[0] = email; })
                << QStringList{"11:email", "21:email"};
        // What the camera cannot reach: a port out of range in the URL, a network name with a
        // blank or a character no name has, no APN or URL at all.
        for (const char *url : {"http://mms.example.com:99999/x", "http://mms.example.com:0/"})
            QTest::newRow(qPrintable(QStringLiteral("URL \"%1\"").arg(url)))
                << mmsIniWith([url](MmsIniValues &v) { v.url = url; }) << QStringList{"2:url"};
        for (const char *apn : {"pp vodafone", "mms.example ", "mms_example", "mms..example"})
            QTest::newRow(qPrintable(QStringLiteral("APN \"%1\"").arg(apn)))
                << mmsIniWith([apn](MmsIniValues &v) { v.apn = apn; })
                << QStringList{"3:name", "18:name"};
        QTest::newRow("no URL nor APN") << mmsIniWith([](MmsIniValues &v) {
            v.url.clear();
            v.apn.clear();
        }) << QStringList{"2:required", "3:required"};
        QTest::newRow("APN copies differ")
            << QByteArray(mmsIni).replace("eAPN=mms.example", "eAPN=internet")
            << QStringList{"18:copy"};

        SmtpNetCfgValues smtp;
        smtp.emails[0] = "ops@example.org";
        const QByteArray smtpFile = bytes(SmtpNetCfg::lines(smtp));
        QTest::newRow("SMTP NET.CFG as written") << smtpFile << QStringList{};
        QTest::newRow("SMTP without its empty last line")
            << smtpFile.chopped(2) << QStringList{"0:lines"};
        QTest::newRow("SMTP SSL 2")
            << QByteArray(smtpFile).replace("SSL=0", "SSL=2") << QStringList{"12:ssl"};
        QTest::newRow("SMTP without recipient")
            << bytes(SmtpNetCfg::lines({})) << QStringList{"7:required"};

        MailNetCfgValues mail;
        mail.phone1 = "1";
        mail.emails[0] = "a@b.co";
        QByteArray scrambled;
        QVERIFY(MailNetCfg::scrambledBytes(mail, &scrambled));
        QTest::newRow("mail NET.CFG, SSL left empty") << scrambled << QStringList{"12:ssl"};
        mail.ssl = "1";
        QVERIFY(MailNetCfg::scrambledBytes(mail, &scrambled));
        QTest::newRow("mail NET.CFG as written") << scrambled << QStringList{};
        QTest::newRow("mail NET.CFG in plain text")
            << bytes(MailNetCfg::lines(mail)) << QStringList{"0:scrambled"};
        // Real account names hold "@", "_" and blanks; only a blank at an end
        // (which nobody sees) or a control character is a finding.
        const QList<std::tuple<const char *, const char *, QStringList>> credentials{
            {"WAP@CINGULARGPRS.COM", "CINGULAR1", {}},
            {"ctnet@mycdma.cn", "vnet.mobi", {}},
            {"wap user", "any text", {}},
            {"wap_user ", "pw", {"14:credential"}},
            {"wap", " pw", {"15:credential"}},
            {"wap", "p\tw", {"15:credential"}},
        };
        for (const auto &[account, password, found] : credentials) {
            mail.apnAccount = QString::fromLatin1(account);
            mail.apnPassword = QString::fromLatin1(password);
            QVERIFY(MailNetCfg::scrambledBytes(mail, &scrambled));
            QTest::newRow(qPrintable(QStringLiteral("mail NET.CFG, account \"%1\" password \"%2\"")
                                         .arg(account, password)))
                << scrambled << found;
        }

        QTest::newRow("MMS NET.CFG, nobody to send to")
            << bytes(MmsNetCfg::lines({})) << QStringList{"6:required"};
        MmsNetCfgValues mms;
        mms.emails[4] = "me@example.com";
        QTest::newRow("MMS NET.CFG, Email 5 is enough")
            << bytes(MmsNetCfg::lines(mms)) << QStringList{};

        QTest::newRow("CAMERA.CFG, no value required")
            << bytes(CameraCfg::lines({})) << QStringList{};
    }

    void findings()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        QCOMPARE(found(file), expected);
    }

    // A named kind is checked whatever the file holds.
    void namedKind()
    {
        const QByteArray camera = bytes(CameraCfg::lines({}));
        QCOMPARE(found(camera, Kind::MmsNetCfg).mid(0, 3),
                 (QStringList{"0:lines", "1:section", "2:key"}));
    }
};

QTEST_APPLESS_MAIN(tst_Lint)
#include "tst_lint.moc"

#include "catalogue/Catalogue.h"
#include "support/DialogQueue.h"
#include "ui/LinkLabel.h"
#include "ui/NewerSettingsLink.h"

#include <QTest>

using rx20::catalogue::Catalogue;
using rx20::catalogue::Copy;
using rx20::ui::NewerSettingsLink;

// The link over every copy of the catalogue, including the countries no window
// offers: whether it shows, what it says and what "Use them" gives.
class tst_NewerSettingsLink : public QObject
{
    Q_OBJECT

private slots:
    void follow_data()
    {
        QTest::addColumn<Copy>("copy");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("operatorName");
        QTest::addColumn<bool>("autoMode");
        QTest::addColumn<QStringList>("lines"); // the message's value lines; none: no link
        QTest::addColumn<QStringList>("used");  // "column=value" that "Use them" gives

        QTest::newRow("Tunisia, country-wide")
            << Copy::Wireless << "Tunisia" << "Tuntel" << true
            << QStringList{"Later public lists give other settings for Tunisia:",
                           "URL: http://192.168.0.3:19090/was (Android APN list, 2024)",
                           "IP: 192.168.0.2 (Android APN list, 2024)"}
            << QStringList{"url=http://192.168.0.3:19090/was", "ip=192.168.0.2"};
        QTest::newRow("Yugoslavia, its MMS entry still current")
            << Copy::Wireless << "Yugoslavia" << "Mobtel" << true << QStringList()
            << QStringList();
        QTest::newRow("Manual hides it") << Copy::Wireless << "Canada" << "Roger" << false
                                         << QStringList() << QStringList();
        QTest::newRow("mail copy: only the columns the window writes")
            << Copy::Mail << "Canada" << "Roger" << true
            << QStringList{"Later public lists give other settings for Roger (Canada):",
                           "APN: ltemobile.apn (Android APN list, 2024)"}
            << QStringList{"apn=ltemobile.apn"};
        QTest::newRow("own values before the successor's")
            << Copy::Mms << "Austria" << "One" << true
            << QStringList{"Later public lists give other settings for One (Austria):",
                           "APN: orange.mms", "URL: http://mmsc.orange.at/mms/wapenc"}
            << QStringList{"apn=orange.mms", "url=http://mmsc.orange.at/mms/wapenc"};
        QTest::newRow("successor, MMS window")
            << Copy::Mms << "Brazil" << "Brazil Telecom" << true
            << QStringList{"The network of Brazil Telecom (Brazil) is now Oi's.",
                           "APN: mmsgprs.oi.com.br", "URL: http://200.222.42.204:8002/",
                           "IP: 192.168.10.50"}
            << QStringList{"apn=mmsgprs.oi.com.br", "url=http://200.222.42.204:8002/",
                           "ip=192.168.10.50"};
    }
    void follow()
    {
        QFETCH(Copy, copy);
        QFETCH(QString, country);
        QFETCH(QString, operatorName);
        QFETCH(bool, autoMode);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, used);
        const QList<NewerSettingsLink::Field> fields =
            copy == Copy::Mail ? QList<NewerSettingsLink::Field>{{"apn", "APN"},
                                                                 {"account", "Account"},
                                                                 {"password", "Password"}}
                               : QList<NewerSettingsLink::Field>{{"apn", "APN"},
                                                                 {"url", "URL"},
                                                                 {"ip", "IP"}};
        QWidget window;
        auto *label = new rx20::ui::LinkLabel(&window);
        auto *link = new NewerSettingsLink(label, fields);
        window.show();
        const rx20::catalogue::Preset *preset =
            Catalogue::of(copy).findPreset(country, operatorName);
        QVERIFY(preset);
        link->follow(preset, autoMode);
        QCOMPARE(label->isVisible(), !lines.isEmpty());

        const QString text = link->message("Generate");
        qsizetype from = 0;
        for (const QString &line : lines) {
            from = text.indexOf(line, from);
            QVERIFY2(from >= 0, qPrintable(line + " not in order in:\n" + text));
        }
        rx20::test::DialogQueue dialogs;
        if (!lines.isEmpty())
            dialogs.expectQuestion(true);
        const QHash<QString, QString> chosen = link->offer(&window, "Generate");
        VERIFY_DIALOGS(dialogs);
        QStringList given;
        for (auto it = chosen.cbegin(); it != chosen.cend(); ++it)
            given << it.key() + '=' + it.value();
        given.sort();
        used.sort();
        QCOMPARE(given, used);
    }
};

QTEST_MAIN(tst_NewerSettingsLink)
#include "tst_newersettingslink.moc"

#include "cli/CatalogueCommand.h"

#include "CommandRun.h"

#include <QTest>

using rx20::cli::CatalogueCommand;
using rx20::test::CommandRun;

class tst_CatalogueCommand : public QObject
{
    Q_OBJECT

private slots:
    // Each copy's own list, order and preselection.
    void listsAsTheWindowOffers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("mms copy: no Germany")
            << QStringList{"--copy", "mms"} << QStringList{"country=France", "country=Greece"};
        QTest::newRow("mail Germany: T-Mobile preselected")
            << QStringList{"--copy", "mail", "--country", "Germany"}
            << QStringList{"operator=O2(Prepaid)",       "operator=O2(Vertrag)",
                           "operator=T-Mobile(Prepaid)", "operator=T-Mobile",
                           "operator=Vodafone",          "operator=netzclub",
                           "preselected=T-Mobile"};
        QTest::newRow("mail Russia: nothing preselected")
            << QStringList{"--copy", "mail", "--country", "Russia"} << QStringList{"preselected="};
        QTest::newRow("mail Slovakia O2: the columns it carries")
            << QStringList{"--copy", "mail", "--country", "Slovakia", "--operator", "O2"}
            << QStringList{"preset=operator", "apn=o2internet", "smtp-server=", "smtp-port=25",
                           "ssl=NO"};
        QTest::newRow("mail Australia Three: no preset")
            << QStringList{"--copy", "mail", "--country", "Australia", "--operator", "Three"}
            << QStringList{"preset=none"};
        QTest::newRow("United Kingdom T-Mobile: its successor's values")
            << QStringList{"--country", "United Kingdom", "--operator", "T-Mobile"}
            << QStringList{"successor.apn=eezone (EE: apns-conf-2024-10.xml carrier=\"EE MMS\" "
                           "mcc=\"234\" mnc=\"30\")",
                           "successor.url=http://mms/ (EE: apns-conf-2024-10.xml carrier=\"EE "
                           "MMS\" mcc=\"234\" mnc=\"30\")",
                           ""};
        QTest::newRow("Austria One: newer values, then its successor's")
            << QStringList{"--country", "Austria", "--operator", "One"}
            << QStringList{"newer.url=http://mmsc.orange.at/mms/wapenc (apns-conf-2016-12.xml "
                           "carrier=\"Orange AT-MMS\" mcc=\"232\" mnc=\"05\")",
                           "successor.apn=drei.at (Drei: apns-conf-2024-10.xml carrier=\"3 AT\" "
                           "mcc=\"232\" mnc=\"05\")"};
        QTest::newRow("mms Canada: country-wide")
            << QStringList{"--copy", "mms", "--country", "Canada", "--operator", "Rogers"}
            << QStringList{"preset=country-wide"};
    }

    void listsAsTheWindowOffers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, lines);
        const CommandRun run = CommandRun::of(CatalogueCommand(), arguments);
        QCOMPARE(run.status, 0);
        const QStringList out = run.out.split('\n');
        const qsizetype at = out.indexOf(lines.constFirst());
        QVERIFY2(at >= 0, qPrintable(run.out));
        QCOMPARE(out.mid(at, lines.size()), lines);
    }
};

QTEST_GUILESS_MAIN(tst_CatalogueCommand)
#include "tst_cataloguecommand.moc"

#include "catalogue/Catalogue.h"

#include <QTest>

using namespace rx20::catalogue;

class tst_Catalogue : public QObject
{
    Q_OBJECT

private slots:
    void entriesLoad()
    {
        QCOMPARE(Catalogue::of(Copy::Wireless).entries().size(), 99);
        QCOMPARE(Catalogue::of(Copy::Wireless).offeredCountries().size(), 35);
        QCOMPARE(Catalogue::of(Copy::Mms).offeredCountries().size(), 33);
    }
};

QTEST_GUILESS_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"

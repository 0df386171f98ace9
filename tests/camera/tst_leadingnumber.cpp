#include "camera/LeadingNumber.h"

#include <QTest>

using rx20::LeadingNumber;

class tst_LeadingNumber : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("value");

        // No number at all counts as 0.
        QTest::newRow("empty") << "" << true << 0;
        QTest::newRow("blanks only") << " \t " << true << 0;
        QTest::newRow("lone minus") << "-" << true << 0;
        QTest::newRow("lone point") << "." << true << 0;
        QTest::newRow("letters") << "abc" << true << 0;
        QTest::newRow("two signs") << "+-1" << true << 0;
        QTest::newRow("E alone") << "e5" << true << 0;

        // Reading stops where the number cannot go on.
        QTest::newRow("plain") << "42" << true << 42;
        QTest::newRow("plus sign") << "+7" << true << 7;
        QTest::newRow("minus") << "-1" << true << -1;
        QTest::newRow("minus zero") << "-0" << true << 0;
        QTest::newRow("trailing letters") << "12abc" << true << 12;
        QTest::newRow("hex prefix") << "0x10" << true << 0;
        QTest::newRow("comma") << "1,5" << true << 1;
        QTest::newRow("second point") << "1.5.9" << true << 2;
        QTest::newRow("leading zeros") << "000059" << true << 59;

        // Blanks and tabs anywhere are skipped; other spaces stop.
        QTest::newRow("blanks around") << "  5 " << true << 5;
        QTest::newRow("blanks inside") << "6 0" << true << 60;
        QTest::newRow("tab after sign") << "-\t3" << true << -3;
        QTest::newRow("blanks in exponent") << "1 e 2" << true << 100;
        QTest::newRow("line feed stops") << "5\n9" << true << 5;

        // Decimals, rounding half to even.
        QTest::newRow("point first") << ".5" << true << 0;
        QTest::newRow("point last") << "5." << true << 5;
        QTest::newRow("1.5") << "1.5" << true << 2;
        QTest::newRow("2.5") << "2.5" << true << 2;
        QTest::newRow("58.5") << "58.5" << true << 58;
        QTest::newRow("59.5") << "59.5" << true << 60;
        QTest::newRow("just above half") << "58.500000000000000000000001" << true << 59;
        QTest::newRow("just below half") << "59.499999999999999999999999" << true << 59;
        QTest::newRow("-0.5") << "-0.5" << true << 0;
        QTest::newRow("-1.5") << "-1.5" << true << -2;
        QTest::newRow("-0.51") << "-0.51" << true << -1;
        QTest::newRow("small fraction") << "0.0009" << true << 0;

        // Exponents; an incomplete one is not part of the number.
        QTest::newRow("1e1") << "1e1" << true << 10;
        QTest::newRow("upper E") << "6E1" << true << 60;
        QTest::newRow("1e+1") << "1e+1" << true << 10;
        QTest::newRow("negative exponent") << "5e-1" << true << 0;
        QTest::newRow("1e") << "1e" << true << 1;
        QTest::newRow("1e+") << "1e+" << true << 1;
        QTest::newRow("1e-x") << "1e-x" << true << 1;
        QTest::newRow("fraction raised") << "0.0235e3" << true << 24;
        QTest::newRow("tiny") << "1e-400" << true << 0;
        QTest::newRow("huge exponent digits") << "1e-99999999999999999999999" << true << 0;

        // The 16-bit edges.
        QTest::newRow("max") << "32767" << true << 32767;
        QTest::newRow("min") << "-32768" << true << -32768;
        QTest::newRow("rounds to max") << "32767.4" << true << 32767;
        QTest::newRow("rounds to min") << "-32768.5" << true << -32768;
        QTest::newRow("above max") << "32768" << false << 0;
        QTest::newRow("rounds above max") << "32767.5" << false << 0;
        QTest::newRow("below min") << "-32769" << false << 0;
        QTest::newRow("rounds below min") << "-32768.51" << false << 0;
        QTest::newRow("1e400") << "1e400" << false << 0;
        QTest::newRow("-1e400") << "-1e400" << false << 0;
        QTest::newRow("huge exponent") << "1e99999999999999999999999" << false << 0;
        QTest::newRow("500 digits") << QString(500, '9') << false << 0;
        QTest::newRow("500 zeros then 7") << QString(500, '0') + "7" << true << 7;
        QTest::newRow("long fraction") << "3." + QString(500, '0') + "1" << true << 3;
    }
    void read()
    {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        QFETCH(int, value);
        const std::optional<qint16> number = LeadingNumber::read(text);
        QCOMPARE(number.has_value(), fits);
        if (fits)
            QCOMPARE(int(*number), value);
    }

    void isWithin_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("high");
        QTest::addColumn<bool>("within");
        QTest::newRow("low edge") << "0" << 59 << true;
        QTest::newRow("high edge") << "59" << 59 << true;
        QTest::newRow("above") << "60" << 59 << false;
        QTest::newRow("below") << "-1" << 59 << false;
        QTest::newRow("rounds out") << "23.5" << 23 << false;
        QTest::newRow("does not fit") << "99999" << 23 << false;
        QTest::newRow("does not fit, negative") << "-99999" << 23 << false;
    }
    void isWithin()
    {
        QFETCH(QString, text);
        QFETCH(int, high);
        QFETCH(bool, within);
        QCOMPARE(LeadingNumber::isWithin(text, 0, high), within);
    }
};

QTEST_APPLESS_MAIN(tst_LeadingNumber)
#include "tst_leadingnumber.moc"

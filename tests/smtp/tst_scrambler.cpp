#include "smtp/Scrambler.h"

#include <QTest>

using rx20::Scrambler;

class tst_Scrambler : public QObject
{
    Q_OBJECT

private slots:
    void table_data()
    {
        QTest::addColumn<int>("plain");
        QTest::addColumn<int>("scrambled");
        QTest::newRow("0") << int('0') << 0x0F;
        QTest::newRow("9") << int('9') << 0x18;
        QTest::newRow("a") << int('a') << 0x80;
        QTest::newRow("z") << int('z') << 0x99;
        QTest::newRow("A") << int('A') << int('a');
        QTest::newRow("Z") << int('Z') << int('z');
        QTest::newRow("[") << int('[') << 0xFF;
        QTest::newRow("]") << int(']') << 0xFE;
        QTest::newRow("@") << int('@') << 0xFD;
        QTest::newRow("=") << int('=') << 0xFC;
        QTest::newRow(".") << int('.') << 0xFB;
        QTest::newRow("LF") << 0x0A << 0xF1;
        QTest::newRow("CR") << 0x0D << 0xF2;
        QTest::newRow("hyphen") << int('-') << int('-');
        QTest::newRow("underscore") << int('_') << int('_');
        QTest::newRow("slash") << int('/') << int('/');
        QTest::newRow("colon") << int(':') << int(':');
        QTest::newRow("space") << int(' ') << int(' ');
        QTest::newRow("NUL") << 0x00 << 0x00;
        QTest::newRow("0x80") << 0x80 << 0x80;
        QTest::newRow("0xE9") << 0xE9 << 0xE9;
        QTest::newRow("0xFF") << 0xFF << 0xFF;
    }
    void table()
    {
        QFETCH(int, plain);
        QFETCH(int, scrambled);
        QCOMPARE(int(static_cast<unsigned char>(Scrambler::scrambleByte(char(plain)))), scrambled);
    }

    void sectionLine()
    {
        QCOMPARE(Scrambler::scramble("[SMTP]\r\n"), QByteArray::fromHex("FF736D7470FEF2F1"));
    }

    void everyByteKeepsLengthAndNoLineEndSurvives()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QByteArray scrambled = Scrambler::scramble(all);
        QCOMPARE(scrambled.size(), 256);
        QVERIFY(!scrambled.contains('\r'));
        QVERIFY(!scrambled.contains('\n'));
    }

    void asciiRoundTripIsExact()
    {
        QByteArray ascii("\t\r\n");
        for (int b = 0x20; b < 0x7F; ++b)
            ascii.append(char(b));
        int ambiguous = -1;
        QCOMPARE(Scrambler::unscramble(Scrambler::scramble(ascii), &ambiguous), ascii);
        // Digits, lower-case letters, CR, LF and the five signs are the bytes
        // that an 8-bit text could also hold unchanged.
        QCOMPARE(ambiguous, 10 + 26 + 2 + 5);
    }

    void upperCaseIsNeverAmbiguous()
    {
        int ambiguous = -1;
        QCOMPARE(Scrambler::unscramble(Scrambler::scramble("SMTP"), &ambiguous), QByteArray("SMTP"));
        QCOMPARE(ambiguous, 0);
    }
};

QTEST_GUILESS_MAIN(tst_Scrambler)
#include "tst_scrambler.moc"

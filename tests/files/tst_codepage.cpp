#include "files/CodePage.h"

#include <QTest>

using rx20::CodePage;

class tst_CodePage : public QObject
{
    Q_OBJECT

private slots:
    void codePageForLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("codePage");
        QTest::newRow("English") << "en_GB" << QByteArray("windows-1252");
        QTest::newRow("German") << "de_DE" << QByteArray("windows-1252");
        QTest::newRow("Czech") << "cs_CZ" << QByteArray("windows-1250");
        QTest::newRow("Polish") << "pl_PL" << QByteArray("windows-1250");
        QTest::newRow("Russian") << "ru_RU" << QByteArray("windows-1251");
        QTest::newRow("Serbian Latin") << "sr_Latn_RS" << QByteArray("windows-1250");
        QTest::newRow("Greek") << "el_GR" << QByteArray("windows-1253");
        QTest::newRow("Turkish") << "tr_TR" << QByteArray("windows-1254");
        QTest::newRow("Lithuanian") << "lt_LT" << QByteArray("windows-1257");
        QTest::newRow("Chinese") << "zh_CN" << QByteArray("GBK");
        QTest::newRow("Chinese Taiwan") << "zh_TW" << QByteArray("Big5");
        QTest::newRow("Japanese") << "ja_JP" << QByteArray("Shift_JIS");
        QTest::newRow("C") << "C" << QByteArray("windows-1252");
    }
    void codePageForLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QByteArray, codePage);
        QCOMPARE(CodePage::nameForLocale(QLocale(locale)), codePage);
    }

    // What a Windows system writes in: a UTF-8 system (65001) or one whose
    // page the camera cannot read takes the user locale's ANSI code page, as
    // a system set to that locale would, and windows-1252 where it has none.
    void windowsSystemCodePage_data()
    {
        QTest::addColumn<uint>("systemPage");
        QTest::addColumn<uint>("localePage");
        QTest::addColumn<QByteArray>("codePage");
        QTest::newRow("Western system") << 1252u << 1252u << QByteArray("windows-1252");
        QTest::newRow("Russian system") << 1251u << 1252u << QByteArray("windows-1251");
        QTest::newRow("Chinese system") << 936u << 936u << QByteArray("GBK");
        QTest::newRow("Japanese system") << 932u << 1252u << QByteArray("Shift_JIS");
        QTest::newRow("UTF-8 system, Czech user") << 65001u << 1250u << QByteArray("windows-1250");
        QTest::newRow("UTF-8 system, Taiwanese user") << 65001u << 950u << QByteArray("Big5");
        QTest::newRow("UTF-8 system, Hindi user (no ANSI page)")
            << 65001u << 0u << QByteArray("windows-1252");
        QTest::newRow("UTF-8 system, UTF-8 locale") << 65001u << 65001u << QByteArray("windows-1252");
        QTest::newRow("OEM page as system") << 437u << 1253u << QByteArray("windows-1253");
    }
    void windowsSystemCodePage()
    {
        QFETCH(uint, systemPage);
        QFETCH(uint, localePage);
        QFETCH(QByteArray, codePage);
        QCOMPARE(CodePage::ansiName(systemPage, localePage), codePage);
    }

    void encode_data()
    {
        QTest::addColumn<QByteArray>("codePage");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QByteArray("windows-1252") << "APN=internet"
                               << QByteArray("APN=internet");
        QTest::newRow("latin") << QByteArray("windows-1252")
                               << QString::fromUtf8("SFR (forfait bloqué)")
                               << QByteArray("SFR (forfait bloqu\xe9)");
        QTest::newRow("euro") << QByteArray("windows-1252") << QString::fromUtf8("€")
                              << QByteArray("\x80");
        // Characters outside the code page become "?", whatever the converter
        // would substitute by itself.
        QTest::newRow("czech in 1252")
            << QByteArray("windows-1252") << QString::fromUtf8("ř") << QByteArray("?");
        QTest::newRow("chinese in 1252")
            << QByteArray("windows-1252") << QString::fromUtf8("a生成b") << QByteArray("a??b");
        QTest::newRow("emoji in 1252")
            << QByteArray("windows-1252") << QString::fromUtf8("x😀y") << QByteArray("x?y");
        // A lone surrogate is a character the page lacks too; it takes no neighbour with it.
        QTest::newRow("lone high surrogate at the end")
            << QByteArray("windows-1252") << (QStringLiteral("ab") + QChar(0xD800))
            << QByteArray("ab?");
        QTest::newRow("lone high surrogate before a letter")
            << QByteArray("windows-1252") << (QChar(0xD800) + QStringLiteral("ab"))
            << QByteArray("?ab");
        QTest::newRow("lone low surrogate")
            << QByteArray("windows-1252")
            << (QStringLiteral("a") + QChar(0xDC00) + QStringLiteral("b")) << QByteArray("a?b");
        QTest::newRow("czech in 1250")
            << QByteArray("windows-1250") << QString::fromUtf8("ř") << QByteArray("\xf8");
        QTest::newRow("cyrillic in 1251")
            << QByteArray("windows-1251") << QString::fromUtf8("Мегафон")
            << QByteArray("\xcc\xe5\xe3\xe0\xf4\xee\xed");
        QTest::newRow("chinese in GBK")
            << QByteArray("GBK") << QString::fromUtf8("生成") << QByteArray("\xc9\xfa\xb3\xc9");
        QTest::newRow("czech in Shift_JIS")
            << QByteArray("Shift_JIS") << QString::fromUtf8("aře") << QByteArray("a?e");
    }
    void encode()
    {
        QFETCH(QByteArray, codePage);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(CodePage::encode(text, codePage), bytes);
    }

    void decodeRoundTrip()
    {
        const QString text = QString::fromUtf8("Mode=Vidéo €");
        QCOMPARE(CodePage::decode(CodePage::encode(text, "windows-1252"), "windows-1252"), text);
    }

    void systemIsWindows1252InTheTestLocale()
    {
        // The test runner sets a C locale, which Windows would run as 1252.
        QCOMPARE(CodePage::systemName(), QByteArray("windows-1252"));
    }
};

QTEST_GUILESS_MAIN(tst_CodePage)
#include "tst_codepage.moc"

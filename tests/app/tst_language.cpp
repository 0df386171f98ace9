#include "app/Language.h"
#include "app/MainWindow.h"
#include "ui/DropDown.h"

#include <QLabel>
#include <QOperatingSystemVersion>
#include <QProcess>
#include <QTest>

using namespace rx20;

class tst_Language : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Language::use(QStringLiteral("en")); }

    // The first of the user's languages (most wanted first) that the program
    // speaks; English, its own, when it speaks none.
    void choosesTheFirstLanguageItSpeaks_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
        QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de";
        QTest::newRow("Canadian French") << QStringList{"fr-CA", "fr"} << "fr";
        QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt";
        QTest::newRow("Simplified Chinese") << QStringList{"zh-Hans-CN", "zh-CN", "zh"} << "zh_CN";
        QTest::newRow("Traditional Chinese, then Finnish")
            << QStringList{"zh-Hant-TW", "zh-TW", "fi"} << "fi";
        QTest::newRow("Russian, then Slovenian") << QStringList{"ru-RU", "sl-SI"} << "sl";
        QTest::newRow("English first wins over German") << QStringList{"en-GB", "de-DE"} << "en";
        QTest::newRow("none spoken") << QStringList{"ru-RU", "ja-JP"} << "en";
        QTest::newRow("C locale") << QStringList{"C"} << "en";
        QTest::newRow("nothing") << QStringList{} << "en";
    }
    void choosesTheFirstLanguageItSpeaks()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        QCOMPARE(Language::choose(uiLanguages), chosen);
    }

    // The main window's language box names the language in use in its own
    // spelling and stays disabled; the windows speak it.
    void mainWindowSpeaksTheLanguageInUse_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::newRow("en") << "en"
                            << "English";
        QTest::newRow("zh_CN") << "zh_CN" << QString::fromUtf8("中文");
        QTest::newRow("cs") << "cs"
                            << "Cesky";
        QTest::newRow("de") << "de"
                            << "Deutsch";
        QTest::newRow("es") << "es"
                            << "Espanol";
        QTest::newRow("it") << "it"
                            << "Italiano";
        QTest::newRow("fr") << "fr"
                            << "Francais";
        QTest::newRow("hu") << "hu"
                            << "Magyar";
        QTest::newRow("pt") << "pt"
                            << "Portugues";
        QTest::newRow("sl") << "sl"
                            << "Slovensko";
        QTest::newRow("fi") << "fi"
                            << "Suomi";
    }
    void mainWindowSpeaksTheLanguageInUse()
    {
        QFETCH(QString, language);
        QFETCH(QString, name);
        Language::use(language);
        QCOMPARE(Language::current(), language);
        MainWindow window;
        const auto *box = window.findChild<ui::DropDown *>("Combo1");
        QCOMPARE(box->currentText(), name);
        QVERIFY(!box->isEnabled());
        const QString caption = window.findChild<QLabel *>("Label2")->text();
        QCOMPARE(caption == QLatin1String("Language"), language == QLatin1String("en"));
    }

    // --language names a language the program speaks, or the program says
    // which it speaks and ends, before it needs a display.
    void languageOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("unknown") << QStringList{"--language", "ru"} << 2;
        QTest::newRow("unknown, one word") << QStringList{"--language=xx"} << 2;
        QTest::newRow("missing") << QStringList{"--language"} << 2;
        QTest::newRow("known, no display") << QStringList{"--language", "de"} << 1;
    }
    void languageOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows)
            QSKIP("Windows always has a display, and the test's program path is a Linux one");
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QString::fromLatin1(name));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(RX20_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), exitCode);
        const QByteArray said = program.readAllStandardError();
        QCOMPARE(said.contains("--language takes one of cs, de, en"), exitCode == 2);
    }
};

QTEST_MAIN(tst_Language)
#include "tst_language.moc"

#include "app/Language.h"
#include "camera/CameraSettingsWindow.h"
#include "camera/MmsSettingsWindow.h"
#include "cli/CameraCfgCommand.h"
#include "cli/MmsIniCommand.h"
#include "cli/NetCfgCommand.h"
#include "files/CodePage.h"
#include "files/SettingsFile.h"
#include "smtp/MailPhoneSettingsWindow.h"
#include "smtp/SmtpSettingsWindow.h"
#include "support/DialogQueue.h"
#include "support/WorkingFolder.h"
#include "ui/Forms.h"
#include "wireless/WirelessSettingsWindow.h"

#include "CommandRun.h"
#include "WindowDriver.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace rx20;
using rx20::test::CommandRun;
using rx20::test::WindowDriver;

namespace {

// What the user does in the window, in order, named by the command's option
// for the same value ("manual" has no option: it only switches the window).
using Steps = QList<std::pair<QString, QString>>;
using Action = std::function<void(const WindowDriver &, const QString &)>;

Action pick(const QString &dropDown)
{
    return [dropDown](const WindowDriver &user, const QString &item) {
        QVERIFY2(user.pick(dropDown, item), qPrintable(item));
    };
}

QStringList boxes(const char *prefix, int first)
{
    QStringList names;
    for (int i = first; i < first + 5; ++i)
        names << prefix + QString::number(i);
    return names;
}

// A window that writes one file, and the command that writes the same one.
struct Window
{
    std::function<QWidget *()> open;
    std::function<CommandRun(const QStringList &)> command;
    QString file;
    QHash<QString, QStringList> boxes; // typed into, the next box for each repetition
    QHash<QString, Action> actions;    // everything else the user does
    QString pathBox;                   // none: the window writes into the working folder
    // The messages of Generate, given the options used and the path written.
    std::function<QStringList(const QHash<QString, int> &, const QString &)> messages;
};

// A message as the window shows it in the language in use.
QString shown(const char *window, const char *message)
{
    return QCoreApplication::translate(window, message);
}

QStringList reminders(const char *window, const QHash<QString, int> &used)
{
    QStringList out;
    if (!used.contains("phone"))
        out << shown(window, "Need Phone Number Input");
    if (!used.contains("email"))
        out << shown(window, "Need Email Input");
    return out << shown(window, "Create configure file success.");
}

Window window(const QString &name)
{
    const auto mmsIni = [](const QStringList &a) {
        return CommandRun::of(cli::MmsIniCommand(), a);
    };
    const auto netCfg = [name](const QStringList &a) {
        return CommandRun::of(cli::NetCfgCommand(), QStringList{"--variant", name} + a);
    };
    if (name == QLatin1String("mms-ini"))
        return {[] { return new WirelessSettingsWindow; },
                mmsIni,
                "MMS.INI",
                {{"apn", {"Text1"}},
                 {"url", {"Text4"}},
                 {"ip", {"Text5"}},
                 {"port", {"Text6"}},
                 {"phone", boxes("Text", 7)},
                 {"email", boxes("Text", 12)},
                 {"server", {"Text20"}},
                 {"server-port", {"Text21"}},
                 {"sender", {"Text19"}},
                 {"password", {"Text18"}}},
                {{"country", pick("Combo3")},
                 {"operator", pick("Combo4")},
                 {"manual",
                  [](const WindowDriver &u, const QString &) { u.pick("Combo2", "Manual"); }}},
                "Text17",
                [](const QHash<QString, int> &used, const QString &) {
                    return reminders("rx20::WirelessSettingsWindow", used);
                }};
    if (name == QLatin1String("smtp"))
        return {[] { return new SmtpSettingsWindow; },
                netCfg,
                "NET.CFG",
                {{"apn", {"Text2"}},
                 {"server", {"Combo1"}},
                 {"server-port", {"Text6"}},
                 {"sender", {"Text7"}},
                 {"password", {"Text8"}},
                 {"email", boxes("Text", 9)}},
                {{"ssl",
                  [](const WindowDriver &u, const QString &v) {
                      u.pick("Combo8", v == QLatin1String("yes") ? "SSL" : "No SSL");
                  }}},
                "Text1",
                [](const QHash<QString, int> &, const QString &path) {
                    const char *window = "rx20::SmtpSettingsWindow";
                    return QStringList{shown(window, "Save to %1").arg(path),
                                       shown(window, "Create configure file!")};
                }};
    if (name == QLatin1String("mail"))
        return {
            [] { return new MailPhoneSettingsWindow; },
            netCfg,
            "NET.CFG",
            {{"apn", {"Text1"}},
             {"apn-account", {"Text2"}},
             {"apn-password", {"Text3"}},
             {"server", {"Text4"}},
             {"server-port", {"Text5"}},
             {"sender", {"Text6"}},
             {"password", {"Text17"}},
             {"phone", {"Text7"}},
             {"email", boxes("Text", 12)}},
            {{"country", pick("Combo3")},
             {"operator", pick("Combo4")},
             {"manual", [](const WindowDriver &u, const QString &) { u.pick("Combo1", "Manual"); }},
             {"ssl",
              [](const WindowDriver &u, const QString &v) { u.type("Combo5", v.toUpper()); }}},
            "Text18",
            [](const QHash<QString, int> &used, const QString &) {
                return reminders("rx20::MailPhoneSettingsWindow", used);
            }};
    if (name == QLatin1String("mms"))
        return {[] { return new MmsSettingsWindow; },
                netCfg,
                "NET.CFG",
                {{"url", {"Text1"}},
                 {"apn", {"Text2"}},
                 {"ip", {"Text3"}},
                 {"port", {"Text4"}},
                 {"phone", boxes("Text", 5)},
                 {"email", boxes("Text", 10)}},
                {{"country", pick("Combo3")},
                 {"operator", pick("Combo4")},
                 {"manual", [](const WindowDriver &u, const QString &) { u.click("Option2"); }}},
                "Text15",
                [](const QHash<QString, int> &used, const QString &path) {
                    const char *window = "rx20::MmsSettingsWindow";
                    QStringList out;
                    if (!used.contains("phone") && !used.contains("email"))
                        out << shown(window, "At least One phone or Email should be input!");
                    return out << shown(window, "Save to %1").arg(path)
                               << shown(window, "Create configure file!");
                }};
    // Every camera option is typed, as the window's drop-downs take any text.
    QHash<QString, QStringList> cameraBoxes{
        {"camera-name", {"Text1"}},   {"video-length", {"Text2"}},   {"interval", {"Text3"}},
        {"a-start-hour", {"Text4"}},  {"a-start-minute", {"Text5"}}, {"b-start-hour", {"Text6"}},
        {"b-start-minute", {"Text7"}}};
    const QStringList combos{"mode",           "image-size",   "image-format",  "capture-number",
                             "ir-led-control", "video-size",   "interval-unit", "sensor-level",
                             "nv-shutter",     "camera-mode",  "time-stamp",    "video-sound",
                             "over-write",     "scan-interval"};
    for (int i = 0; i < combos.size(); ++i) // Combo1 to Combo14, in this order
        cameraBoxes.insert(combos.at(i), {"Combo" + QString::number(i + 1)});
    return {[] { return new CameraSettingsWindow; },
            [](const QStringList &a) { return CommandRun::of(cli::CameraCfgCommand(), a); },
            "CAMERA.CFG",
            cameraBoxes,
            {{"field-scan", pick("Combo15")}},
            QString(),
            [](const QHash<QString, int> &, const QString &) {
                return QStringList{shown("rx20::CameraSettingsWindow", "生成配置文件成功")};
            }};
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class tst_GenerateCommand : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        ui::Forms::reset();
        Language::use(QStringLiteral("en"));
    }

    void sameBytesAsTheWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Steps>("steps");
        const Steps sendTo{
            {"phone", "07700900123"}, {"email", "me@example.com"}, {"email", "ops@example.org"}};
        const Steps account{{"server", "smtp.example.com"},
                            {"server-port", "465"},
                            {"sender", "cam@example.com"},
                            {"password", "pa ss=1"}};

        QTest::newRow("mms-ini, country")
            << "mms-ini" << Steps{{"country", "United Kingdom"}} + sendTo + account;
        // Text of the code page beyond ASCII: Windows and Linux agree on its bytes.
        QTest::newRow("mms-ini, accented password")
            << "mms-ini" << sendTo + Steps{{"password", QString::fromUtf8("Grüße €")}};
        QTest::newRow("mms-ini, then operator")
            << "mms-ini" << Steps{{"country", "United Kingdom"}, {"operator", "Vodafone"}};
        QTest::newRow("mms-ini, manual")
            << "mms-ini"
            << Steps{{"manual", ""},     {"apn", "my.apn"}, {"url", "http://mms.example/"},
                     {"ip", "10.1.2.3"}, {"port", "8080"},  {"phone", "1"},
                     {"phone", "2"}};
        QTest::newRow("smtp, as it opens") << "smtp" << Steps{};
        QTest::newRow("smtp, typed server keeps port 25, SSL")
            << "smtp"
            << Steps{{"server", "mail.example.net"}, {"apn", "web"}, {"ssl", "yes"}}
                   + sendTo.mid(1);
        QTest::newRow("mail, a later operator keeps the earlier credentials")
            << "mail" << Steps{{"country", "Germany"}, {"operator", "Vodafone"}} + sendTo + account;
        QTest::newRow("mail, SMTP preset then SSL")
            << "mail" << Steps{{"country", "Slovakia"}, {"operator", "O2"}, {"ssl", "yes"}};
        QTest::newRow("mail, manual") << "mail"
                                      << Steps{{"manual", ""},
                                               {"apn", "my.apn"},
                                               {"apn-account", "me"},
                                               {"apn-password", "pw"},
                                               {"ssl", "no"}}
                                             + sendTo;
        QTest::newRow("mms, as it opens") << "mms" << Steps{};
        QTest::newRow("mms, country, then manual")
            << "mms"
            << Steps{{"country", "France"}, {"operator", "SFR"}, {"manual", ""}, {"apn", "my.apn"}}
                   + sendTo;
        QTest::newRow("camera, as it opens") << "camera" << Steps{};
        QTest::newRow("camera, every value")
            << "camera"
            << Steps{
                   {"field-scan", "ON"},       {"a-start-hour", "6"},     {"a-start-minute", "15"},
                   {"b-start-hour", "18"},     {"b-start-minute", "45"},  {"scan-interval", "30M"},
                   {"mode", "Video"},          {"image-size", "8M"},      {"image-format", "16:9"},
                   {"capture-number", "3"},    {"ir-led-control", "Low"}, {"camera-name", "Gate 2"},
                   {"video-size", "1280x720"}, {"video-length", "30"},    {"interval", "5"},
                   {"interval-unit", "M"},     {"sensor-level", "High"},  {"nv-shutter", "High"},
                   {"camera-mode", "Night"},   {"time-stamp", "OFF"},     {"video-sound", "OFF"},
                   {"over-write", "OFF"}};
    }

    // The windows write what the command writes, byte for byte, in every
    // language they speak: nothing that reaches a file is translated.
    void sameBytesAsTheWindow()
    {
        QFETCH(QString, window);
        QFETCH(Steps, steps);
        const Window how = ::window(window);
        QTemporaryDir byCommand;
        QStringList arguments{"-o", byCommand.path()};
        for (const auto &[option, value] : steps) {
            if (option != QLatin1String("manual"))
                arguments << "--" + option << value;
        }
        QCOMPARE(how.command(arguments).status, 0);
        const QByteArray expected = contents(QDir(byCommand.path()).filePath(how.file));
        QVERIFY(expected.startsWith('[') || expected.startsWith('\xFF'));

        for (const QString &language : Language::codes()) {
            Language::use(language);
            QCOMPARE(Language::current(), language);
            test::WorkingFolder byWindow;
            test::DialogQueue dialogs;
            std::unique_ptr<QWidget> form(how.open());
            form->show();
            const WindowDriver user(form.get());
            QHash<QString, int> used;
            for (const auto &[option, value] : steps) {
                if (how.boxes.contains(option))
                    user.type(how.boxes.value(option).at(used[option]++), value);
                else
                    how.actions.value(option)(user, value);
            }
            // As the folder picker leaves the path box: the folder, then NET.CFG.
            const QString path = byWindow.file("NET.CFG");
            if (!how.pathBox.isEmpty())
                user.type(how.pathBox, path);
            for (const QString &message : how.messages(used, path))
                dialogs.expectMessage(message);
            user.click("Command2");
            VERIFY_DIALOGS(dialogs);
            QVERIFY2(contents(byWindow.file(how.file)) == expected, qPrintable(language));
            form.reset();
            ui::Forms::reset();
        }
    }

    // A character the code page cannot store: the window names its box, the
    // command its option, both the character; nothing is written, and the
    // window's messages before the write keep their order.
    void unstorableCharacterIsRefused_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QByteArray>("codePage");
        QTest::addColumn<QString>("character");
        QTest::newRow("mms-ini, Cyrillic in 1252")
            << "mms-ini"
            << "password"
            << "Password" << QByteArray("windows-1252") << "П";
        QTest::newRow("mms-ini, Chinese in 1251")
            << "mms-ini"
            << "password"
            << "Password" << QByteArray("windows-1251") << "中";
        QTest::newRow("smtp, after Save to") << "smtp"
                                             << "sender"
                                             << "Sender" << QByteArray("windows-1252") << "П";
        QTest::newRow("mail, scrambled file") << "mail"
                                              << "password"
                                              << "Password" << QByteArray("windows-1252") << "П";
        QTest::newRow("mms, after Save to") << "mms"
                                            << "phone"
                                            << "Phone 1" << QByteArray("windows-1252") << "П";
        QTest::newRow("camera, a drop-down") << "camera"
                                             << "mode"
                                             << "Mode" << QByteArray("windows-1250") << "П";
    }

    void unstorableCharacterIsRefused()
    {
        QFETCH(QString, window);
        QFETCH(QString, option);
        QFETCH(QString, label);
        QFETCH(QByteArray, codePage);
        QFETCH(QString, character);
        const QString value = QString::fromUtf8("Пароль中");
        const QString refused =
            QStringLiteral("holds \"%1\", which the camera's code page %2 cannot store; "
                           "nothing was written.")
                .arg(character, QString::fromLatin1(codePage));
        const QByteArray previous = "[OLD]\r\nkept=1\r\n";
        const Window how = ::window(window);
        test::WorkingFolder byWindow;
        QTemporaryDir byCommand;
        const QString windowFile = byWindow.file(how.file);
        const QString commandFile = QDir(byCommand.path()).filePath(how.file);
        for (const QString &file : {windowFile, commandFile}) {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(previous) == previous.size());
        }

        test::DialogQueue dialogs;
        std::unique_ptr<QWidget> form(how.open());
        form->show();
        const WindowDriver user(form.get());
        user.type(how.boxes.value(option).constFirst(), value);
        const QString path = byWindow.file("NET.CFG");
        if (!how.pathBox.isEmpty())
            user.type(how.pathBox, path);
        QStringList messages = how.messages({{option, 1}}, path);
        messages.last() = QStringLiteral("The %1 box ").arg(label) + refused;
        for (const QString &message : messages)
            dialogs.expectMessage(message);
        CodePage::setSystemName(codePage);
        const auto restore = qScopeGuard([] { CodePage::setSystemName({}); });
        user.click("Command2");
        VERIFY_DIALOGS(dialogs);
        QCOMPARE(contents(windowFile), previous);

        CodePage::setSystemName({});
        const CommandRun run = how.command({"--" + option, value, "--code-page",
                                            QString::fromLatin1(codePage), "-o", byCommand.path()});
        QCOMPARE(run.status, 1);
        // After the command's own reminders, as in the window.
        QCOMPARE(run.err.split('\n', Qt::SkipEmptyParts).constLast(),
                 QStringLiteral("rx20-config: The value of --%1 %2").arg(option, refused));
        QVERIFY2(!run.out.contains("written="), qPrintable(run.out));
        QCOMPARE(contents(commandFile), previous);
    }

    // -o takes an existing folder, or a settings file's path in one, as the
    // window's path box does; a folder that is not there is refused, and
    // nothing is written one level up from it.
    void targetPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("written"); // empty: refused
        QTest::newRow("none: the working folder") << QString() << "MMS.INI";
        QTest::newRow("a folder") << "card"
                                  << "card/MMS.INI";
        QTest::newRow("a folder, with a separator") << "card/"
                                                    << "card/MMS.INI";
        QTest::newRow("the picker's path")
            << QDir::toNativeSeparators("card/NET.CFG") << "card/MMS.INI";
        QTest::newRow("the file itself") << "card/mms.ini"
                                         << "card/MMS.INI";
        QTest::newRow("a missing folder") << "card/missing" << QString();
        QTest::newRow("a missing folder, with a separator") << "missing/" << QString();
        QTest::newRow("the file in a missing folder") << "missing/MMS.INI" << QString();
    }

    void targetPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, written);
        test::WorkingFolder working;
        QVERIFY(QDir(working.path()).mkdir("card"));
        const CommandRun run = CommandRun::of(
            cli::MmsIniCommand(), path.isEmpty() ? QStringList() : QStringList{"-o", path});
        if (written.isEmpty()) {
            QCOMPARE(run.status, 1);
            QVERIFY2(run.err.contains(QDir::toNativeSeparators(path)), qPrintable(run.err));
            QVERIFY2(!run.out.contains("written="), qPrintable(run.out));
            QCOMPARE(QDir(working.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                     QStringList{"card"});
            QCOMPARE(QDir(working.file("card")).entryList(QDir::Files), QStringList());
            return;
        }
        QCOMPARE(run.status, 0);
        QCOMPARE(run.value("written"), working.file(written));
        QVERIFY(QFile::exists(working.file(written)));
    }

    // A code page this system cannot convert: one message naming it, no file.
    void codePageNotConvertible()
    {
        test::WorkingFolder working;
        const QByteArray missing = "x-rx20-no-such-code-page";
        CodePage::setSystemName(missing);
        const auto restore = qScopeGuard([] { CodePage::setSystemName({}); });
        const CommandRun run = CommandRun::of(cli::MmsIniCommand(), {});
        QVERIFY(run.status != 0);
        QVERIFY2(run.err.contains(SettingsFile::codePageMissing(missing)), qPrintable(run.err));
        QVERIFY2(!run.out.contains("written="), qPrintable(run.out));
        QVERIFY(!QFile::exists(working.file("MMS.INI")));
    }
};

QTEST_MAIN(tst_GenerateCommand)
#include "tst_generatecommand.moc"

#include "app/FormDefinitions.h"
#include "catalogue/Catalogue.h"
#include "support/DialogQueue.h"
#include "support/WorkingFolder.h"
#include "ui/DropDown.h"
#include "ui/Forms.h"
#include "ui/MessageBox.h"
#include "ui/SettingsFile.h"
#include "ui/Twips.h"
#include "wireless/MmsIni.h"
#include "wireless/WirelessSettingsWindow.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using rx20::MmsIni;
using rx20::MmsIniValues;
using rx20::SettingsFile;
using rx20::WirelessSettingsWindow;
using rx20::catalogue::Catalogue;
using rx20::catalogue::Copy;
using rx20::catalogue::Preset;
using rx20::test::DialogQueue;
using rx20::test::ProgramEndRecorder;
using rx20::test::WorkingFolder;
using rx20::ui::DropDown;
using rx20::ui::Forms;
using rx20::ui::Twips;

namespace {

const QString success = QStringLiteral("Create configure file success.");
const QString readSuccess = QStringLiteral("Read configure file success.");
const QString needPhone = QStringLiteral("Need Phone Number Input");
const QString needEmail = QStringLiteral("Need Email Input");

// The 35 countries of the country selector, as the design lists them.
const QStringList offeredCountries = {
    "Australia", "Austria",        "Brazil",      "Bulgaria",       "Canada",       "China",
    "Croatia",   "Czech Republic", "Denmark",     "Egypt",          "Estonia",      "Finland",
    "France",    "Germany",        "Greece",      "Hungary",        "India",        "Ireland",
    "Italy",     "Lithuania",      "Netherlands", "New Zealand",    "Norway",       "Poland",
    "Portugal",  "Romania",        "Russia",      "Slovakia",       "South Africa", "Spain",
    "Sweden",    "Turkey",         "Ukraine",     "United Kingdom", "United States"};

const QStringList sixFields = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
const QStringList alwaysThere = {"Text7",  "Text8",  "Text9",  "Text10", "Text11",
                                 "Text12", "Text13", "Text14", "Text15", "Text16",
                                 "Text17", "Text18", "Text19", "Text20", "Text21"};

const Catalogue &catalogue()
{
    return Catalogue::of(Copy::Wireless);
}

QByteArray fileBytes(const QStringList &lines)
{
    return lines.join("\r\n").toLatin1() + "\r\n";
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A path text as the user's system writes it.
QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

class tst_WirelessSettingsWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<WirelessSettingsWindow> m_window;

    WirelessSettingsWindow *open()
    {
        m_window = std::make_unique<WirelessSettingsWindow>();
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            qWarning("window not exposed");
        return m_window.get();
    }

    template <typename T> T *child(const QString &name, QWidget *window = nullptr)
    {
        QWidget *in = window ? window : m_window.get();
        T *found = in->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit *box(const QString &name, QWidget *window = nullptr)
    {
        return child<QLineEdit>(name, window);
    }
    DropDown *combo(const QString &name, QWidget *window = nullptr)
    {
        return child<DropDown>(name, window);
    }
    QPushButton *button(const QString &name, QWidget *window = nullptr)
    {
        return child<QPushButton>(name, window);
    }
    QString text(const QString &name) { return box(name)->text(); }

    // The user clicks into a box and types.
    static void type(QLineEdit *target, const QString &typed)
    {
        target->setFocus();
        for (const QChar c : typed) {
            if (c.unicode() < 128)
                QTest::keyClick(target, char(c.unicode()));
            else // a key of the user's keyboard layout that is not in ASCII
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }
    // The user selects everything in a box and types over it.
    static void retype(QLineEdit *target, const QString &typed)
    {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        if (typed.isEmpty())
            QTest::keyClick(target, Qt::Key_Delete);
        else
            type(target, typed);
    }
    void type(const QString &name, const QString &typed) { type(box(name), typed); }

    // The user opens a selector's list and picks an item of it.
    static bool pick(DropDown *selector, const QString &item)
    {
        const int index = selector->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0 || !selector->isEnabled())
            return false;
        selector->showPopup();
        QAbstractItemView *list = selector->view();
        if (!QTest::qWaitFor([list] { return list->isVisible(); }))
            return false;
        list->setCurrentIndex(selector->model()->index(index, selector->modelColumn()));
        QTest::keyClick(list, Qt::Key_Return);
        return !list->isVisible() && selector->text() == item;
    }
    bool pick(const QString &name, const QString &item) { return pick(combo(name), item); }

    static void click(QPushButton *command) { QTest::mouseClick(command, Qt::LeftButton); }
    void click(const QString &name) { click(button(name)); }

    QStringList items(const QString &name)
    {
        QStringList out;
        DropDown *selector = combo(name);
        for (int i = 0; i < selector->count(); ++i)
            out << selector->itemText(i);
        return out;
    }
    QStringList texts(const QStringList &names)
    {
        QStringList out;
        for (const QString &name : names)
            out << text(name);
        return out;
    }

    // The six fields hold the preset's carried values; uncarried ones are as before.
    void verifyPresetApplied(const Preset *preset, const QStringList &before)
    {
        QVERIFY(preset);
        QCOMPARE(text("Text1"), preset->apn);
        QCOMPARE(text("Text2"), preset->password.value_or(before.at(1)));
        QCOMPARE(text("Text3"), preset->account.value_or(before.at(2)));
        QCOMPARE(text("Text4"), preset->url.value_or(before.at(3)));
        QCOMPARE(text("Text5"), preset->ip.value_or(before.at(4)));
        QCOMPARE(text("Text6"), preset->port.value_or(before.at(5)));
    }

private slots:
    void cleanup()
    {
        m_window.reset();
        Forms::reset();
    }

    // ---- design and load ------------------------------------------------

    void windowDesign()
    {
        WirelessSettingsWindow *window = open();
        QCOMPARE(window->objectName(), QStringLiteral("Form5"));
        QCOMPARE(window->windowTitle(), QStringLiteral("GPRS SETTINGS"));
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window->size(), Twips::toPixels(QSize(11610, 10770)));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(window->geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(window->geometry().center().y() - screen.center().y()) <= 1);
        QCOMPARE(window->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Highlight));
        QCOMPARE(window->font().family(), QStringLiteral("Times New Roman"));
        QVERIFY(window->font().bold());
        QVERIFY(qAbs(window->font().pointSizeF() - 14) < 0.5);
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose) == false);
    }

    void framesLabelsAndButtons()
    {
        open();
        const QList<QPair<QString, QString>> frames = {
            {"Frame1", "MMS Setting"},    {"Frame2", "GPRS Setting"},
            {"Frame3", "Server Setting"}, {"Frame4", "Server Setting"},
            {"Frame6", "Phone Setting"},  {"Frame10", "Email Setting"}};
        for (const auto &[name, caption] : frames)
            QCOMPARE(child<QGroupBox>(name)->title(), caption);

        const QList<QPair<QString, QString>> labels = {
            {"Label1", "Wireless Mode"}, {"Label2", "Setting Mode"}, {"Label3", "Country"},
            {"Label4", "Operators"},     {"Label5", "APN"},          {"Label7", "Account"},
            {"Label6", "Password"},      {"Label8", "URL"},          {"Label9", "IP"},
            {"Label10", "Port"},         {"Label25", "Server"},      {"Label26", "Port"},
            {"Label24", "Email"},        {"Label23", "Password"},    {"Label22", "SSL"},
            {"Label12", "Phone 1"},      {"Label13", "Phone 2"},     {"Label14", "Phone 3"},
            {"Label15", "Phone 4"},      {"Label16", "Phone 5"},     {"Label17", "Email 1"},
            {"Label18", "Email 2"},      {"Label19", "Email 3"},     {"Label20", "Email 4"},
            {"Label21", "Email 5"},      {"Label11", "Path"}};
        for (const auto &[name, caption] : labels)
            QCOMPARE(child<QLabel>(name)->text(), caption);

        // Each box sits in its frame.
        const QList<QPair<QString, QStringList>> holds = {
            {"Frame1", {"Combo1", "Combo2", "Combo3", "Combo4"}},
            {"Frame2", {"Text1", "Text2", "Text3"}},
            {"Frame3", {"Text4", "Text5", "Text6"}},
            {"Frame4", {"Text18", "Text19", "Text20", "Text21", "Combo5"}},
            {"Frame6", {"Text7", "Text8", "Text9", "Text10", "Text11"}},
            {"Frame10", {"Text12", "Text13", "Text14", "Text15", "Text16"}}};
        for (const auto &[frame, controls] : holds) {
            for (const QString &control : controls)
                QCOMPARE(child<QWidget>(control)->parentWidget()->objectName(), frame);
        }

        QCOMPARE(button("Command1")->text(), QStringLiteral("Read"));
        QCOMPARE(button("Command2")->text(), QStringLiteral("Generate"));
        QCOMPARE(button("Command3")->text(), QStringLiteral("Exit"));
        QCOMPARE(button("Command4")->text(), QStringLiteral("..."));
        QVERIFY(!button("Command1")->isVisible());
        QVERIFY(button("Command2")->isVisible());
        QVERIFY(button("Command3")->isVisible());
        QVERIFY(button("Command4")->isVisible());
    }

    void selectorsAtLoad()
    {
        open();
        QCOMPARE(combo("Combo1")->text(), QStringLiteral("MMS/SMTP"));
        QCOMPARE(items("Combo1"), QStringList{"MMS"});
        QVERIFY(!combo("Combo1")->isEnabled());
        QCOMPARE(combo("Combo2")->text(), QStringLiteral("Auto"));
        QCOMPARE(items("Combo2"), (QStringList{"Auto", "Manual"}));
        QVERIFY(combo("Combo2")->isEnabled());
        QCOMPARE(combo("Combo3")->text(), QString());
        QCOMPARE(items("Combo3"), offeredCountries);
        QCOMPARE(items("Combo3"), catalogue().offeredCountries());
        QVERIFY(combo("Combo3")->isEnabled());
        QCOMPARE(combo("Combo4")->text(), QString());
        QCOMPARE(items("Combo4"), (QStringList{"China Mobile", "China Unicom"}));
        QVERIFY(combo("Combo4")->isEnabled());
        QCOMPARE(combo("Combo5")->text(), QStringLiteral("YES"));
        QCOMPARE(items("Combo5"), (QStringList{"YES", "NO"}));
        QVERIFY(!combo("Combo5")->isVisible());
        QVERIFY(!child<QLabel>("Label22")->isVisible());
    }

    void blueTextsAndWhiteBoxes()
    {
        open();
        const QColor blue(0, 0, 255);
        for (const char *name : {"Text18", "Text19", "Text20", "Text21"})
            QCOMPARE(box(name)->palette().color(QPalette::Text), blue);
        QCOMPARE(combo("Combo5")->palette().color(QPalette::Text), blue);
        QVERIFY(box("Text7")->palette().color(QPalette::Text) != blue);
        for (const QString &name : alwaysThere)
            QCOMPARE(box(name)->palette().color(QPalette::Base), QColor(Qt::white));
    }

    void loadStartsInAutoWithTheSixFieldsHidden()
    {
        open();
        for (const QString &name : sixFields) {
            QVERIFY2(!box(name)->isEnabled(), qPrintable(name));
            QVERIFY2(!box(name)->isVisible(), qPrintable(name));
            QCOMPARE(text(name), QString());
        }
        // Their labels stay; the account and password rows do not show.
        for (const char *name : {"Label5", "Label8", "Label9", "Label10"})
            QVERIFY(child<QLabel>(name)->isVisible());
        QVERIFY(!child<QLabel>("Label6")->isVisible());
        QVERIFY(!child<QLabel>("Label7")->isVisible());
        for (const QString &name : alwaysThere) {
            QVERIFY2(box(name)->isEnabled() && box(name)->isVisible(), qPrintable(name));
            QCOMPARE(text(name), QString());
        }
    }

    void wirelessModeCannotBeOpenedOrChanged()
    {
        open();
        DropDown *mode = combo("Combo1");
        QTest::mouseClick(mode, Qt::LeftButton);
        QVERIFY(!mode->view()->isVisible());
        QTest::keyClick(mode, Qt::Key_Down);
        QTest::keyClicks(mode->lineEdit(), "x");
        QCOMPARE(mode->text(), QStringLiteral("MMS/SMTP"));
        QVERIFY(!pick(mode, "MMS"));
    }

    // ---- the typical use, through the main window ------------------------

    void typicalUseFromStartToMmsIni()
    {
        DialogQueue dialogs;
        QTemporaryDir card;
        rx20::defineForms();
        QWidget *main = Forms::show("Form1");
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QTest::mouseClick(main->findChild<QLabel *>("Label5"), Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!main->isVisible());
        QWidget *window = Forms::loaded("Form5");
        QVERIFY(qobject_cast<WirelessSettingsWindow *>(window));
        QVERIFY(window->isVisible());

        QVERIFY(pick(combo("Combo3", window), "United Kingdom"));
        DropDown *operators = combo("Combo4", window);
        QStringList listed;
        for (int i = 0; i < operators->count(); ++i)
            listed << operators->itemText(i);
        QCOMPARE(listed, (QStringList{"BT", "O2", "Orange", "Tesco", "Three", "T-Mobile", "Virgin",
                                      "Vodafone"}));
        QCOMPARE(operators->text(), QStringLiteral("BT"));
        const Preset *bt = catalogue().findPreset("United Kingdom", "BT");
        QVERIFY(bt && bt->url && bt->ip && bt->port);
        QVERIFY(!bt->password && !bt->account);
        QCOMPARE(*bt->port, QStringLiteral("80"));
        QCOMPARE(box("Text1", window)->text(), bt->apn);
        QCOMPARE(box("Text4", window)->text(), *bt->url);
        QCOMPARE(box("Text5", window)->text(), *bt->ip);
        QCOMPARE(box("Text6", window)->text(), QStringLiteral("80"));
        QCOMPARE(box("Text2", window)->text(), QString());
        QCOMPARE(box("Text3", window)->text(), QString());
        for (const QString &name : sixFields)
            QVERIFY(!box(name, window)->isVisible());

        type(box("Text7", window), "+44 7700 900123");
        type(box("Text20", window), "smtp.example.co.uk");
        type(box("Text21", window), "25");
        type(box("Text19", window), "camera@example.co.uk");
        type(box("Text18", window), "pa55 word");
        type(box("Text12", window), "me@example.co.uk");
        type(box("Text13", window), "office@example.co.uk");

        dialogs.expectFolder(card.path());
        click(button("Command4", window));
        QCOMPARE(box("Text17", window)->text(),
                 native(card.path()) + QDir::separator() + "NET.CFG");

        dialogs.expectMessage(success);
        click(button("Command2", window));
        const QStringList expected = {
            "[MMS]",
            "URL=" + *bt->url,
            "APN=" + bt->apn,
            "IP=" + *bt->ip,
            "Port=80",
            "Phone1=+44 7700 900123",
            "Phone2=",
            "Phone3=",
            "Phone4=",
            "Phone5=",
            "Email1=me@example.co.uk",
            "Email2=office@example.co.uk",
            "Email3=",
            "Email4=",
            "Email5=",
            "Server=smtp.example.co.uk",
            "ePort=25",
            "eAPN=" + bt->apn,
            "Sender=camera@example.co.uk",
            "Password=pa55 word",
            "Reciver1=me@example.co.uk",
            "Reciver2=office@example.co.uk",
            "Reciver3=",
            "Reciver4=",
            "Reciver5=",
        };
        QCOMPARE(contents(card.filePath("MMS.INI")), fileBytes(expected));
        QVERIFY(!QFile::exists(card.filePath("NET.CFG")));
        // Generate changes no control.
        QCOMPARE(box("Text7", window)->text(), QStringLiteral("+44 7700 900123"));
        QCOMPARE(operators->text(), QStringLiteral("BT"));
        VERIFY_DIALOGS(dialogs);
    }

    // ---- Setting Mode ----------------------------------------------------

    void manualClearsTheSixFieldsAndTheSelectors()
    {
        open();
        QVERIFY(pick("Combo3", "Russia"));
        QVERIFY(pick("Combo4", "Beeline"));
        QVERIFY(pick("Combo4", "TELE2"));
        // Let the hidden account and password hold something, whatever the data.
        box("Text2")->setText("left-over password");
        box("Text3")->setText("left-over account");
        type("Text7", "123");
        type("Text12", "a@b.c");
        type("Text20", "smtp.b.c");
        type("Text21", "587");
        type("Text19", "s@b.c");
        type("Text18", "pw");
        type("Text17", "somewhere");
        const QStringList keptBefore = texts(alwaysThere);

        QVERIFY(pick("Combo2", "Manual"));
        for (const QString &name : sixFields)
            QCOMPARE(text(name), QString());
        QCOMPARE(combo("Combo3")->text(), QString());
        QCOMPARE(combo("Combo4")->text(), QString());
        // The lists are not changed.
        QCOMPARE(items("Combo3"), offeredCountries);
        QCOMPARE(items("Combo4"), (QStringList{"Beeline", "Megafon", "MTS", "TELE2"}));
        QVERIFY(!combo("Combo3")->isEnabled());
        QVERIFY(!combo("Combo4")->isEnabled());
        for (const char *name : {"Text1", "Text4", "Text5", "Text6"})
            QVERIFY2(box(name)->isEnabled() && box(name)->isVisible(), qPrintable(name));
        for (const char *name : {"Text2", "Text3"})
            QVERIFY2(!box(name)->isEnabled() && !box(name)->isVisible(), qPrintable(name));
        QCOMPARE(texts(alwaysThere), keptBefore);
        QVERIFY(!pick("Combo3", "Canada")); // locked
    }

    void autoHidesWithoutClearingAndGenerateWritesThem()
    {
        DialogQueue dialogs;
        WorkingFolder folder;
        open();
        QVERIFY(pick("Combo2", "Manual"));
        type("Text1", "my.apn");
        type("Text4", "http://mms.example/");
        type("Text5", "10.0.0.1");
        type("Text6", "9201");
        type("Text7", "1");
        type("Text12", "x@y.z");

        QVERIFY(pick("Combo2", "Auto"));
        for (const QString &name : sixFields)
            QVERIFY2(!box(name)->isEnabled() && !box(name)->isVisible(), qPrintable(name));
        QCOMPARE(texts({"Text1", "Text4", "Text5", "Text6"}),
                 (QStringList{"my.apn", "http://mms.example/", "10.0.0.1", "9201"}));
        QVERIFY(combo("Combo3")->isEnabled());
        QVERIFY(combo("Combo4")->isEnabled());
        QCOMPARE(combo("Combo3")->text(), QString());
        QCOMPARE(combo("Combo4")->text(), QString());

        dialogs.expectMessage(success);
        click("Command2");
        const QStringList lines = QString::fromLatin1(folder.read("MMS.INI")).split("\r\n");
        QCOMPARE(lines.at(1), QStringLiteral("URL=http://mms.example/"));
        QCOMPARE(lines.at(2), QStringLiteral("APN=my.apn"));
        QCOMPARE(lines.at(3), QStringLiteral("IP=10.0.0.1"));
        QCOMPARE(lines.at(4), QStringLiteral("Port=9201"));
        QCOMPARE(lines.at(17), QStringLiteral("eAPN=my.apn"));
        VERIFY_DIALOGS(dialogs);
    }

    void manualTwiceClearsEachTime()
    {
        open();
        QVERIFY(pick("Combo2", "Manual"));
        type("Text1", "first");
        type("Text6", "80");
        QVERIFY(pick("Combo2", "Manual"));
        QCOMPARE(text("Text1"), QString());
        QCOMPARE(text("Text6"), QString());
        QVERIFY(box("Text1")->isVisible());
    }

    void typingIntoTheSelectorsRunsNothing()
    {
        open();
        DropDown *country = combo("Combo3");
        country->lineEdit()->setFocus();
        QTest::keyClicks(country->lineEdit(), "United Kingdom");
        QTest::keyClick(country->lineEdit(), Qt::Key_Return);
        box("Text7")->setFocus();
        QCOMPARE(country->text(), QStringLiteral("United Kingdom"));
        QCOMPARE(items("Combo4"), (QStringList{"China Mobile", "China Unicom"}));
        QCOMPARE(combo("Combo4")->text(), QString());
        for (const QString &name : sixFields)
            QCOMPARE(text(name), QString());

        // Typing an operator name runs nothing either, even with a country chosen.
        QVERIFY(pick("Combo3", "Netherlands"));
        const QStringList before = texts(sixFields);
        DropDown *operators = combo("Combo4");
        operators->lineEdit()->setFocus();
        operators->lineEdit()->selectAll();
        QTest::keyClicks(operators->lineEdit(), "Telfort");
        QTest::keyClick(operators->lineEdit(), Qt::Key_Return);
        box("Text7")->setFocus();
        QCOMPARE(texts(sixFields), before);

        // And typing "Manual" is no mode change.
        DropDown *mode = combo("Combo2");
        mode->lineEdit()->setFocus();
        mode->lineEdit()->selectAll();
        QTest::keyClicks(mode->lineEdit(), "Manual");
        QTest::keyClick(mode->lineEdit(), Qt::Key_Return);
        box("Text7")->setFocus();
        QVERIFY(!box("Text1")->isVisible());
        QCOMPARE(texts(sixFields), before);
    }

    void exitUnloadsAndReopeningGivesAFreshWindow()
    {
        rx20::defineForms();
        QWidget *main = Forms::show("Form1");
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->move(main->pos() + QPoint(17, 11));
        const QPoint where = main->pos();
        auto *link = main->findChild<QLabel *>("Label5");
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
        QPointer<QWidget> first = Forms::loaded("Form5");
        QVERIFY(first && first->isVisible());
        QVERIFY(pick(combo("Combo2", first), "Manual"));
        type(box("Text1", first), "typed.apn");
        type(box("Text7", first), "555");

        click(button("Command3", first));
        QVERIFY(!Forms::loaded("Form5"));
        QVERIFY(main->isVisible());
        QCOMPARE(main->pos(), where);
        QTRY_VERIFY(first.isNull());

        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
        QWidget *second = Forms::loaded("Form5");
        QVERIFY(second && second->isVisible());
        QCOMPARE(combo("Combo2", second)->text(), QStringLiteral("Auto"));
        QCOMPARE(box("Text1", second)->text(), QString());
        QCOMPARE(box("Text7", second)->text(), QString());
        for (const QString &name : sixFields)
            QVERIFY(!box(name, second)->isVisible());
    }

    // ---- countries and operators -----------------------------------------

    void australiaAppliesOptus()
    {
        open();
        const QStringList before = texts(sixFields);
        QVERIFY(pick("Combo3", "Australia"));
        QCOMPARE(items("Combo4"), (QStringList{"Optus", "Telstra", "Three", "Vodafone"}));
        QCOMPARE(combo("Combo4")->text(), QStringLiteral("Optus"));
        QCOMPARE(text("Text1"), QStringLiteral("mms"));
        QCOMPARE(text("Text6"), QStringLiteral("8070"));
        verifyPresetApplied(catalogue().findPreset("Australia", "Optus"), before);

        // "Three" has no preset in this window: nothing changes.
        const QStringList optus = texts(sixFields);
        QVERIFY(pick("Combo4", "Three"));
        QCOMPARE(texts(sixFields), optus);
    }

    void canadaShowsAndAppliesRoger()
    {
        open();
        const QStringList before = texts(sixFields);
        QVERIFY(pick("Combo3", "Canada"));
        QCOMPARE(items("Combo4"), (QStringList{"Bell", "Fido", "Koodo", "Roger", "Telus"}));
        QCOMPARE(combo("Combo4")->text(), QStringLiteral("Roger"));
        QCOMPARE(text("Text6"), QStringLiteral("80"));
        verifyPresetApplied(catalogue().findPreset("Canada", "Roger"), before);
    }

    void slovakiaShowsAndAppliesTMobile()
    {
        open();
        const QStringList before = texts(sixFields);
        QVERIFY(pick("Combo3", "Slovakia"));
        QCOMPARE(items("Combo4"), (QStringList{"O2", "T-Mobile", "Orange"}));
        QCOMPARE(combo("Combo4")->text(), QStringLiteral("T-Mobile"));
        QCOMPARE(text("Text1"), QStringLiteral("mms"));
        QCOMPARE(text("Text6"), QStringLiteral("8080"));
        verifyPresetApplied(catalogue().findPreset("Slovakia", "T-Mobile"), before);

        QVERIFY(pick("Combo4", "Orange"));
        QCOMPARE(text("Text6"), QStringLiteral("8799"));
    }

    void germanyAndRussiaLeaveOperatorEmptyAndFieldsUnchanged_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QStringList>("operators");
        QTest::newRow("Germany") << "Germany"
                                 << QStringList{"O2(Prepaid)", "O2(Vertrag)", "T-Mobile(Prepaid)",
                                                "T-Mobile", "Vodafone"};
        QTest::newRow("Russia") << "Russia" << QStringList{"Beeline", "Megafon", "MTS", "TELE2"};
    }
    void germanyAndRussiaLeaveOperatorEmptyAndFieldsUnchanged()
    {
        QFETCH(QString, country);
        QFETCH(QStringList, operators);
        open();
        QVERIFY(pick("Combo3", "China"));
        QCOMPARE(text("Text1"), QStringLiteral("cmwap"));
        box("Text2")->setText("earlier password");
        box("Text3")->setText("earlier account");
        const QStringList before = texts(sixFields);

        QVERIFY(pick("Combo3", country));
        QCOMPARE(items("Combo4"), operators);
        QCOMPARE(combo("Combo4")->text(), QString());
        QCOMPARE(texts(sixFields), before);
    }

    void germanOperatorsApplyWhenPicked()
    {
        open();
        QVERIFY(pick("Combo3", "Germany"));
        QVERIFY(pick("Combo4", "O2(Vertrag)"));
        QCOMPARE(text("Text1"), QStringLiteral("internet"));
        QCOMPARE(text("Text6"), QStringLiteral("8080"));
        QVERIFY(pick("Combo4", "T-Mobile(Prepaid)"));
        QCOMPARE(text("Text6"), QStringLiteral("8008"));
        const QStringList before = texts(sixFields);
        QVERIFY(pick("Combo4", "T-Mobile"));
        verifyPresetApplied(catalogue().findPreset("Germany", "T-Mobile"), before);
    }

    void croatiaIsCountryWide()
    {
        open();
        const Preset *croatia = catalogue().findPreset("Croatia", "VIPNet");
        QVERIFY(croatia && croatia->isCountryWide());
        QCOMPARE(catalogue().findPreset("Croatia", "anything"), croatia);
        const QStringList before = texts(sixFields);
        QVERIFY(pick("Combo3", "Croatia"));
        QCOMPARE(items("Combo4"), QStringList{"VIPNet"});
        QCOMPARE(combo("Combo4")->text(), QStringLiteral("VIPNet"));
        QCOMPARE(text("Text6"), QStringLiteral("80"));
        verifyPresetApplied(croatia, before);
    }

    void vodafoneDependsOnTheCountry()
    {
        open();
        QVERIFY(pick("Combo3", "Germany"));
        QVERIFY(pick("Combo4", "Vodafone"));
        const QStringList german = texts(sixFields);
        verifyPresetApplied(catalogue().findPreset("Germany", "Vodafone"), german);
        QVERIFY(pick("Combo3", "Ireland"));
        verifyPresetApplied(catalogue().findPreset("Ireland", "Vodafone"), german);
    }

    void megafonAfterBeelineEmptiesTheCredentials()
    {
        open();
        QVERIFY(pick("Combo3", "Russia"));
        QVERIFY(pick("Combo4", "Beeline"));
        const Preset *beeline = catalogue().findPreset("Russia", "Beeline");
        QVERIFY(beeline && beeline->password && beeline->account);
        QCOMPARE(text("Text2"), *beeline->password);
        QCOMPARE(text("Text3"), *beeline->account);
        QCOMPARE(text("Text6"), QStringLiteral("8080"));
        // Whatever Beeline left there, Megafon empties it.
        if (text("Text2").isEmpty())
            box("Text2")->setText("beeline password");
        if (text("Text3").isEmpty())
            box("Text3")->setText("beeline account");

        QVERIFY(pick("Combo4", "Megafon"));
        QCOMPARE(text("Text1"), QStringLiteral("mms"));
        QCOMPARE(text("Text2"), QString());
        QCOMPARE(text("Text3"), QString());
        QCOMPARE(text("Text6"), QStringLiteral("8080"));
    }

    void tele2AfterBeelineKeepsTheCredentials()
    {
        open();
        QVERIFY(pick("Combo3", "Russia"));
        QVERIFY(pick("Combo4", "Beeline"));
        if (text("Text2").isEmpty())
            box("Text2")->setText("beeline password");
        if (text("Text3").isEmpty())
            box("Text3")->setText("beeline account");
        const QString password = text("Text2");
        const QString account = text("Text3");

        QVERIFY(pick("Combo4", "TELE2"));
        const Preset *tele2 = catalogue().findPreset("Russia", "TELE2");
        QVERIFY(tele2 && !tele2->password && !tele2->account);
        QCOMPARE(text("Text1"), tele2->apn);
        QCOMPARE(text("Text2"), password);
        QCOMPARE(text("Text3"), account);
    }

    void choosingACountryTwiceRebuildsTheList()
    {
        open();
        QVERIFY(pick("Combo3", "United Kingdom"));
        QVERIFY(pick("Combo4", "Orange"));
        QCOMPARE(text("Text1"), QStringLiteral("orangemms"));
        QVERIFY(pick("Combo3", "United Kingdom"));
        QCOMPARE(combo("Combo4")->count(), 8);
        QCOMPARE(combo("Combo4")->text(), QStringLiteral("BT"));
        QCOMPARE(text("Text1"), catalogue().findPreset("United Kingdom", "BT")->apn);
    }

    void designOperatorsBeforeAnyCountryChangeNothing()
    {
        open();
        QVERIFY(pick("Combo4", "China Mobile"));
        for (const QString &name : sixFields)
            QCOMPARE(text(name), QString());
    }

    void arrowKeysPickTheNextCountry()
    {
        open();
        QVERIFY(pick("Combo3", "Canada"));
        DropDown *country = combo("Combo3");
        country->setFocus();
        QTest::keyClick(country, Qt::Key_Down);
        QCOMPARE(country->text(), QStringLiteral("China"));
        QCOMPARE(items("Combo4"), (QStringList{"China Mobile", "China Unicom"}));
        QCOMPARE(combo("Combo4")->text(), QStringLiteral("China Mobile"));
        QCOMPARE(text("Text1"), QStringLiteral("cmwap"));
    }

    // ---- Generate ----------------------------------------------------------

    void generateRightAfterOpeningWritesEmptyServerLines()
    {
        DialogQueue dialogs;
        WorkingFolder folder;
        open();
        dialogs.expectMessage(needPhone);
        dialogs.expectMessage(needEmail);
        dialogs.expectMessage(success);
        click("Command2");
        const QStringList expected = {
            "[MMS]",     "URL=",      "APN=",      "IP=",      "Port=",   "Phone1=",   "Phone2=",
            "Phone3=",   "Phone4=",   "Phone5=",   "Email1=",  "Email2=", "Email3=",   "Email4=",
            "Email5=",   "Server=",   "ePort=",    "eAPN=",    "Sender=", "Password=", "Reciver1=",
            "Reciver2=", "Reciver3=", "Reciver4=", "Reciver5="};
        QCOMPARE(folder.read("MMS.INI"), fileBytes(expected));
        QCOMPARE(dialogs.messages(), (QStringList{needPhone, needEmail, success}));
        VERIFY_DIALOGS(dialogs);
    }

    void remindersAreNotStops_data()
    {
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("both empty") << ""
                                    << "" << QStringList{needPhone, needEmail, success};
        QTest::newRow("phone empty") << ""
                                     << "a@b.c" << QStringList{needPhone, success};
        QTest::newRow("email empty") << "12"
                                     << "" << QStringList{needEmail, success};
        QTest::newRow("one space each") << " "
                                        << " " << QStringList{success};
    }
    void remindersAreNotStops()
    {
        QFETCH(QString, phone);
        QFETCH(QString, email);
        QFETCH(QStringList, messages);
        DialogQueue dialogs;
        WorkingFolder folder;
        open();
        // The other eight may stay empty; only the first ones are tested.
        type("Text8", "2");
        type("Text13", "second@b.c");
        type("Text7", phone);
        type("Text12", email);
        for (const QString &message : messages)
            dialogs.expectMessage(message);
        click("Command2");
        const QByteArray written = folder.read("MMS.INI");
        QVERIFY(written.contains("\r\nPhone1=" + phone.toLatin1() + "\r\n"));
        QVERIFY(written.contains("\r\nEmail1=" + email.toLatin1() + "\r\n"));
        QVERIFY(written.contains("\r\nReciver1=" + email.toLatin1() + "\r\n"));
        QCOMPARE(written.count("\r\n"), 25);
        VERIFY_DIALOGS(dialogs);
    }

    void targetPath_data()
    {
        QTest::addColumn<QString>("typed");   // with "X:" for the card's folder
        QTest::addColumn<QString>("written"); // relative to the card, "" for the working dir
        QTest::newRow("X/NET.CFG") << "X:/NET.CFG"
                                   << "MMS.INI";
        QTest::newRow("X/DCIM/") << "X:/DCIM/"
                                 << "DCIM/MMS.INI";
        QTest::newRow("X/DCIM") << "X:/DCIM"
                                << "MMS.INI";
        QTest::newRow("X/DCIM/OTHER.TXT") << "X:/DCIM/OTHER.TXT"
                                          << "DCIM/MMS.INI";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("no separator") << "NET.CFG"
                                      << "";
    }
    void targetPath()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        DialogQueue dialogs;
        WorkingFolder folder;
        QTemporaryDir card;
        QVERIFY(QDir(card.path()).mkdir("DCIM"));
        open();
        type("Text7", "1");
        type("Text12", "a@b.c");
        // The path as this system writes it: "\" on Windows, "/" elsewhere.
        QString path = typed;
        path.replace("X:", card.path());
        type("Text17", native(path));
        dialogs.expectMessage(success);
        click("Command2");
        const QString target = written.isEmpty() ? folder.file("MMS.INI") : card.filePath(written);
        QVERIFY2(QFile::exists(target), qPrintable(target));
        QCOMPARE(contents(target).count("\r\n"), 25);
        // Nowhere else.
        const QStringList everywhere = {folder.file("MMS.INI"), card.filePath("MMS.INI"),
                                        card.filePath("DCIM/MMS.INI")};
        for (const QString &other : everywhere) {
            if (QFileInfo(other) != QFileInfo(target))
                QVERIFY2(!QFile::exists(other), qPrintable(other));
        }
        QCOMPARE(text("Text17"), native(path)); // Generate changes no control
        VERIFY_DIALOGS(dialogs);
    }

    void aLongerOldFileIsReplacedByExactly25Lines()
    {
        DialogQueue dialogs;
        WorkingFolder folder;
        QByteArray old;
        for (int i = 0; i < 60; ++i)
            old += "Reciver" + QByteArray::number(i) + "=a much longer line than the new ones\r\n";
        QVERIFY(folder.write("MMS.INI", old));
        open();
        type("Text7", "1");
        type("Text12", "a@b.c");
        dialogs.expectMessage(success);
        click("Command2");
        const QByteArray now = folder.read("MMS.INI");
        QCOMPARE(now.count("\r\n"), 25);
        QVERIFY(now.startsWith("[MMS]\r\nURL=\r\n"));
        QVERIFY(now.endsWith("\r\nReciver5=\r\n"));
        VERIFY_DIALOGS(dialogs);
    }

    void generateIntoAMissingFolderReportsAndWritesNothing()
    {
        DialogQueue dialogs;
        QTemporaryDir card;
        open();
        type("Text7", "1");
        type("Text12", "a@b.c");
        type("Text17", native(card.filePath("missing/NET.CFG")));
        const QString target = card.filePath("missing/MMS.INI");
        const QString expected = MmsIni::write(target, MmsIniValues{}).message;
        QVERIFY2(expected.contains(native(target)), qPrintable(expected));
        QVERIFY2(expected.contains("does not exist"), qPrintable(expected));
        dialogs.expectMessage(expected);
        click("Command2");
        QCOMPARE(dialogs.messages(), QStringList{expected});
        QVERIFY(!QFile::exists(target));
        QVERIFY(!QDir(card.filePath("missing")).exists());
        VERIFY_DIALOGS(dialogs);
    }

    void generateOntoAFolderNamedMmsIniReports()
    {
        DialogQueue dialogs;
        QTemporaryDir card;
        QVERIFY(QDir(card.path()).mkdir("MMS.INI"));
        open();
        type("Text7", "1");
        type("Text12", "a@b.c");
        type("Text17", native(card.filePath("NET.CFG")));
        const QString target = card.filePath("MMS.INI");
        const QString expected = MmsIni::write(target, MmsIniValues{}).message;
        QVERIFY(!expected.isEmpty());
        QVERIFY2(expected.contains(native(target)), qPrintable(expected));
        dialogs.expectMessage(expected);
        click("Command2");
        QVERIFY(QFileInfo(target).isDir());
        VERIFY_DIALOGS(dialogs);
    }

    void aFailedWriteKeepsTheOldFile()
    {
        DialogQueue dialogs;
        QTemporaryDir card;
        const QString target = card.filePath("MMS.INI");
        const QByteArray old = "[MMS]\r\nURL=old\r\n";
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        }
        const auto writable =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
        QFile::setPermissions(card.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFile probe(card.filePath("probe")); probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QFile::setPermissions(card.path(), writable);
            QSKIP("this user writes into read-only folders (root); aFullMediumKeepsTheOldFile "
                  "covers a refused write");
        }
        open();
        type("Text7", "1");
        type("Text12", "a@b.c");
        type("Text17", native(card.filePath("NET.CFG")));
        bool reported = false;
        rx20::ui::MessageBox::setHandler([&](QWidget *, const QString &message) {
            reported = message.contains(native(target)) && message != success;
        });
        click("Command2");
        QFile::setPermissions(card.path(), writable);
        QVERIFY(reported);
        QCOMPARE(contents(target), old);
    }

    void generateWhereAFileStandsForTheFolderReports()
    {
        DialogQueue dialogs;
        QTemporaryDir card;
        {
            QFile f(card.filePath("DCIM"));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("not a folder") == 12);
        }
        open();
        type("Text7", "1");
        type("Text12", "a@b.c");
        type("Text17", native(card.filePath("DCIM/NET.CFG")));
        const QString target = card.filePath("DCIM/MMS.INI");
        const QString expected = MmsIni::write(target, MmsIniValues{}).message;
        QVERIFY2(expected.contains(native(target)), qPrintable(expected));
        QVERIFY2(expected.contains("is not a folder"), qPrintable(expected));
        dialogs.expectMessage(expected);
        click("Command2");
        QCOMPARE(contents(card.filePath("DCIM")), QByteArray("not a folder"));
        VERIFY_DIALOGS(dialogs);
    }

    void aFullMediumKeepsTheOldFile()
    {
#ifndef Q_OS_UNIX
        QSKIP("the file size limit that stands in for a full card is a Unix feature");
#else
        DialogQueue dialogs;
        QTemporaryDir card;
        const QString target = card.filePath("MMS.INI");
        const QByteArray old = "[MMS]\r\nURL=old\r\nAPN=old\r\n";
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        }
        open();
        type("Text7", "1");
        type("Text12", "a@b.c");
        type("Text17", native(card.filePath("NET.CFG")));

        // Room for 16 bytes only: the new file cannot be written in full.
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 16;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        QStringList shown;
        rx20::ui::MessageBox::setHandler(
            [&shown](QWidget *, const QString &message) { shown << message; });
        click("Command2");
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().contains(native(target)), qPrintable(shown.first()));
        QVERIFY2(shown.first().startsWith("Could not write"), qPrintable(shown.first()));
        QCOMPARE(contents(target), old);
        // No half-written file is left beside it.
        QCOMPARE(QDir(card.path()).entryList(QDir::Files), QStringList{"MMS.INI"});
#endif
    }

    void aLineBreakInAValueIsRefusedAndKeepsTheOldFile()
    {
        DialogQueue dialogs;
        WorkingFolder folder;
        const QByteArray old = "[MMS]\r\nURL=old\r\n";
        QVERIFY(folder.write("MMS.INI", old));
        open();
        type("Text7", "1");
        type("Text12", "a@b.c");
        // The user pastes a text of two lines into the server box.
        QGuiApplication::clipboard()->setText("smtp.example.com\nsecond line");
        QLineEdit *server = box("Text20");
        server->setFocus();
        server->paste();
        if (!server->text().contains('\n'))
            server->setText("smtp.example.com\nsecond line"); // the clipboard is not available
        QVERIFY(server->text().contains('\n'));
        QStringList lines = MmsIni::lines(MmsIniValues{});
        QByteArray ignored;
        lines[15] = "Server=" + server->text();
        const QString expected = SettingsFile::encode(lines, &ignored).message;
        QVERIFY2(expected.contains("Server="), qPrintable(expected));
        dialogs.expectMessage(expected);
        click("Command2");
        QCOMPARE(folder.read("MMS.INI"), old);
        QCOMPARE(dialogs.messages(), QStringList{expected});
        VERIFY_DIALOGS(dialogs);
    }

    // ---- Read --------------------------------------------------------------

    void generateThenReadRestoresEveryBox()
    {
        DialogQueue dialogs;
        WorkingFolder folder;
        open();
        QVERIFY(pick("Combo2", "Manual"));
        const QStringList names = {"Text1",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
                                   "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14",
                                   "Text15", "Text16", "Text20", "Text21", "Text19", "Text18"};
        QStringList typed;
        for (const QString &name : names) {
            const QString value = name == "Text18" ? QStringLiteral(" pass word ")
                                                   : QString::fromUtf8("v-%1-é").arg(name);
            type(name, value);
            typed << value;
        }
        dialogs.expectMessage(success);
        click("Command2");

        // The user changes every box, and switches to Manual again (which clears six).
        for (const QString &name : names)
            retype(box(name), "changed");
        QVERIFY(pick("Combo2", "Manual"));
        type("Text17", "kept path");

        dialogs.expectMessage(readSuccess);
        button("Command1")->click(); // hidden, but still wired
        QCOMPARE(texts(names), typed);
        QCOMPARE(text("Text17"), QStringLiteral("kept path"));
        QCOMPARE(text("Text2"), QString());
        QCOMPARE(text("Text3"), QString());
        QCOMPARE(combo("Combo2")->text(), QStringLiteral("Manual"));
        VERIFY_DIALOGS(dialogs);
    }

    void readInAutoLoadsIntoHiddenBoxesAndChangesNoState()
    {
        DialogQueue dialogs;
        WorkingFolder folder;
        MmsIniValues v;
        v.url = "u";
        v.apn = "a";
        v.ip = "i";
        v.port = "p";
        v.phones = {"1", "2", "3", "4", "5"};
        v.emails = {"e1", "e2", "e3", "e4", "e5"};
        v.server = "s";
        v.ePort = "ep";
        v.sender = "se";
        v.password = "pw";
        QVERIFY(MmsIni::write(folder.file("MMS.INI"), v).ok);
        open();
        QVERIFY(pick("Combo3", "Russia"));
        QVERIFY(pick("Combo4", "Beeline"));
        box("Text2")->setText("beeline password");
        box("Text3")->setText("beeline account");
        type("Text17", native(QDir::tempPath()) + QDir::separator() + "NET.CFG");

        dialogs.expectMessage(readSuccess);
        button("Command1")->click();
        QCOMPARE(texts({"Text4", "Text1", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10",
                        "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text20",
                        "Text21", "Text19", "Text18"}),
                 (QStringList{"u", "a", "i", "p", "1", "2", "3", "4", "5", "e1", "e2", "e3", "e4",
                              "e5", "s", "ep", "se", "pw"}));
        for (const QString &name : sixFields)
            QVERIFY2(!box(name)->isVisible() && !box(name)->isEnabled(), qPrintable(name));
        QCOMPARE(text("Text2"), QStringLiteral("beeline password"));
        QCOMPARE(text("Text3"), QStringLiteral("beeline account"));
        QCOMPARE(combo("Combo2")->text(), QStringLiteral("Auto"));
        QCOMPARE(combo("Combo3")->text(), QStringLiteral("Russia"));
        QCOMPARE(combo("Combo4")->text(), QStringLiteral("Beeline"));
        QCOMPARE(text("Text17"), native(QDir::tempPath()) + QDir::separator() + "NET.CFG");
        VERIFY_DIALOGS(dialogs);
    }

    void readOfAnOddFileTakesValuesByPosition()
    {
        DialogQueue dialogs;
        WorkingFolder folder;
        // Other keys of the same lengths, short lines, the later line winning,
        // LF line ends, and lines past the 25th.
        const QStringList lines = {"[SOMETHING]",   "URL=",
                                   "XYZ=apn-first", "IP",
                                   "PORT:8080",     "PHONE1:111",
                                   "Phone2=222",    "P",
                                   "Phone4=444",    "Phone5=555",
                                   "Email1=early",  "Email2=e2",
                                   "Email3=e3",     "Email4=e4",
                                   "Email5=e5",     "SERVER:smtp",
                                   "ePort=25",      "eAPN=apn-late",
                                   "Sender=snd",    "Password=pw",
                                   "Reciver1=late", "Reciver2=e2",
                                   "Reciver3=e3",   "Reciver4=e4",
                                   "Reciver5=",     "Reciver1=ignored",
                                   "eAPN=ignored"};
        QVERIFY(folder.write("MMS.INI", lines.join("\n").toLatin1() + "\n"));
        open();
        type("Text4", "not reachable"); // hidden and disabled in Auto: nothing typed
        QCOMPARE(text("Text4"), QString());
        box("Text4")->setText("before");

        dialogs.expectMessage(readSuccess);
        button("Command1")->click();
        QCOMPARE(text("Text4"), QString());
        QCOMPARE(text("Text1"), QStringLiteral("apn-late"));
        QCOMPARE(text("Text5"), QString());
        QCOMPARE(text("Text6"), QStringLiteral("8080"));
        QCOMPARE(text("Text7"), QStringLiteral("111"));
        QCOMPARE(text("Text9"), QString());
        QCOMPARE(text("Text12"), QStringLiteral("late"));
        QCOMPARE(text("Text16"), QString());
        QCOMPARE(text("Text20"), QStringLiteral("smtp"));
        QCOMPARE(text("Text21"), QStringLiteral("25"));
        VERIFY_DIALOGS(dialogs);
    }

    void readOfAMissingOrShortFileReportsAndChangesNoBox_data()
    {
        QTest::addColumn<int>("lineCount"); // -1: no file, -2: a folder of that name
        QTest::newRow("missing") << -1;
        QTest::newRow("a folder") << -2;
        QTest::newRow("empty") << 0;
        QTest::newRow("one line") << 1;
        QTest::newRow("24 lines") << 24;
    }
    void readOfAMissingOrShortFileReportsAndChangesNoBox()
    {
        QFETCH(int, lineCount);
        DialogQueue dialogs;
        WorkingFolder folder;
        const QString path = folder.file("MMS.INI");
        QString expected;
        if (lineCount == -1) {
            expected = SettingsFile::read(path).status.message;
            QVERIFY2(expected.contains("does not exist"), qPrintable(expected));
        } else if (lineCount == -2) {
            QVERIFY(QDir(folder.path()).mkdir("MMS.INI"));
            expected = SettingsFile::read(path).status.message;
            QVERIFY2(expected.startsWith("Could not read"), qPrintable(expected));
        } else {
            MmsIniValues v;
            v.phones = {"9", "9", "9", "9", "9"};
            v.emails = {"z", "z", "z", "z", "z"};
            v.apn = "zz";
            const QByteArray bytes =
                lineCount == 0 ? QByteArray() : fileBytes(MmsIni::lines(v).mid(0, lineCount));
            QVERIFY(folder.write("MMS.INI", bytes));
            expected = SettingsFile::tooShort(path, 25, lineCount).message;
        }
        QVERIFY2(expected.contains(native(path)), qPrintable(expected));

        open();
        QVERIFY(pick("Combo3", "China"));
        type("Text7", "123");
        type("Text12", "mine@example.com");
        type("Text20", "smtp.example.com");
        QStringList every = sixFields + alwaysThere;
        const QStringList before = texts(every);

        dialogs.expectMessage(expected);
        button("Command1")->click();
        QCOMPARE(texts(every), before);
        QCOMPARE(dialogs.messages(), QStringList{expected});

        // The window stays usable.
        if (lineCount == -2)
            QVERIFY(QDir(folder.path()).rmdir("MMS.INI"));
        dialogs.expectMessage(success);
        click("Command2");
        QVERIFY(folder.read("MMS.INI").contains("\r\nPhone1=123\r\n"));
        VERIFY_DIALOGS(dialogs);
    }

    // ---- borderless behaviours ---------------------------------------------

    void escapeWhileTypingEndsTheProgramWithoutWriting()
    {
        ProgramEndRecorder ended;
        DialogQueue dialogs;
        WorkingFolder folder;
        open();
        type("Text7", "12");
        QTest::keyClick(box("Text7"), Qt::Key_Escape);
        QCOMPARE(ended.count(), 1);
        DropDown *country = combo("Combo3");
        country->lineEdit()->setFocus();
        QTest::keyClicks(country->lineEdit(), "Can");
        QTest::keyClick(country->lineEdit(), Qt::Key_Escape);
        QCOMPARE(ended.count(), 2);
        QVERIFY(!QFile::exists(folder.file("MMS.INI")));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
        VERIFY_DIALOGS(dialogs);
    }

    void draggingByTheBackground()
    {
        WirelessSettingsWindow *window = open();
        window->move(100, 80);
        // Below the frames, where nothing but the window is.
        const QPoint background(20, window->height() - 40);
        QVERIFY(!window->childAt(background));
        QVERIFY(!window->childAt(background + QPoint(30, 15)));
        const auto send = [window](QEvent::Type type, QPoint pos, Qt::MouseButton button,
                                   Qt::MouseButtons buttons) {
            QMouseEvent event(type, QPointF(pos), window->mapToGlobal(QPointF(pos)), button,
                              buttons, Qt::NoModifier);
            QApplication::sendEvent(window, &event);
        };
        send(QEvent::MouseButtonPress, background, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, background + QPoint(30, 15), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(window->pos(), QPoint(130, 95));
        send(QEvent::MouseMove, background + QPoint(10, 10), Qt::NoButton, Qt::RightButton);
        QCOMPARE(window->pos(), QPoint(130, 95));
    }

    void pickerFillsThePathBox()
    {
        DialogQueue dialogs;
        open();
        dialogs.expectFolder(QDir::tempPath());
        click("Command4");
        QCOMPARE(dialogs.lastFolderTitle(), QString::fromUtf8("请选择软件安装路径："));
        QCOMPARE(text("Text17"), native(QDir::tempPath()) + QDir::separator() + "NET.CFG");
        dialogs.expectFolderCancel();
        click("Command4");
        QCOMPARE(text("Text17"), QString());
        VERIFY_DIALOGS(dialogs);
    }
};

QTEST_MAIN(tst_WirelessSettingsWindow)
#include "tst_wirelesssettingswindow.moc"

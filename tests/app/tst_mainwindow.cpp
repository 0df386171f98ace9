#include "app/MainWindow.h"
#include "support/DialogQueue.h"
#include "support/ScreenReader.h"
#include "ui/DropDown.h"
#include "ui/Forms.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using rx20::MainWindow;
using rx20::ui::DropDown;
using rx20::ui::Forms;
using rx20::ui::Twips;

// The main window and a stand-in for the wireless settings window.
static void defineMainAndWireless()
{
    Forms::define("Form1", [] { return new MainWindow; });
    Forms::define("Form5", [] {
        auto *w = new QWidget;
        w->setObjectName("Form5");
        return w;
    });
}

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Forms::reset(); }

    void loadState()
    {
        MainWindow window;
        QCOMPARE(window.objectName(), QStringLiteral("Form1"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Camera Setting Tool"));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window.size(), Twips::toPixels(QSize(11610, 8550)));
        QCOMPARE(window.pos(), Twips::toPixels(QPointF(5000, 2000)));

        const auto *link = window.findChild<QLabel *>("Label5");
        QVERIFY(link);
        QCOMPARE(link->text(), QString(91, ' ') + "MMS Setting");
        QCOMPARE(link->size(), Twips::toPixels(QSize(3015, 1575)));
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));

        QCOMPARE(window.findChild<QLabel *>("Label1")->text(), QStringLiteral("Orvane"));
        QCOMPARE(window.findChild<QLabel *>("Label7")->text(), QStringLiteral("Version 01.01.03"));
        QCOMPARE(window.findChild<QLabel *>("Label3")->text(), QStringLiteral("Camera"));
        QCOMPARE(window.findChild<QLabel *>("Label2")->text(), QStringLiteral("Language"));

        const auto *picture = window.findChild<QLabel *>("Picture1");
        QCOMPARE(picture->pixmap().size(), QSize(54, 52));
        QVERIFY(!picture->pixmap().toImage().isGrayscale());
    }

    void selectorsShowTheirDesignTextAndStayDisabled()
    {
        MainWindow window;
        window.show();
        auto *camera = window.findChild<DropDown *>("Combo2");
        auto *language = window.findChild<DropDown *>("Combo1");
        QCOMPARE(camera->text(), QStringLiteral("RX10"));
        QCOMPARE(camera->count(), 3);
        QCOMPARE(camera->itemText(0), QStringLiteral("RX12"));
        QCOMPARE(language->text(), QStringLiteral("English"));
        QCOMPARE(language->count(), 12);
        QCOMPARE(language->itemText(0), QString::fromUtf8("中文"));
        QCOMPARE(language->itemText(11), QStringLiteral("Suomi"));
        QVERIFY(!camera->isEnabled());
        QVERIFY(!language->isEnabled());
        QTest::mouseClick(camera, Qt::LeftButton);
        QTest::keyClick(camera, Qt::Key_Down);
        QCOMPARE(camera->text(), QStringLiteral("RX10"));
    }

    void linkHidesMainWindowAndShowsWirelessSettings()
    {
        defineMainAndWireless();
        QWidget *main = Forms::show("Form1");
        QVERIFY(QTest::qWaitForWindowExposed(main));
        auto *link = main->findChild<QLabel *>("Label5");
        // Anywhere on the panel reaches the link, the corner included.
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!main->isVisible());
        QWidget *wireless = Forms::loaded("Form5");
        QVERIFY(wireless && wireless->isVisible());
        QCOMPARE(Forms::loaded("Form1"), main);
    }

    // The keyboard reaches the link first and opens it as a click does.
    void linkOpensFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void linkOpensFromTheKeyboard()
    {
        QFETCH(int, key);
        defineMainAndWireless();
        QWidget *main = Forms::show("Form1");
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        auto *link = main->findChild<QLabel *>("Label5");
        QCOMPARE(QApplication::focusWidget(), link);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!main->isVisible());
        QWidget *wireless = Forms::loaded("Form5");
        QVERIFY(wireless && wireless->isVisible());
    }

    void escapeEndsTheProgram()
    {
        rx20::test::ProgramEndRecorder ended;
        MainWindow window;
        window.show();
        QTest::keyClick(window.findChild<QLabel *>("Label5"), Qt::Key_Escape);
        QCOMPARE(ended.count(), 1);
    }

    // A screen reader says each selector's label; both are disabled, out of
    // Tab's reach, so Tab stays on the link.
    void namesAndTabOrder_data()
    {
        using rx20::test::ScreenReader;
        ScreenReader::addColumns();
        ScreenReader::addRow("Label5", "", "MMS Setting", "Label5");
        ScreenReader::addRow("Combo2", "Label3", "Camera", "");
        ScreenReader::addRow("Combo1", "Label2", "Language", "");
    }
    void namesAndTabOrder()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        rx20::test::ScreenReader::verifyRow(&window);
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"

#include "support/DialogQueue.h"
#include "ui/BorderlessForm.h"
#include "ui/SystemMove.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>

using rx20::ui::BorderlessForm;
using rx20::ui::SystemMove;
using rx20::ui::Twips;

namespace {

class Window : public BorderlessForm
{
public:
    Window()
    {
        setFixedSize(Twips::toPixels(QSize(6000, 4000)));
        box = new QLineEdit(this);
        box->setGeometry(10, 10, 100, 24);
        label = new QLabel(QStringLiteral("label"), this);
        label->setGeometry(10, 50, 100, 24);
        setKeyPreview(true);
    }
    QLineEdit *box;
    QLabel *label;
};

void send(QWidget *target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
          Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class tst_BorderlessForm : public QObject
{
    Q_OBJECT

private slots:
    void twipsAtNinetySixDpi()
    {
        QCOMPARE(Twips::toPixels(1440, 96), 96);
        QCOMPARE(Twips::toPixels(5000, 96), 333);
        QCOMPARE(Twips::toPixels(2000, 96), 133);
        QCOMPARE(Twips::fromPixels(96, 96), 1440.0);
        QCOMPARE(Twips::toPixels(QSize(11610, 8550), 96), QSize(774, 570));
        QCOMPARE(Twips::toPixels(1440, 144), 144);
    }

    // The test's screen is 1600 x 1200 at a scale of 2, so 800 x 600 to
    // place on: the main window's 774 x 570 at (333, 133) does not fit there.
    void placementStaysOnScreen_data()
    {
        QTest::addColumn<QSize>("twips");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("fits: where the twips say")
            << QSize(6000, 4000) << false << QPoint(333, 133);
        QTest::newRow("main window at scale 2: just inside")
            << QSize(11610, 8550) << false << QPoint(800 - 774, 600 - 570);
        QTest::newRow("centred, fits") << QSize(6000, 4000) << true << QPoint(200, 166);
        QTest::newRow("centred, taller than the screen: top on it")
            << QSize(6000, 10000) << true << QPoint(200, 0);
    }
    void placementStaysOnScreen()
    {
        QFETCH(QSize, twips);
        QFETCH(bool, centred);
        QFETCH(QPoint, at);
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 600));
        Window window;
        window.setFixedSize(Twips::toPixels(twips, 96));
        if (centred)
            window.centreOnScreen();
        else
            window.moveToTwips(5000, 2000);
        QCOMPARE(window.pos(), at);
    }

    void dragFollowsPointerWithLeftButtonAlone_data()
    {
        QTest::addColumn<bool>("pressFirst");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QPoint>("shift");
        // Pressed at (200,100) and moved to (230,115) inside the window.
        QTest::newRow("left") << true << int(Qt::LeftButton) << QPoint(30, 15);
        QTest::newRow("right") << true << int(Qt::RightButton) << QPoint(0, 0);
        QTest::newRow("left and right")
            << true << int(Qt::LeftButton | Qt::RightButton) << QPoint(0, 0);
        QTest::newRow("none") << true << int(Qt::NoButton) << QPoint(0, 0);
        // Without a press the anchor is still (0, 0).
        QTest::newRow("left, no press") << false << int(Qt::LeftButton) << QPoint(230, 115);
    }
    void dragFollowsPointerWithLeftButtonAlone()
    {
        QFETCH(bool, pressFirst);
        QFETCH(int, buttons);
        QFETCH(QPoint, shift);
        Window window;
        window.move(300, 200);
        window.show();
        if (pressFirst)
            send(&window, QEvent::MouseButtonPress, {200, 100}, Qt::LeftButton, Qt::LeftButton);
        send(&window, QEvent::MouseMove, {230, 115}, Qt::NoButton, Qt::MouseButtons(buttons));
        QCOMPARE(window.pos(), QPoint(300, 200) + shift);
    }

    // Where windows cannot be placed (Wayland), a left press on the background
    // hands the drag to the compositor and the window never moves itself.
    void dragIsHandedOverWhereWindowsCannotBePlaced_data()
    {
        QTest::addColumn<bool>("placeable");
        QTest::addColumn<bool>("onControl");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("handedOver");
        QTest::addColumn<QPoint>("shift");
        QTest::newRow("wayland, left on background")
            << false << false << int(Qt::LeftButton) << true << QPoint(0, 0);
        QTest::newRow("wayland, right on background")
            << false << false << int(Qt::RightButton) << false << QPoint(0, 0);
        QTest::newRow("wayland, left on a control")
            << false << true << int(Qt::LeftButton) << false << QPoint(0, 0);
        QTest::newRow("placeable, left on background")
            << true << false << int(Qt::LeftButton) << false << QPoint(30, 15);
    }
    void dragIsHandedOverWhereWindowsCannotBePlaced()
    {
        QFETCH(bool, placeable);
        QFETCH(bool, onControl);
        QFETCH(int, button);
        QFETCH(bool, handedOver);
        QFETCH(QPoint, shift);
        QList<QWindow *> handed;
        SystemMove::setCheck([placeable] { return !placeable; });
        SystemMove::setStarter([&handed](QWindow *w) {
            handed.append(w);
            return true;
        });
        const auto restore = qScopeGuard([] {
            SystemMove::setCheck({});
            SystemMove::setStarter({});
        });
        Window window;
        window.move(300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint at = window.pos();
        const auto pressed = Qt::MouseButton(button);
        if (onControl)
            QTest::mousePress(window.label, pressed, {}, {5, 5});
        else
            send(&window, QEvent::MouseButtonPress, {200, 100}, pressed, pressed);
        send(&window, QEvent::MouseMove, {230, 115}, Qt::NoButton, pressed);
        QCOMPARE(handed, handedOver ? QList<QWindow *>{window.windowHandle()} : QList<QWindow *>{});
        QCOMPARE(window.pos(), at + (pressed == Qt::LeftButton && !onControl ? shift : QPoint()));
    }

    void anchorIsInTwipsAndAnyButtonSetsIt()
    {
        Window window;
        window.show();
        QCOMPARE(window.dragAnchor().x(), 0.0f);
        send(&window, QEvent::MouseButtonPress, {96, 48}, Qt::RightButton, Qt::RightButton);
        const double dpi = Twips::logicalDpi();
        QCOMPARE(window.dragAnchor().x(), float(96 * 1440.0 / dpi));
        QCOMPARE(window.dragAnchor().y(), float(48 * 1440.0 / dpi));
    }

    void pressOnAControlDoesNotDrag()
    {
        Window window;
        window.move(300, 200);
        window.show();
        send(&window, QEvent::MouseButtonPress, {200, 100}, Qt::LeftButton, Qt::LeftButton);
        // The label ignores the press; it reaches the window but is not background.
        QTest::mousePress(window.label, Qt::LeftButton, {}, {5, 5});
        QCOMPARE(window.dragAnchor().x(), float(200 * 1440.0 / Twips::logicalDpi()));
    }

    void escapeInAControlEndsProgramOtherKeysPassOn()
    {
        rx20::test::ProgramEndRecorder ended;
        Window window;
        window.show();
        window.box->setFocus();
        QTest::keyClicks(window.box, QStringLiteral("abc"));
        QCOMPARE(window.box->text(), QStringLiteral("abc"));
        QCOMPARE(ended.count(), 0);
        QTest::keyClick(window.box, Qt::Key_Escape);
        QCOMPARE(ended.count(), 1);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(ended.count(), 2);
    }

    void escapeInAnotherWindowIsNotThisWindowsBusiness()
    {
        rx20::test::ProgramEndRecorder ended;
        Window window;
        QLineEdit other;
        QTest::keyClick(&other, Qt::Key_Escape);
        QCOMPARE(ended.count(), 0);
    }
};

QTEST_MAIN(tst_BorderlessForm)
#include "tst_borderlessform.moc"

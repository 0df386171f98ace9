// Linked into both start-up programs: ends the program once its first window
// has been painted, and prints the peak memory by then. The program's own
// main() runs unchanged.
#include "PeakMemory.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class QuitWhenShown : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_shown && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_shown = true;
            // After the paint has finished.
            QTimer::singleShot(0, qApp, [] {
                std::fprintf(stderr, "peak-kib %lld\n", peakKiB());
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_shown = false;
};

void watchForTheFirstWindow()
{
    qApp->installEventFilter(new QuitWhenShown(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForTheFirstWindow)

// Linked into both start-up programs: ends the program once its first window
// has been painted, and prints the peak memory by then. The program's own
// main() runs unchanged.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// The process's peak resident memory, in KiB.
long long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

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

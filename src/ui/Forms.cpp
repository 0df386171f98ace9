#include "ui/Forms.h"

#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QWidget>

namespace rx20::ui {

namespace {

struct Registry
{
    QHash<QString, Forms::Factory> factories;
    QHash<QString, QPointer<QWidget>> windows;
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

// Closing a window by its title bar discards it like its Exit button does,
// so its next showing starts afresh.
class UnloadOnClose : public QObject
{
public:
    UnloadOnClose(const QString &name, QWidget *window)
        : QObject(window)
        , m_name(name)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close && Forms::loaded(m_name) == watched)
            Forms::unload(m_name);
        return false;
    }

private:
    QString m_name;
};

} // namespace

void Forms::define(const QString &name, Factory factory)
{
    registry().factories.insert(name, std::move(factory));
}

bool Forms::isDefined(const QString &name)
{
    return registry().factories.contains(name);
}

QWidget *Forms::loaded(const QString &name)
{
    return registry().windows.value(name).data();
}

QWidget *Forms::load(const QString &name)
{
    if (QWidget *window = loaded(name))
        return window;
    const auto factory = registry().factories.value(name);
    Q_ASSERT_X(factory, "Forms::load", qPrintable(name));
    if (!factory)
        return nullptr;
    QWidget *window = factory();
    new UnloadOnClose(name, window);
    registry().windows.insert(name, window);
    return window;
}

QWidget *Forms::show(const QString &name)
{
    QWidget *window = load(name);
    if (window) {
        window->show();
        window->raise();
        window->activateWindow();
    }
    return window;
}

void Forms::hide(const QString &name)
{
    if (QWidget *window = loaded(name))
        window->hide();
}

void Forms::unload(const QString &name)
{
    QPointer<QWidget> window = registry().windows.take(name);
    if (window) {
        window->hide();
        // The caller may be one of the window's own handlers.
        window->deleteLater();
    }
}

void Forms::reset()
{
    const auto names = registry().windows.keys();
    for (const QString &name : names) {
        if (QWidget *window = loaded(name))
            delete window;
    }
    registry().windows.clear();
    registry().factories.clear();
}

} // namespace rx20::ui

#include "platform/widgets/FirstWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace firstWindow {

namespace {

// Watches the first window until it is exposed, then reports and quits.
class ExposeWatch : public QObject
{
public:
    ExposeWatch(QWidget *first, QObject *parent)
        : QObject(parent),
          m_name(QStringLiteral("%1 \u201C%2\u201D")
                     .arg(QLatin1String(first->metaObject()->className()), first->windowTitle())
                     .toUtf8())
    { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWindow *>(watched);
        if (event->type() == QEvent::Expose && window != nullptr && window->isExposed())
            report();
        return false;
    }

    void report()
    {
        if (m_done)
            return;
        m_done = true;
        std::fprintf(stderr, "first window shown: %s\n", m_name.constData());
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    }

private:
    QByteArray m_name;
    bool m_done = false;
};

} // namespace

void quitOnceShownIfAsked(QWidget *first)
{
    if (qEnvironmentVariable("ARITH_EXIT_AFTER_START") != QLatin1String("1") || first == nullptr)
        return;
    first->winId(); // makes sure the window has its platform window to watch
    QWindow *window = first->windowHandle();
    auto *watch = new ExposeWatch(first, QCoreApplication::instance());
    window->installEventFilter(watch);
    if (window->isExposed())
        watch->report();
}

} // namespace firstWindow

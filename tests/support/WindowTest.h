#pragma once

#include "core/Services.h"
#include "support/FakeClock.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// Helpers that the window tests share.
namespace windowtest {

// The fakes every window test stands the windows on: installed on construction, the real services
// back on destruction.
struct FakeServices {
    ScriptedDialogs dialogs;
    FakeClock clock;
    ScriptedRandom random;

    FakeServices()
    {
        services::setDialogs(&dialogs);
        services::setClock(&clock);
        services::setRandom(&random);
    }
    ~FakeServices() { services::reset(); }
    FakeServices(const FakeServices &) = delete;
    FakeServices &operator=(const FakeServices &) = delete;
};

// The platform the test runs on.
inline bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// A child of a window by its object name, or null.
template <class W = QWidget> W *child(const QWidget *window, const char *objectName)
{
    return window ? window->findChild<W *>(QLatin1String(objectName)) : nullptr;
}

// Shows a window if needed, waits until it is on the screen and makes it the active window, as a
// person's click on it does. False when the window did not become active.
[[nodiscard]] inline bool activate(QWidget *window)
{
    if (!window->isVisible())
        window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    window->activateWindow();
    window->raise();
    return QTest::qWaitForWindowActive(window);
}

// Selects row `row` of a list as a click does.
inline void pickRow(QAbstractItemView *view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    view->setCurrentIndex(index);
    view->scrollTo(index);
}

// The two ways to leave a window: its button, or the close box of its frame.
enum class Leave { ByButton, ByCloseBox };

// Closes a window through its frame's close box (the close event a window manager sends).
inline void clickCloseBox(QWidget *window)
{
    window->close();
}

// Leaves a window the given way: a click on its button, or its frame's close box.
inline void leave(QWidget *window, QAbstractButton *button, Leave how)
{
    if (how == Leave::ByButton)
        button->click();
    else
        clickCloseBox(window);
}

// Runs the application's event loop, does the action inside it, and tells whether that ended the
// loop as ending the program does (exit code 0, aboutToQuit emitted) within the time given.
[[nodiscard]] inline bool endsTheEventLoop(const std::function<void()> &action, int timeoutMs = 5000)
{
    QSignalSpy quitting(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    guard.start(timeoutMs);
    QTimer::singleShot(0, action);
    const int code = QCoreApplication::exec();
    return !timedOut && code == 0 && quitting.count() == 1;
}

} // namespace windowtest

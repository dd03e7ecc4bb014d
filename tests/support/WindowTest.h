#pragma once

#include "core/Services.h"
#include "support/FakeClock.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
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

// Opens a widget's context menu as the right mouse button does and returns it, or null when the
// widget opens none. A scroll area (a text box, a list) gets the event on its viewport. Close the
// menu with close().
inline QMenu *openContextMenu(QWidget *widget)
{
    auto *area = qobject_cast<QAbstractScrollArea *>(widget);
    QWidget *target = area ? area->viewport() : widget;
    const QPoint at(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

// The entries of a menu as shown, access key marks and separators left out.
inline QStringList menuTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    return texts;
}

// Whether a text holds a Latin letter (an English word, or an untranslated one).
inline bool hasLatinLetter(const QString &text)
{
    for (QChar c : text) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
            return true;
    }
    return false;
}

// How far a top-level window's frame is from the centre of its screen's free area.
inline QPoint offCentre(const QWidget *window)
{
    return window->frameGeometry().center() - window->screen()->availableGeometry().center();
}

// Whether a top-level window stands centred on its screen, frame included, to within two pixels
// each way (rounding, and the thin frame that the offscreen platform reports but never moves for).
inline bool isCentred(const QWidget *window)
{
    const QPoint off = offCentre(window);
    return qAbs(off.x()) <= 2 && qAbs(off.y()) <= 2;
}

} // namespace windowtest

#pragma once

#include "platform/core/Services.h"
#include "support/FakeClock.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QString>
#include <QTest>
#include <QTextCursor>
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

// Where the layout puts a widget: its rectangle in twips, in pixels. A label whose font's line is
// taller than that row stands taller, centred on it; the row it keeps is its place.
inline QRect placeOf(const QWidget *w)
{
    const QVariant row = w->property("form.row");
    return row.isValid() ? row.toRect() : w->geometry();
}

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

} // namespace windowtest

Q_DECLARE_METATYPE(windowtest::Leave)

namespace windowtest {

// The rows of a test that leaves a window both ways: a column "how", the rows "退出" and "close box".
inline void addLeaveRows()
{
    QTest::addColumn<Leave>("how");
    QTest::newRow("退出") << Leave::ByButton;
    QTest::newRow("close box") << Leave::ByCloseBox;
}

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

// Lets posted events run, deferred deletions included.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Clicks the push button of a window by its object name.
inline void clickButton(const QWidget *window, const char *objectName)
{
    auto *button = child<QAbstractButton>(window, objectName);
    QVERIFY2(button, objectName);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Triggers the action (menu entry, toolbar button) of a window by its object name.
inline void triggerAction(const QWidget *window, const char *objectName)
{
    auto *action = window ? window->findChild<QAction *>(QLatin1String(objectName)) : nullptr;
    QVERIFY2(action, objectName);
    action->trigger();
}

// Types characters through the window, as a person's keyboard does.
inline void typeKeys(QWidget *window, const QByteArray &keys)
{
    for (char c : keys)
        QTest::keyClick(window->windowHandle(), c);
}

// Presses keys through the window, given as portable key texts apart by blanks
// ("Home Shift+End Ctrl+C").
inline void pressKeys(QWidget *window, const QString &strokes)
{
    for (const QString &stroke : strokes.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QKeySequence sequence = QKeySequence::fromString(stroke, QKeySequence::PortableText);
        QVERIFY2(sequence.count() == 1, qPrintable(stroke));
        QTest::keyClick(window->windowHandle(), sequence[0].key(), sequence[0].keyboardModifiers());
    }
}

// Where the caret stands in a text box at a character position, in the box's viewport.
inline QPoint caretPoint(QPlainTextEdit *box, int position)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    return box->cursorRect(cursor).center();
}

// A mouse click in a text box at a character position.
inline void clickAtPosition(QPlainTextEdit *box, int position, Qt::MouseButton button = Qt::LeftButton,
                            Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::mouseClick(box->viewport(), button, modifiers, caretPoint(box, position));
}

// The menus open on the screen.
inline QList<QMenu *> openMenus()
{
    QList<QMenu *> menus;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *menu = qobject_cast<QMenu *>(top); menu && menu->isVisible())
            menus.append(menu);
    return menus;
}

// Runs the application's event loop, as main() does, with `action` as its first event; true when
// the loop ended by itself (exit code 0, aboutToQuit sent) within `timeoutMs`, false when it had
// to be stopped from outside.
[[nodiscard]] inline bool endsEventLoop(const std::function<void()> &action, int timeoutMs = 10000)
{
    constexpr int kStoppedFromOutside = 97;
    QSignalSpy quitting(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(kStoppedFromOutside); });
    guard.start(timeoutMs);
    QTimer::singleShot(0, QCoreApplication::instance(), action);
    const int code = QCoreApplication::exec();
    return code == 0 && quitting.count() == 1;
}

} // namespace windowtest

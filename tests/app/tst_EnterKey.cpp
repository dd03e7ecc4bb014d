// Enter in both programs: it presses the focused push button, as Space does, keeps its own meaning
// in the boxes that give it one, and a held Enter's auto-repeat never presses a button of a window
// that opened while it was held.

#include "EveryWindow.h"
#include "platform/widgets/WindowRegistry.h"
#include "quenby/QuenbyStartup.h"
#include "quenby/windows/FrmCal.h"
#include "support/WindowTest.h"
#include "tovrik/TovrikStartup.h"
#include "tovrik/windows/Form3.h"
#include "tovrik/windows/Form5.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Delivers Enter as the keyboard does, to whatever has the focus.
void pressEnter(bool autoRepeat, Qt::Key key = Qt::Key_Return)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target);
    const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QStringLiteral("\r"), autoRepeat);
    QApplication::sendEvent(target, &press);
}

} // namespace

class tst_EnterKey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startBothPrograms(); }
    void cleanup() { WindowRegistry::instance().destroyAll(); }

    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void enterInTheExpressionBoxKeepsItsMeaning();
    void heldEnterNeverPressesAButtonOfANewWindow();

private:
    windowtest::FakeServices m_services;
};

void tst_EnterKey::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void tst_EnterKey::enterPressesTheFocusedButton()
{
    QFETCH(int, key);
    auto *cal = WindowRegistry::instance().show<FrmCal>();
    QVERIFY(windowtest::activate(cal));
    auto *expression = windowtest::child<QPlainTextEdit>(cal, "txtIn");
    expression->setPlainText(QStringLiteral("6*7"));
    auto *equals = windowtest::child<QPushButton>(cal, "cmdCal");
    equals->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), equals);
    pressEnter(false, Qt::Key(key));
    QCOMPARE(windowtest::child<QPlainTextEdit>(cal, "txtOut")->toPlainText().trimmed(), QStringLiteral("42"));
}

void tst_EnterKey::enterInTheExpressionBoxKeepsItsMeaning()
{
    auto *cal = WindowRegistry::instance().show<FrmCal>();
    QVERIFY(windowtest::activate(cal));
    auto *expression = windowtest::child<QPlainTextEdit>(cal, "txtIn");
    expression->setFocus();
    windowtest::typeKeys(cal, "2+3");
    pressEnter(false);
    QCOMPARE(windowtest::child<QPlainTextEdit>(cal, "txtOut")->toPlainText().trimmed(), QStringLiteral("5"));
    QCOMPARE(QApplication::focusWidget(), expression);
}

void tst_EnterKey::heldEnterNeverPressesAButtonOfANewWindow()
{
    auto &registry = WindowRegistry::instance();
    auto *menu = registry.show<Form3>();
    QVERIFY(windowtest::activate(menu));
    // Enter goes down in the menu and is held...
    pressEnter(false);
    // ...while the report opens with its "退出" focused.
    auto *report = registry.show<Form5>();
    report->FillReport(10, 9, 1, drill::Ending::ByCount, 0);
    QVERIFY(windowtest::activate(report));
    auto *leave = windowtest::child<QPushButton>(report, "Command1");
    leave->setFocus();
    QCOMPARE(QApplication::focusWidget(), leave);
    for (int i = 0; i < 5; ++i)
        pressEnter(true);
    QVERIFY(report->isVisible());
    // Let go and press again: now Enter leaves the report.
    pressEnter(false);
    QTRY_VERIFY(!report->isVisible());
}

QTEST_MAIN(tst_EnterKey)
#include "tst_EnterKey.moc"

// The calculator window's menus and toolbar with the real companion windows behind them: which
// window opens, which one hides, how the program is left, and a save from start to file.
#include "platform/widgets/WindowRegistry.h"
#include "quenby/windows/FrmCal.h"
#include "quenby/windows/frmAbout.h"
#include "quenby/windows/frmHelp.h"
#include "quenby/windows/frmKs.h"
#include "quenby/windows/frmSave.h"
#include "quenby/windows/frmTj.h"
#include "support/WindowTest.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace windowtest;

class tst_QuenbyMenus : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void companionWindows_data();
    void companionWindows();
    void statisticsByToolbarHidesAndReturnBringsBack();
    void statisticsMenuTwiceOpensOneWindow();
    void menuExitThenClosingStatisticsOpensAFreshCalculator();
    void practiceHidesAndClosingShowsTheCalculator_data();
    void practiceHidesAndClosingShowsTheCalculator();
    void toolbarExitEndsWithNoWindowLeft();
    void saveFromTheCalculatorWritesTheRecord_data();
    void saveFromTheCalculatorWritesTheRecord();

private:
    void trigger(const char *action)
    {
        triggerAction(cal, action);
        settle();
    }

    FakeServices m_services;
    FrmCal *cal = nullptr;
};

void tst_QuenbyMenus::init()
{
    m_services.dialogs.clear();
    cal = WindowRegistry::instance().show<FrmCal>();
    QVERIFY(QTest::qWaitForWindowExposed(cal));
}

void tst_QuenbyMenus::cleanup()
{
    WindowRegistry::instance().destroyAll();
    settle();
}

// Menu entries and toolbar buttons that open a window beside the calculator, at most once.
void tst_QuenbyMenus::companionWindows_data()
{
    QTest::addColumn<QString>("action"); // a menu entry, or "#N" for toolbar button N
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("calculatorVisible");
    QTest::newRow("menu save") << "mnuFileSave"
                               << "frmSave" << true;
    QTest::newRow("toolbar save") << "#1"
                                  << "frmSave" << true;
    QTest::newRow("menu statistics") << "mnuJxTj"
                                     << "frmTj" << true;
    QTest::newRow("toolbar statistics") << "#5"
                                        << "frmTj" << false;
    QTest::newRow("menu help") << "mnuHelpHelp"
                               << "frmHelp" << true;
    QTest::newRow("toolbar help") << "#7"
                                  << "frmHelp" << true;
    QTest::newRow("menu about") << "mnuHelpNotice"
                                << "frmAbout" << true;
}

void tst_QuenbyMenus::companionWindows()
{
    QFETCH(QString, action);
    QFETCH(QString, window);
    QFETCH(bool, calculatorVisible);

    auto run = [&] {
        if (action.startsWith('#'))
            cal->Toolbar1_ButtonClick(action.mid(1).toInt());
        else
            trigger(action.toLatin1().constData());
        settle();
    };
    auto opened = [&]() -> QWidget * {
        auto &r = WindowRegistry::instance();
        if (window == "frmSave")
            return r.find<frmSave>();
        if (window == "frmTj")
            return r.find<frmTj>();
        if (window == "frmHelp")
            return r.find<frmHelp>();
        return r.find<frmAbout>();
    };

    run();
    QWidget *first = opened();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(cal->isVisible(), calculatorVisible);

    if (!calculatorVisible)
        cal->show();
    run();
    QCOMPARE(opened(), first);
    int visibleOfThatForm = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        visibleOfThatForm += top->isVisible() && top->metaObject()->className() == window;
    QCOMPARE(visibleOfThatForm, 1);
}

void tst_QuenbyMenus::statisticsByToolbarHidesAndReturnBringsBack()
{
    QTest::keyClicks(child<QPlainTextEdit>(cal, "txtIn"), "1+2");
    cal->cmdCal_Click();
    cal->Toolbar1_ButtonClick(5);
    settle();
    auto *tj = WindowRegistry::instance().find<frmTj>();
    QVERIFY(tj && tj->isVisible());
    QVERIFY(!cal->isVisible());

    tj->cmdBack_Click();
    settle();
    QCOMPARE(WindowRegistry::instance().find<frmTj>(), nullptr);
    QCOMPARE(WindowRegistry::instance().find<FrmCal>(), cal);
    QVERIFY(cal->isVisible());
    QCOMPARE(cal->inputText(), QStringLiteral("1+2"));
    QCOMPARE(cal->outputText(), QStringLiteral(" 3"));
}

void tst_QuenbyMenus::statisticsMenuTwiceOpensOneWindow()
{
    trigger("mnuJxTj");
    auto *tj = WindowRegistry::instance().find<frmTj>();
    auto *input = child<QLineEdit>(tj, "txtInput");
    QTest::keyClicks(input, "85");
    tj->cmdIn_Click();
    trigger("mnuJxTj");
    QCOMPARE(WindowRegistry::instance().find<frmTj>(), tj);
    QCOMPARE(tj->markCount(), 1); // the same window, with its list
    QVERIFY(cal->isVisible());
}

void tst_QuenbyMenus::menuExitThenClosingStatisticsOpensAFreshCalculator()
{
    QTest::keyClicks(child<QPlainTextEdit>(cal, "txtIn"), "7*6");
    trigger("mnuJxTj");
    auto *tj = WindowRegistry::instance().find<frmTj>();
    trigger("muFileExit");
    QCOMPARE(WindowRegistry::instance().find<FrmCal>(), nullptr);
    QVERIFY(tj->isVisible());

    tj->close();
    settle();
    auto *fresh = WindowRegistry::instance().find<FrmCal>();
    QVERIFY(fresh);
    QVERIFY(fresh->isVisible());
    QCOMPARE(fresh->inputText(), QString());
    cal = fresh;
}

void tst_QuenbyMenus::practiceHidesAndClosingShowsTheCalculator_data()
{
    QTest::addColumn<bool>("byToolbar");
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("menu, then the back button") << false << false;
    QTest::newRow("menu, then the close box") << false << true;
    QTest::newRow("toolbar, then the back button") << true << false;
    QTest::newRow("toolbar, then the close box") << true << true;
}

void tst_QuenbyMenus::practiceHidesAndClosingShowsTheCalculator()
{
    QFETCH(bool, byToolbar);
    QFETCH(bool, byCloseBox);
    if (byToolbar)
        cal->Toolbar1_ButtonClick(6);
    else
        trigger("mnuJxKs");
    settle();
    auto *ks = WindowRegistry::instance().find<frmKs>();
    QVERIFY(ks && ks->isVisible());
    QVERIFY(!cal->isVisible());

    if (byCloseBox)
        ks->close();
    else
        ks->cmdBack_Click();
    settle();
    QCOMPARE(WindowRegistry::instance().find<frmKs>(), nullptr);
    QVERIFY(cal->isVisible());
}

void tst_QuenbyMenus::toolbarExitEndsWithNoWindowLeft()
{
    trigger("mnuJxTj");
    trigger("mnuHelpHelp");
    trigger("mnuHelpNotice");
    trigger("mnuFileSave");
    FrmCal *calculator = cal;
    QVERIFY(endsEventLoop([calculator] { calculator->Toolbar1_ButtonClick(8); }));
    settle();
    cal = nullptr;
    auto &r = WindowRegistry::instance();
    QCOMPARE(r.find<FrmCal>(), nullptr);
    QCOMPARE(r.find<frmTj>(), nullptr);
    QCOMPARE(r.find<frmHelp>(), nullptr);
    QCOMPARE(r.find<frmAbout>(), nullptr);
    QCOMPARE(r.find<frmSave>(), nullptr);
    // The statistics window's closing handling did not bring the calculator back.
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible(), top->metaObject()->className());
}

// The record holds the expression as typed, character for character.
void tst_QuenbyMenus::saveFromTheCalculatorWritesTheRecord_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("value") << "1 + 2" << QByteArray("\r\n1+2= 3\r\n");
    QTest::newRow("no-break space") << QString::fromUtf8("1\u00a0+2")
                                    << QByteArray("\r\n1\xc2\xa0+2=非法字符错误，请改正\r\n");
}

void tst_QuenbyMenus::saveFromTheCalculatorWritesTheRecord()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, record);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    m_services.clock.set(QDateTime(QDate(2026, 12, 9), QTime(10, 20, 30)));

    QTest::keyClicks(child<QPlainTextEdit>(cal, "txtIn"), typed);
    cal->cmdCal_Click();
    trigger("mnuFileSave");
    auto *save = WindowRegistry::instance().find<frmSave>();
    QVERIFY(save);
    save->openFolder(dir.path());
    QCOMPARE(child<QLineEdit>(save, "txtFileName")->text(), QStringLiteral("test1.txt"));
    save->cmdSave_Click();
    settle();

    QCOMPARE(WindowRegistry::instance().find<frmSave>(), nullptr);
    QFile file(dir.filePath("test1.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(bytes.startsWith("\r\n"), bytes.constData());
    QVERIFY2(bytes.endsWith(record), bytes.constData());
    QCOMPARE(bytes.count("\r\n"), 3);
    QCOMPARE(m_services.dialogs.shown().back().title, QStringLiteral("已保存"));
}

QTEST_MAIN(tst_QuenbyMenus)
#include "tst_QuenbyMenus.moc"

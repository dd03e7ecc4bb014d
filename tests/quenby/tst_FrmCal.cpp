#include "windows/FrmCal.h"

#include "widgets/Fonts.h"
#include "widgets/Twips.h"
#include "widgets/WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

// The calculator window, driven as a user does: keys through the window, mouse clicks on the
// widgets, and the menu and toolbar commands.
class tst_FrmCal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opening();
    void layout_data();
    void layout();
    void tabOrder();

    void keypadInsertsAtKeptCaret();
    void caretFollowsMouseClick();
    void functionThenLeftThenArgument();
    void caretFollowsKeyboard();
    void caretFollowsInputMethod();
    void backspace();
    void clearKeepsKeptPosition();
    void selectionIsNotReplaced();
    void caretButtonsStopAtTheEnds();
    void evaluateNormalisesThenBackspace();
    void evaluate_data();
    void evaluate();
    void enterEvaluatesThenBreaksTheLine();
    void characterCountFollowsEveryChange();
    void textsBeyondSixteenBits();

    void menus_data();
    void menus();
    void copyThenPasteAtClick();
    void cutThenPaste();
    void copyWithoutSelection();
    void clipboardKeysUseOwnClipboard();
    void toolbar_data();
    void toolbar();
    void toolbarButtonsDispatch();
    void rightClickOpensEditMenu();
    void menuExitClosesOnlyCalculator();
    void toolbarExitEndsEverything();

private:
    FrmCal *w = nullptr;
    QPlainTextEdit *txtIn() const { return w->findChild<QPlainTextEdit *>(QStringLiteral("txtIn")); }
    QString status(int panel) const
    {
        return w->findChild<QLabel *>(QStringLiteral("Panels_%1").arg(panel))->text();
    }
    int boxCaret() const { return txtIn()->textCursor().position(); }
    void click(const QString &name);
    void clickKeypad(const QString &caption);
    void clickInBox(int position, Qt::MouseButton button = Qt::LeftButton);
    void type(const QByteArray &keys);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void trigger(const char *action);
    void activate();
};

// A window of another form, which counts how often its closing handling runs.
class OtherWindow : public QWidget
{
public:
    static inline int closes = 0;

protected:
    void closeEvent(QCloseEvent *e) override
    {
        ++closes;
        QWidget::closeEvent(e);
    }
};

void tst_FrmCal::initTestCase()
{
    fonts::installSubstitutes();
}

void tst_FrmCal::init()
{
    w = WindowRegistry::instance().show<FrmCal>();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    activate();
}

void tst_FrmCal::cleanup()
{
    WindowRegistry::instance().destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w = nullptr;
}

void tst_FrmCal::activate()
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

void tst_FrmCal::click(const QString &name)
{
    auto *button = w->findChild<QPushButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

void tst_FrmCal::clickKeypad(const QString &caption)
{
    for (int i = 0; i < 24; ++i) {
        auto *button = w->findChild<QPushButton *>(QStringLiteral("Cmd_%1").arg(i));
        if (button && button->text() == caption) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable("no keypad button " + caption));
}

// A mouse click in the expression box at a character position.
void tst_FrmCal::clickInBox(int position, Qt::MouseButton button)
{
    QTextCursor cursor(txtIn()->document());
    cursor.setPosition(position);
    const QPoint at = txtIn()->cursorRect(cursor).center();
    QTest::mouseClick(txtIn()->viewport(), button, Qt::NoModifier, at);
}

void tst_FrmCal::type(const QByteArray &keys)
{
    for (char c : keys)
        QTest::keyClick(w->windowHandle(), c);
}

void tst_FrmCal::key(Qt::Key k, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(w->windowHandle(), k, modifiers);
}

void tst_FrmCal::trigger(const char *action)
{
    auto *a = w->findChild<QAction *>(QLatin1String(action));
    QVERIFY2(a, action);
    a->trigger();
}

void tst_FrmCal::opening()
{
    QCOMPARE(w->windowTitle(), QStringLiteral("Quenby"));
    QVERIFY(!w->windowIcon().isNull());
    QCOMPARE(status(1), QStringLiteral("提示"));
    QCOMPARE(status(2), QStringLiteral("字符总数： 0"));
    QCOMPARE(QApplication::focusWidget(), txtIn());
    QCOMPARE(w->inputText(), QString());
    QCOMPARE(w->outputText(), QString());
    QCOMPARE(w->caretPos(), 0);
    QCOMPARE(w->clipText(), QString());

    // Keys typed at once go into the box.
    type("12");
    QCOMPARE(w->inputText(), QStringLiteral("12"));
}

void tst_FrmCal::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QRect>("twipsRect");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    const QString song = QStringLiteral("宋体");
    auto row = [&](const char *name, const char *caption, const char *tip, QRect r, const QString &family,
                   double points, bool bold) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption)
                            << QString::fromUtf8(tip) << r << family << points << bold;
    };
    row("txtIn", "", "", QRect(240, 840, 4215, 975), song, 10.5, false);
    row("cmdCal", "=", "求值", QRect(240, 1920, 615, 495), QStringLiteral("黑体"), 15.75, true);
    row("txtOut", "", "", QRect(960, 1920, 3495, 495), song, 12, false);
    row("cmdClr", "CLR", "清除", QRect(240, 2520, 1200, 615), song, 9, false);
    row("cmdLeft", "←", "光标左移", QRect(1560, 2520, 750, 615), song, 9, false);
    row("cmdRight", "→", "光标右移", QRect(2400, 2520, 750, 615), song, 9, false);
    row("cmdBack", "Backspace", "向左删除", QRect(3240, 2520, 1200, 615), song, 9, false);
    row("Toolbar1", "", "", QRect(0, 0, 4740, 855), song, 9, false);
    row("StatusBar1", "", "", QRect(0, 6765, 4740, 375), song, 9, false);

    struct Key {
        int index;
        const char *caption;
        const char *tip;
        int col;
        int rowIndex;
    };
    const Key keys[] = {
        {0, "(", "左括号", 0, 0},       {1, ")", "右括号", 1, 0},    {2, "^", "乘方", 2, 0},
        {3, "√", "开方", 3, 0},         {15, "exp()", "指数", 4, 0}, {4, "7", "数字7", 0, 1},
        {5, "8", "数字8", 1, 1},        {6, "9", "数字9", 2, 1},     {7, "/", "除法", 3, 1},
        {20, "ln()", "自然对数", 4, 1}, {8, "4", "数字4", 0, 2},     {9, "5", "数字5", 1, 2},
        {10, "6", "数字6", 2, 2},       {11, "*", "乘法", 3, 2},     {21, "sin()", "正弦", 4, 2},
        {12, "1", "数字1", 0, 3},       {13, "2", "数字2", 1, 3},    {14, "3", "数字3", 2, 3},
        {18, "-", "减法", 3, 3},        {22, "cos()", "余弦", 4, 3}, {17, "0", "数字0", 0, 4},
        {16, ".", "小数点", 1, 4},      {19, "+", "加法", 3, 4},     {23, "tan()", "正切", 4, 4},
    };
    const int lefts[] = {240, 1080, 1920, 2820, 3720};
    const int tops[] = {3240, 3960, 4680, 5400, 6120};
    for (const Key &k : keys) {
        const QString caption = QString::fromUtf8(k.caption);
        QRect r(lefts[k.col], tops[k.rowIndex], k.col == 4 ? 750 : 615, 615);
        if (k.index == 17)
            r = QRect(240, 6120, 1200, 615);
        if (k.index == 16)
            r = QRect(1560, 6120, 1200, 615);
        const bool digitOrPoint = caption.size() == 1 && (caption[0].isDigit() || caption == u".");
        const double points = digitOrPoint ? 12 : caption == u"^" ? 15.75 : 9;
        const bool bold = !digitOrPoint && caption != u"^";
        const QByteArray name = "Cmd_" + QByteArray::number(k.index);
        QTest::newRow(name.constData()) << QString::fromLatin1(name) << caption << QString::fromUtf8(k.tip)
                                        << r << song << points << bold;
    }
}

void tst_FrmCal::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    QFETCH(QRect, twipsRect);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);

    // The client area lies right below the menu bar and is 4740 by 7140 twips.
    QWidget *client = w->centralWidget();
    QCOMPARE(client->size(), twips::size(4740, 7140));
    QCOMPARE(client->mapTo(w, QPoint(0, 0)), QPoint(0, w->menuBar()->height()));

    auto *widget = w->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->mapTo(client, QPoint(0, 0)), twips::rect(twipsRect.x(), twipsRect.y(), 0, 0).topLeft());
    QCOMPARE(widget->size(), twips::size(twipsRect.width(), twipsRect.height()));
    QVERIFY(widget->isVisible());
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), caption);
    QCOMPARE(widget->toolTip(), tip);
    QCOMPARE(widget->font().family(), family);
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().bold(), bold);
}

void tst_FrmCal::tabOrder()
{
    QStringList expected = {"txtIn", "cmdCal", "cmdClr", "cmdLeft", "cmdRight", "cmdBack"};
    for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 18, 17, 16, 19, 15, 20, 21, 22, 23})
        expected << QStringLiteral("Cmd_%1").arg(index);
    expected << "txtOut"
             << "txtIn";

    QStringList seen = {QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        key(Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, expected);
    // Tab in the box moves on; it does not type a tab character.
    QCOMPARE(w->inputText(), QString());
}

void tst_FrmCal::keypadInsertsAtKeptCaret()
{
    clickKeypad("7");
    clickKeypad("+");
    clickKeypad("8");
    QCOMPARE(w->inputText(), QStringLiteral("7+8"));
    QCOMPARE(boxCaret(), 3);
    QCOMPARE(w->caretPos(), 3);
    QCOMPARE(QApplication::focusWidget(), txtIn());
    QCOMPARE(status(2), QStringLiteral("字符总数： 3"));

    // Every caption goes in as it stands, the root sign included.
    clickKeypad("√");
    clickKeypad("exp()");
    QCOMPARE(w->inputText(), QString::fromUtf8("7+8√exp()"));
}

void tst_FrmCal::caretFollowsMouseClick()
{
    type("1+2");
    clickInBox(1);
    QCOMPARE(w->caretPos(), 1);
    clickKeypad("0");
    QCOMPARE(w->inputText(), QStringLiteral("10+2"));
    QCOMPARE(boxCaret(), 2);
    QCOMPARE(w->caretPos(), 2);
}

void tst_FrmCal::functionThenLeftThenArgument()
{
    clickKeypad("sin()");
    QCOMPARE(w->inputText(), QStringLiteral("sin()"));
    QCOMPARE(boxCaret(), 5);
    click("cmdLeft");
    QCOMPARE(boxCaret(), 4);
    QCOMPARE(w->caretPos(), 4);
    QCOMPARE(QApplication::focusWidget(), txtIn());
    clickKeypad("3");
    QCOMPARE(w->inputText(), QStringLiteral("sin(3)"));
    QCOMPARE(boxCaret(), 5);
}

void tst_FrmCal::caretFollowsKeyboard()
{
    type("12");
    QCOMPARE(w->caretPos(), 2);
    clickKeypad("+");
    QCOMPARE(w->inputText(), QStringLiteral("12+"));

    // Moving and deleting with the keyboard move the kept position too.
    key(Qt::Key_Home);
    QCOMPARE(w->caretPos(), 0);
    key(Qt::Key_Delete);
    key(Qt::Key_End);
    QCOMPARE(w->caretPos(), 2);
    clickKeypad("5");
    QCOMPARE(w->inputText(), QStringLiteral("2+5"));
}

void tst_FrmCal::caretFollowsInputMethod()
{
    // Text committed by an input method (as Chinese users type) moves the kept position too.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("12"));
    QApplication::sendEvent(txtIn(), &commit);
    QCOMPARE(w->inputText(), QStringLiteral("12"));
    QCOMPARE(w->caretPos(), 2);
    clickKeypad("+");
    QCOMPARE(w->inputText(), QStringLiteral("12+"));
}

void tst_FrmCal::backspace()
{
    type("123");
    clickInBox(2);
    click("cmdBack");
    QCOMPARE(w->inputText(), QStringLiteral("13"));
    QCOMPARE(boxCaret(), 1);
    QCOMPARE(w->caretPos(), 1);
    QCOMPARE(QApplication::focusWidget(), txtIn());

    clickInBox(0);
    click("cmdBack");
    QCOMPARE(w->inputText(), QStringLiteral("13"));
    QCOMPARE(boxCaret(), 0);
    QCOMPARE(w->caretPos(), 0);
}

void tst_FrmCal::clearKeepsKeptPosition()
{
    type("123456");
    QTest::keyClick(w->windowHandle(), Qt::Key_Return); // puts something into txtOut
    key(Qt::Key_Backspace);
    QCOMPARE(w->caretPos(), 6);
    QVERIFY(!w->outputText().isEmpty());

    click("cmdClr");
    QCOMPARE(w->inputText(), QString());
    QCOMPARE(w->outputText(), QString());
    QCOMPARE(w->caretPos(), 6);
    QCOMPARE(status(2), QStringLiteral("字符总数： 0"));
    // The focus stays where the click put it.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdClr"));

    click("cmdBack");
    QCOMPARE(w->inputText(), QString());
    QCOMPARE(w->caretPos(), 6);

    clickKeypad("5");
    QCOMPARE(w->inputText(), QStringLiteral("5"));
    QCOMPARE(w->caretPos(), 1);
}

void tst_FrmCal::selectionIsNotReplaced()
{
    type("12345");
    QTextCursor cursor(txtIn()->document());
    cursor.setPosition(2);
    const QPoint from = txtIn()->cursorRect(cursor).center();
    cursor.setPosition(5);
    const QPoint to = txtIn()->cursorRect(cursor).center() + QPoint(4, 0);

    QWidget *surface = txtIn()->viewport();
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, surface->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
    QCOMPARE(txtIn()->textCursor().selectedText(), QStringLiteral("345"));
    QCOMPARE(w->caretPos(), 2);

    clickKeypad("+");
    QCOMPARE(w->inputText(), QStringLiteral("12+345"));
    QVERIFY(!txtIn()->textCursor().hasSelection());
    QCOMPARE(boxCaret(), 3);
}

void tst_FrmCal::caretButtonsStopAtTheEnds()
{
    type("12");
    click("cmdRight");
    QCOMPARE(boxCaret(), 2);
    QCOMPARE(w->caretPos(), 2);
    click("cmdLeft");
    click("cmdLeft");
    click("cmdLeft");
    QCOMPARE(boxCaret(), 0);
    QCOMPARE(w->caretPos(), 0);
    click("cmdRight");
    QCOMPARE(boxCaret(), 1);
    QCOMPARE(w->caretPos(), 1);
}

void tst_FrmCal::evaluateNormalisesThenBackspace()
{
    type("1 + 2 ");
    QCOMPARE(w->caretPos(), 6);
    click("cmdCal");
    QCOMPARE(w->inputText(), QStringLiteral("1+2"));
    QCOMPARE(w->outputText(), QStringLiteral(" 3"));
    QCOMPARE(w->caretPos(), 6);
    QCOMPARE(status(2), QStringLiteral("字符总数： 3"));

    click("cmdBack");
    QCOMPARE(w->inputText(), QStringLiteral("1+"));
    QCOMPARE(w->caretPos(), 2);
}

void tst_FrmCal::evaluate_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("normalised");
    QTest::addColumn<QString>("display");

    QTest::newRow("empty") << ""
                           << ""
                           << "字符串为空";
    QTest::newRow("blanks only") << "   "
                                 << ""
                                 << "表达式有错误，请检查";
    QTest::newRow("road of one calculation")
        << QString::fromUtf8("3+(-2)*9√2^3+1") << QString::fromUtf8("3+(-2)*9√2^3+1") << "-50";
    QTest::newRow("fault keeps normalised text") << " 1 / 0 "
                                                 << "1/0"
                                                 << "除数为0错误，请检查";
    QTest::newRow("line breaks dropped") << "1+\n2\n"
                                         << "1+2"
                                         << " 3";
    QTest::newRow("overflow") << "exp(1000)"
                              << "exp(1000)"
                              << "超过计算器的范围(2^1023-1)，溢出，对不起！";
}

void tst_FrmCal::evaluate()
{
    QFETCH(QString, box);
    QFETCH(QString, normalised);
    QFETCH(QString, display);

    txtIn()->setPlainText(box);
    click("cmdCal");
    QCOMPARE(w->inputText(), normalised);
    QCOMPARE(w->outputText(), display);
    QCOMPARE(status(2), QStringLiteral("字符总数： %1").arg(normalised.size()));

    // A second run on the same text gives the same outcome and leaves the text as it is (blanks
    // only leave an empty text, which is a different one).
    if (normalised.isEmpty() && !box.isEmpty())
        return;
    click("cmdCal");
    QCOMPARE(w->inputText(), normalised);
    QCOMPARE(w->outputText(), display);
}

void tst_FrmCal::enterEvaluatesThenBreaksTheLine()
{
    type("1 + 2");
    key(Qt::Key_Return);
    QCOMPARE(w->outputText(), QStringLiteral(" 3"));
    // The key goes on to the box as a line break at the caret, which stayed after the "2".
    QCOMPARE(w->inputText(), QStringLiteral("1+2\r\n"));
    QCOMPARE(w->caretPos(), 4);
    QCOMPARE(status(2), QStringLiteral("字符总数： 5"));

    // The keypad's Enter evaluates too; the line break is dropped by that evaluation.
    key(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(w->outputText(), QStringLiteral(" 3"));
    QCOMPARE(w->inputText(), QStringLiteral("1+2\r\n"));
}

void tst_FrmCal::characterCountFollowsEveryChange()
{
    type("12");
    QCOMPARE(status(2), QStringLiteral("字符总数： 2"));
    key(Qt::Key_Return, Qt::ShiftModifier); // a line break inside the paragraph
    QCOMPARE(status(2), QStringLiteral("字符总数： 4"));
    QCOMPARE(w->inputText(), QStringLiteral("12\r\n"));
    txtIn()->setPlainText(QStringLiteral("1\n2\n3"));
    QCOMPARE(status(2), QStringLiteral("字符总数： 7"));
    w->clearBoxes();
    QCOMPARE(status(2), QStringLiteral("字符总数： 0"));
    QCOMPARE(status(1), QStringLiteral("提示"));
}

void tst_FrmCal::textsBeyondSixteenBits()
{
    txtIn()->setPlainText(QString(40000, u'1'));
    clickInBox(3);
    key(Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(w->caretPos(), 40000);
    clickKeypad("+");
    QCOMPARE(w->caretPos(), 40001);
    QCOMPARE(w->inputText().size(), 40001);
    QVERIFY(w->inputText().endsWith(QLatin1String("1+")));
    QCOMPARE(status(2), QStringLiteral("字符总数： 40001"));
    click("cmdBack");
    click("cmdBack");
    QCOMPARE(w->inputText(), QString(39999, u'1'));
    QCOMPARE(w->caretPos(), 39999);
}

void tst_FrmCal::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("menuCaption");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");

    auto row = [](const char *menu, const char *menuCaption, const char *entry, const char *caption,
                  QKeySequence shortcut) {
        QTest::newRow(entry) << QString::fromLatin1(menu) << QString::fromUtf8(menuCaption)
                             << QString::fromLatin1(entry) << QString::fromUtf8(caption) << shortcut;
    };
    row("mnuFile", "文件(&F)", "mnuFileSave", "保存", QKeySequence(Qt::CTRL | Qt::Key_S));
    row("mnuFile", "文件(&F)", "muFileExit", "退出", QKeySequence(Qt::CTRL | Qt::Key_E));
    row("mnuEdit", "编辑(&E)", "mnuEditCopy", "复制", QKeySequence(Qt::CTRL | Qt::Key_C));
    row("mnuEdit", "编辑(&E)", "mnuEditCut", "剪切", QKeySequence(Qt::CTRL | Qt::Key_X));
    row("mnuEdit", "编辑(&E)", "mnuEditPaste", "粘贴", QKeySequence(Qt::CTRL | Qt::Key_V));
    row("mnuJx", "伙伴程序(&K)", "mnuJxTj", "成绩统计（教师用）", QKeySequence(Qt::CTRL | Qt::Key_T));
    row("mnuJx", "伙伴程序(&K)", "mnuJxKs", "口算练习（学生用）", QKeySequence(Qt::CTRL | Qt::Key_K));
    row("mnuHelp", "帮助(&H)", "mnuHelpHelp", "帮助", QKeySequence());
    row("mnuHelp", "帮助(&H)", "mnuHelpNotice", "关于", QKeySequence());
}

void tst_FrmCal::menus()
{
    QFETCH(QString, menu);
    QFETCH(QString, menuCaption);
    QFETCH(QString, entry);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);

    const QStringList order = {"mnuFile", "mnuEdit", "mnuJx", "mnuHelp"};
    const QList<QAction *> top = w->menuBar()->actions();
    QCOMPARE(top.size(), order.size());
    QMenu *m = top[order.indexOf(menu)]->menu();
    QVERIFY(m);
    QCOMPARE(m->objectName(), menu);
    QCOMPARE(m->title(), menuCaption);

    QAction *action = w->findChild<QAction *>(entry);
    QVERIFY(action);
    QVERIFY(m->actions().contains(action));
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
}

void tst_FrmCal::copyThenPasteAtClick()
{
    type("12+34");
    clickInBox(1);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    trigger("mnuEditCopy");
    QCOMPARE(w->clipText(), QStringLiteral("2+3"));
    QCOMPARE(w->inputText(), QStringLiteral("12+34"));
    QCOMPARE(txtIn()->textCursor().selectedText(), QStringLiteral("2+3"));

    clickInBox(5);
    trigger("mnuEditPaste");
    QCOMPARE(w->inputText(), QStringLiteral("12+342+3"));
    QCOMPARE(boxCaret(), 8);
    QCOMPARE(w->caretPos(), 8);
    QCOMPARE(QApplication::focusWidget(), txtIn());
}

void tst_FrmCal::cutThenPaste()
{
    type("12+34");
    clickInBox(4);
    key(Qt::Key_Left, Qt::ShiftModifier);
    key(Qt::Key_Left, Qt::ShiftModifier);
    trigger("mnuEditCut");
    QCOMPARE(w->inputText(), QStringLiteral("124"));
    QCOMPARE(w->clipText(), QStringLiteral("+3"));
    QCOMPARE(boxCaret(), 2);
    QCOMPARE(w->caretPos(), 2);
    QCOMPARE(status(2), QStringLiteral("字符总数： 3"));

    trigger("mnuEditPaste");
    QCOMPARE(w->inputText(), QStringLiteral("12+34"));
    QCOMPARE(w->caretPos(), 4);

    // Line breaks travel through the clipboard as line breaks.
    txtIn()->setPlainText(QStringLiteral("1\n2"));
    txtIn()->selectAll();
    trigger("mnuEditCut");
    QCOMPARE(w->inputText(), QString());
    trigger("mnuEditPaste");
    QCOMPARE(w->inputText(), QStringLiteral("1\r\n2"));
    QCOMPARE(w->caretPos(), 3);
}

void tst_FrmCal::copyWithoutSelection()
{
    type("12+34");
    trigger("mnuEditCopy");
    QCOMPARE(w->clipText(), QString());
    trigger("mnuEditPaste");
    QCOMPARE(w->inputText(), QStringLiteral("12+34"));

    trigger("mnuEditCut");
    QCOMPARE(w->inputText(), QStringLiteral("12+34"));
    QCOMPARE(w->caretPos(), 5);
}

void tst_FrmCal::clipboardKeysUseOwnClipboard()
{
    QApplication::clipboard()->setText(QStringLiteral("999"));
    type("12+34");
    key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w->inputText(), QStringLiteral("12+34"));

    key(Qt::Key_Left, Qt::ShiftModifier);
    key(Qt::Key_Left, Qt::ShiftModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(w->clipText(), QStringLiteral("34"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("999"));

    key(Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(w->inputText(), QStringLiteral("12+"));
    QCOMPARE(w->caretPos(), 3);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("999"));

    key(Qt::Key_Home);
    key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w->inputText(), QStringLiteral("3412+"));
    QCOMPARE(w->caretPos(), 2);
    QCOMPARE(QApplication::focusWidget(), txtIn());
}

void tst_FrmCal::toolbar_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");

    const char *keys[] = {"save", "copy", "cut", "paste", "tongji", "kousuan", "notice", "exit"};
    const char *captions[] = {"保存", "复制", "剪切", "粘贴", "统计", "口算", "帮助", "退出"};
    for (int i = 0; i < 8; ++i)
        QTest::newRow(keys[i]) << i + 1 << QString::fromLatin1(keys[i]) << QString::fromUtf8(captions[i]);
}

void tst_FrmCal::toolbar()
{
    QFETCH(int, number);
    QFETCH(QString, key);
    QFETCH(QString, caption);

    auto *bar = w->findChild<QToolBar *>(QStringLiteral("Toolbar1"));
    QVERIFY(bar);
    QCOMPARE(bar->actions().size(), 8);
    QAction *action = bar->actions().at(number - 1);
    QCOMPARE(action->objectName(), key);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->data().toInt(), number);
    QVERIFY(!action->icon().isNull());

    // Every button shows its picture with the caption under it, inside the bar.
    auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action));
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QVERIFY(bar->rect().contains(button->geometry()));
}

void tst_FrmCal::toolbarButtonsDispatch()
{
    type("12+34");
    key(Qt::Key_Left, Qt::ShiftModifier);
    key(Qt::Key_Left, Qt::ShiftModifier);
    auto *bar = w->findChild<QToolBar *>(QStringLiteral("Toolbar1"));
    auto clickTool = [&](const char *key) {
        QTest::mouseClick(bar->findChild<QToolButton *>(QLatin1String(key)), Qt::LeftButton);
        QCoreApplication::processEvents();
    };

    clickTool("copy");
    QCOMPARE(w->clipText(), QStringLiteral("34"));
    clickTool("cut");
    QCOMPARE(w->inputText(), QStringLiteral("12+"));
    clickTool("paste");
    clickTool("paste");
    QCOMPARE(w->inputText(), QStringLiteral("12+3434"));
    QCOMPARE(w->caretPos(), 7);

    // Numbers outside 1 to 8 do nothing.
    for (int number : {0, 9, -1})
        w->Toolbar1_ButtonClick(number);
    QCOMPARE(w->inputText(), QStringLiteral("12+3434"));
    QVERIFY(w->isVisible());
}

void tst_FrmCal::rightClickOpensEditMenu()
{
    type("12+34");
    clickInBox(3);
    clickInBox(1, Qt::RightButton);
    auto *menu = w->findChild<QMenu *>(QStringLiteral("mnuEdit"));
    QTRY_VERIFY(menu->isVisible());
    // The right button leaves the caret where it was.
    QCOMPARE(w->caretPos(), 3);
    // No other menu opened (the box's own context menu is off).
    int openMenus = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        openMenus += qobject_cast<QMenu *>(top) && top->isVisible();
    QCOMPARE(openMenus, 1);
    const QStringList entries
        = {menu->actions().at(0)->text(), menu->actions().at(1)->text(), menu->actions().at(2)->text()};
    QCOMPARE(entries, QStringList({"复制", "剪切", "粘贴"}));
    menu->close();
}

void tst_FrmCal::menuExitClosesOnlyCalculator()
{
    auto *other = WindowRegistry::instance().show<OtherWindow>();
    QVERIFY(QTest::qWaitForWindowExposed(other));
    OtherWindow::closes = 0;
    trigger("muFileExit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(WindowRegistry::instance().find<FrmCal>(), nullptr);
    QCOMPARE(WindowRegistry::instance().find<OtherWindow>(), other);
    QVERIFY(other->isVisible());
    QCOMPARE(OtherWindow::closes, 0);

    // Showing the calculator again opens a fresh one.
    w = WindowRegistry::instance().show<FrmCal>();
    QCOMPARE(w->inputText(), QString());
    QCOMPARE(w->clipText(), QString());
}

void tst_FrmCal::toolbarExitEndsEverything()
{
    auto *other = WindowRegistry::instance().show<OtherWindow>();
    QVERIFY(QTest::qWaitForWindowExposed(other));
    OtherWindow::closes = 0;
    activate();

    auto *bar = w->findChild<QToolBar *>(QStringLiteral("Toolbar1"));
    QTest::mouseClick(bar->findChild<QToolButton *>(QStringLiteral("exit")), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w = nullptr;
    QCOMPARE(WindowRegistry::instance().find<FrmCal>(), nullptr);
    QCOMPARE(WindowRegistry::instance().find<OtherWindow>(), nullptr);
    QCOMPARE(OtherWindow::closes, 0);
}

QTEST_MAIN(tst_FrmCal)
#include "tst_FrmCal.moc"

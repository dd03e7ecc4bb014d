#include "platform/widgets/Twips.h"
#include "platform/widgets/WindowRegistry.h"
#include "quenby/windows/FrmCal.h"
#include "quenby/windows/frmKs.h"
#include "support/WindowTest.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <optional>

namespace {

// A fraction that makes floor(r × n) come out as k.
double pick(int k, int n)
{
    return (k + 0.5) / n;
}

const char *const kKindButtons[] = {"cmdAdd1", "cmdAdd2", "cmdAdd3", "cmdMul", "cmdDiv", "cmdMd"};

enum class State { Opened, QuestionOnDisplay, SetFinished, ReadyAgain };

} // namespace

class tst_frmKs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void fontsAndColours();
    void tabOrder();
    void opening();

    void setAllRight();
    void setAllWrong();
    void kindButtonsDrawTheirKind_data();
    void kindButtonsDrawTheirKind();
    void ignoredAnswers_data();
    void ignoredAnswers();
    void leadingZeros();
    void enterGrades_data();
    void enterGrades();
    void enterWithoutQuestionChangesNothing();
    void timeCountsFromFirstGradedAnswer();

    void repeatRightAfterOpening();
    void repeatAfterFinishedSet();

    void calculatorHiddenWhileOpen_data();
    void calculatorHiddenWhileOpen();
    void closeBoxMidSetThenFreshSet();
    void closeBoxOpensFreshCalculator();
    void openingTwiceKeepsTheSet();
    void endingAtOnceBringsNothingBack();

    void wholeSetByKeysAlone();
    void everyControlHasAChineseName();

private:
    frmKs *openPractice();
    template <class T> T *child(const char *name) const;
    void scriptTimes(int x, int y);
    void scriptDivide(int quotient, int divisor);
    void type(const QString &text);
    void enter(Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void click(const char *button);
    void checkState(State state);
    QStringList lines() const;

    std::optional<windowtest::FakeServices> m_services;
    frmKs *m_w = nullptr;

    ScriptedRandom &random() { return m_services->random; }
    FakeClock &clock() { return m_services->clock; }
};

void tst_frmKs::init()
{
    m_services.emplace();
    clock().set(QDateTime(QDate(2005, 6, 15), QTime(10, 59, 50)));
    m_w = nullptr;
}

void tst_frmKs::cleanup()
{
    WindowRegistry::instance().destroyAll();
    m_services.reset();
}

frmKs *tst_frmKs::openPractice()
{
    m_w = FrmCal::openPractice();
    return windowtest::activate(m_w) ? m_w : nullptr;
}

template <class T> T *tst_frmKs::child(const char *name) const
{
    T *w = windowtest::child<T>(m_w, name);
    if (!w)
        qFatal("no widget %s", name);
    return w;
}

void tst_frmKs::scriptTimes(int x, int y)
{
    random().push({pick(x - 1, 9), pick(y - 1, 9)});
}

void tst_frmKs::scriptDivide(int quotient, int divisor)
{
    random().push({pick(quotient - 1, 9), pick(divisor - 1, 9)});
}

// Types into the window as the pupil does; characters that no key gives (full-width digits) are
// put into the answer box as an input method would.
void tst_frmKs::type(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(m_w->windowHandle(), char(c.unicode()));
        else
            child<QLineEdit>("txtZ")->insert(QString(c));
    }
}

void tst_frmKs::enter(Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(m_w->windowHandle(), Qt::Key_Return, modifiers);
}

void tst_frmKs::click(const char *button)
{
    QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
}

QStringList tst_frmKs::lines() const
{
    QStringList out;
    auto *list = child<QListWidget>("List2");
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void tst_frmKs::checkState(State state)
{
    const bool kinds = state == State::Opened || state == State::ReadyAgain;
    const bool onDisplay = state == State::QuestionOnDisplay;
    const bool after = state == State::Opened || state == State::SetFinished;
    for (const char *name : kKindButtons)
        QVERIFY2(child<QPushButton>(name)->isEnabled() == kinds, name);
    QCOMPARE(child<QPushButton>("cmdOK")->isEnabled(), onDisplay);
    QCOMPARE(child<QLineEdit>("txtZ")->isReadOnly(), !onDisplay);
    QCOMPARE(child<QPushButton>("cmdRep")->isEnabled(), after);
    QCOMPARE(child<QPushButton>("cmdBack")->isEnabled(), after);
    for (const char *box : {"txtX", "txtOp", "txtY"}) {
        QVERIFY2(child<QLineEdit>(box)->isReadOnly(), box);
        QVERIFY2(child<QLineEdit>(box)->text().isEmpty() != onDisplay, box);
    }
    if (onDisplay) {
        QCOMPARE(child<QLineEdit>("txtZ")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("txtZ"));
        QCOMPARE(child<QLabel>("labDefen")->text(), QString());
    } else {
        QCOMPARE(child<QLineEdit>("txtZ")->text(), QString());
    }
}

void tst_frmKs::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twipsRect");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");

    const auto row = [](const char *name, int l, int t, int w, int h, const QString &text, bool on = true) {
        QTest::newRow(name) << QString::fromLatin1(name) << QRect(l, t, w, h) << text << on;
    };
    row("cmdAdd1", 240, 120, 1335, 375, QStringLiteral("10以内加减"));
    row("cmdAdd2", 2160, 120, 1335, 375, QStringLiteral("20以内加减"));
    row("cmdAdd3", 4080, 120, 1335, 375, QStringLiteral("100以内加减"));
    row("cmdMul", 240, 600, 1335, 375, QStringLiteral("表内乘法"));
    row("cmdDiv", 2160, 600, 1335, 375, QStringLiteral("表内除法"));
    row("cmdMd", 4080, 600, 1335, 375, QStringLiteral("较大的乘除"));
    row("txtX", 360, 1560, 615, 375, QString());
    row("txtOp", 960, 1560, 615, 375, QString());
    row("txtY", 1560, 1560, 615, 375, QString());
    row("Label1", 2280, 1680, 375, 255, QStringLiteral("="));
    row("txtZ", 3000, 1560, 735, 375, QString());
    row("cmdOK", 4080, 1560, 1335, 375, QStringLiteral("确定"), false);
    row("List2", 360, 2400, 3375, 2760, QString());
    row("cmdRep", 4080, 2640, 1215, 855, QStringLiteral("再来一次"));
    row("cmdBack", 4080, 3960, 1215, 735, QStringLiteral("不做了，休息一下"));
    row("Label4", 360, 5280, 855, 375, QStringLiteral("用时："));
    row("labTime", 960, 5280, 855, 375, QStringLiteral("shijian"));
    row("Label2", 1800, 5280, 855, 375, QStringLiteral("得分："));
    row("labDefen", 2760, 5280, 2775, 375, QStringLiteral("fenshu"));
}

void tst_frmKs::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twipsRect);
    QFETCH(QString, text);
    QFETCH(bool, enabled);

    QVERIFY(openPractice());
    QWidget *w = m_w->findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), m_w);
    QCOMPARE(windowtest::placeOf(w),
             twips::rect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
    QCOMPARE(w->isEnabled(), enabled);
    QVERIFY(w->isVisible());
    if (auto *b = qobject_cast<QPushButton *>(w)) {
        QCOMPARE(b->text(), text);
    } else if (auto *l = qobject_cast<QLabel *>(w)) {
        QCOMPARE(l->text(), text);
    } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
        QCOMPARE(e->text(), text);
        QVERIFY(e->isReadOnly());
    } else if (auto *list = qobject_cast<QListWidget *>(w)) {
        QCOMPARE(list->count(), 0);
        QVERIFY(!list->isSortingEnabled());
    } else {
        QFAIL("unexpected widget type");
    }
}

void tst_frmKs::fontsAndColours()
{
    QVERIFY(openPractice());
    QCOMPARE(m_w->windowTitle(), QStringLiteral("口算练习（学生用）"));
    QCOMPARE(m_w->size(), twips::size(5715, 5865));
    QVERIFY(!m_w->isModal());

    const QRect screen = m_w->screen()->availableGeometry();
    // Centred on the screen with its frame, once the window manager has framed it.
    QTRY_VERIFY2(windowtest::isCentred(m_w), "the window opens centred on the screen");
    QVERIFY(screen.contains(m_w->frameGeometry()));

    const QFont equals = child<QLabel>("Label1")->font();
    QCOMPARE(equals.family(), QStringLiteral("黑体"));
    QCOMPARE(equals.pointSizeF(), 15.75);
    QVERIFY(equals.bold());

    auto *score = child<QLabel>("labDefen");
    QCOMPARE(score->font().family(), QStringLiteral("宋体"));
    QCOMPARE(score->font().pointSizeF(), 14.25);
    QVERIFY(score->font().bold());
    QCOMPARE(score->palette().color(QPalette::WindowText), QColor(192, 0, 0));

    // Everything else keeps the window's font.
    for (const char *name : {"cmdAdd1", "txtZ", "List2", "labTime", "cmdBack"})
        QCOMPARE(m_w->findChild<QWidget *>(QLatin1String(name))->font(), m_w->font());
}

void tst_frmKs::tabOrder()
{
    QVERIFY(openPractice());
    QStringList order;
    QWidget *start = child<QLineEdit>("txtX");
    QWidget *w = start;
    do {
        if (w->parentWidget() == m_w && (w->focusPolicy() & Qt::TabFocus))
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != start);
    const QStringList expected = {"txtX",   "txtZ",   "cmdOK",   "List2", "cmdRep", "cmdAdd1", "cmdAdd2",
                                  "cmdMul", "cmdDiv", "cmdAdd3", "cmdMd", "txtOp",  "txtY",    "cmdBack"};
    QCOMPARE(order, expected);
}

void tst_frmKs::opening()
{
    auto *cal = WindowRegistry::instance().show<FrmCal>();
    QVERIFY(openPractice());
    QCOMPARE(random().reseeds(), 1);
    QVERIFY(!cal->isVisible());
    QCOMPARE(m_w->kind(), practice::Kind::None);
    QCOMPARE(m_w->answeredCount(), 0);
    checkState(State::Opened);
    QCOMPARE(lines(), QStringList());
}

void tst_frmKs::setAllRight()
{
    struct Step {
        int x, y;
        const char *answer;
        const char *line;
    };
    const Step steps[] = {
        {7, 3, "21", " 7× 3 = 21        √"}, {9, 9, "81", " 9× 9 = 81        √"},
        {1, 1, "1", " 1× 1 = 1        √"},   {2, 8, "16", " 2× 8 = 16        √"},
        {6, 7, "42", " 6× 7 = 42        √"}, {5, 5, "25", " 5× 5 = 25        √"},
        {3, 4, "12", " 3× 4 = 12        √"}, {8, 6, "48", " 8× 6 = 48        √"},
        {4, 9, "36", " 4× 9 = 36        √"}, {7, 3, "21", " 7× 3 = 21        √"},
    };
    for (const Step &step : steps)
        scriptTimes(step.x, step.y);
    QVERIFY(openPractice());

    click("cmdMul");
    QStringList expected;
    int i = 0;
    for (const Step &step : steps) {
        checkState(State::QuestionOnDisplay);
        QCOMPARE(child<QLineEdit>("txtOp")->text(), QStringLiteral("×"));
        QCOMPARE(QString(child<QLineEdit>("txtX")->text() + "×" + child<QLineEdit>("txtY")->text() + " = "
                         + step.answer + "        √"),
                 QString::fromUtf8(step.line));
        QCOMPARE(m_w->answeredCount(), i);
        if (i++ > 0)
            clock().advanceSeconds(5); // the first answer at 10:59:50, the tenth at 11:00:35
        type(step.answer);
        enter();
        expected << QString::fromUtf8(step.line);
        QCOMPARE(lines(), expected);
    }

    checkState(State::SetFinished);
    QCOMPARE(child<QLabel>("labDefen")->text(), QStringLiteral(" 100分——棒极了！"));
    QCOMPARE(child<QLabel>("labTime")->text(), QStringLiteral(" 45 秒"));
    QCOMPARE(m_w->kind(), practice::Kind::Times);
    QCOMPARE(m_w->answeredCount(), 0);
    QCOMPARE(m_w->rightCount(), 0);
    QCOMPARE(random().remaining(), std::size_t(0)); // no eleventh question drawn
}

void tst_frmKs::setAllWrong()
{
    struct Step {
        int quotient, divisor;
        const char *shown; // x and y as the boxes show them
        const char *answer;
        const char *line;
    };
    const Step steps[] = {
        {9, 8, " 72÷ 8", "10", " 72÷ 8 = 10        ×----答案是 9"},
        {1, 1, " 1÷ 1", "2", " 1÷ 1 = 2        ×----答案是 1"},
        {5, 7, " 35÷ 7", "6", " 35÷ 7 = 6        ×----答案是 5"},
        {3, 3, " 9÷ 3", "4", " 9÷ 3 = 4        ×----答案是 3"},
        {9, 9, " 81÷ 9", "10", " 81÷ 9 = 10        ×----答案是 9"},
        {2, 6, " 12÷ 6", "3", " 12÷ 6 = 3        ×----答案是 2"},
        {7, 4, " 28÷ 4", "8", " 28÷ 4 = 8        ×----答案是 7"},
        {4, 2, " 8÷ 2", "5", " 8÷ 2 = 5        ×----答案是 4"},
        {6, 5, " 30÷ 5", "7", " 30÷ 5 = 7        ×----答案是 6"},
        {8, 9, " 72÷ 9", "9", " 72÷ 9 = 9        ×----答案是 8"},
    };
    for (const Step &step : steps)
        scriptDivide(step.quotient, step.divisor);
    clock().set(QDateTime(QDate(2005, 6, 15), QTime(23, 59, 50)));
    QVERIFY(openPractice());

    click("cmdDiv");
    QStringList expected;
    int i = 0;
    for (const Step &step : steps) {
        QCOMPARE(child<QLineEdit>("txtX")->text() + child<QLineEdit>("txtOp")->text()
                     + child<QLineEdit>("txtY")->text(),
                 QString::fromUtf8(step.shown));
        if (i > 0)
            clock().advanceSeconds(3); // across midnight: 23:59:50 to 00:00:17
        type(step.answer);
        // Alternately Enter and the button.
        if (i++ % 2)
            click("cmdOK");
        else
            enter();
        expected << QString::fromUtf8(step.line);
    }
    QCOMPARE(lines(), expected);
    checkState(State::SetFinished);
    QCOMPARE(child<QLabel>("labDefen")->text(), QStringLiteral(" 0分——加油啊！"));
    QCOMPARE(child<QLabel>("labTime")->text(), QStringLiteral(" 27 秒"));
}

void tst_frmKs::kindButtonsDrawTheirKind_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("line");

    QTest::newRow("10以内加减") << "cmdAdd1" << QList<double> {pick(7, 11), pick(2, 3), 0.0, pick(5, 10)}
                                << " 7+ 2"
                                << "9"
                                << " 7+ 2 = 9        √";
    QTest::newRow("20以内加减") << "cmdAdd2" << QList<double> {0.0, pick(7, 8), pick(4, 8)} << " 15- 6"
                                << "8"
                                << " 15- 6 = 8        ×----答案是 9";
    QTest::newRow("100以内加减") << "cmdAdd3" << QList<double> {pick(100, 101), 0.5, pick(100, 101), 0.0}
                                 << " 100- 100"
                                 << "0"
                                 << " 100- 100 = 0        √";
    QTest::newRow("表内乘法") << "cmdMul" << QList<double> {pick(8, 9), pick(8, 9)} << " 9× 9"
                              << "81"
                              << " 9× 9 = 81        √";
    QTest::newRow("表内除法") << "cmdDiv" << QList<double> {pick(8, 9), pick(7, 9)} << " 72÷ 8"
                              << "9"
                              << " 72÷ 8 = 9        √";
    QTest::newRow("较大的乘除") << "cmdMd" << QList<double> {0.0, pick(100, 101), pick(8, 9)} << " 900÷ 9"
                                << "10"
                                << " 900÷ 9 = 10        ×----答案是 100";
}

void tst_frmKs::kindButtonsDrawTheirKind()
{
    QFETCH(QString, button);
    QFETCH(QList<double>, draws);
    QFETCH(QString, question);
    QFETCH(QString, answer);
    QFETCH(QString, line);

    for (double r : draws)
        random().push(r);
    for (double r : draws) // the second question of the set, the same again
        random().push(r);
    QVERIFY(openPractice());
    click(button.toLatin1().constData());
    checkState(State::QuestionOnDisplay);
    QCOMPARE(child<QLineEdit>("txtX")->text() + child<QLineEdit>("txtOp")->text()
                 + child<QLineEdit>("txtY")->text(),
             question);
    type(answer);
    enter();
    QCOMPARE(lines(), QStringList {line});
    checkState(State::QuestionOnDisplay);
    QCOMPARE(random().remaining(), std::size_t(0));
}

void tst_frmKs::ignoredAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << " ";
    QTest::newRow("trailing blank") << "12 ";
    QTest::newRow("minus") << "-3";
    QTest::newRow("point") << "1.5";
    QTest::newRow("full-width digits") << QStringLiteral("１２");
    QTest::newRow("letter") << "1o";
}

void tst_frmKs::ignoredAnswers()
{
    QFETCH(QString, answer);
    scriptTimes(3, 4);
    QVERIFY(openPractice());
    click("cmdMul");
    type(answer);
    QCOMPARE(child<QLineEdit>("txtZ")->text(), answer);

    enter();
    enter(Qt::ShiftModifier);
    click("cmdOK");

    QCOMPARE(child<QLineEdit>("txtZ")->text(), answer);
    QCOMPARE(lines(), QStringList());
    QCOMPARE(m_w->answeredCount(), 0);
    QVERIFY(child<QPushButton>("cmdOK")->isEnabled());
    QVERIFY(!child<QLineEdit>("txtZ")->isReadOnly());
    QCOMPARE(child<QLineEdit>("txtX")->text(), QStringLiteral(" 3"));
    QCOMPARE(random().remaining(), std::size_t(0));

    // Corrected, it is graded.
    scriptTimes(1, 1);
    QTest::mouseClick(child<QLineEdit>("txtZ"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("txtZ"));
    child<QLineEdit>("txtZ")->clear();
    type("12");
    enter();
    QCOMPARE(lines(), QStringList {QStringLiteral(" 3× 4 = 12        √")});
}

void tst_frmKs::leadingZeros()
{
    scriptTimes(1, 7);
    scriptTimes(1, 7);
    QVERIFY(openPractice());
    click("cmdMul");
    type("007");
    enter();
    QCOMPARE(lines(), QStringList {QStringLiteral(" 1× 7 = 007        √")});
    QCOMPARE(m_w->rightCount(), 1);
}

void tst_frmKs::enterGrades_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("Shift+Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Alt+Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::AltModifier);
}

void tst_frmKs::enterGrades()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    scriptTimes(2, 3);
    scriptTimes(4, 5);
    QVERIFY(openPractice());
    click("cmdMul");
    type("6");
    QTest::keyClick(m_w->windowHandle(), Qt::Key(key), modifiers);
    QCOMPARE(lines(), QStringList {QStringLiteral(" 2× 3 = 6        √")});
    checkState(State::QuestionOnDisplay);
    QCOMPARE(child<QLineEdit>("txtX")->text(), QStringLiteral(" 4"));
}

void tst_frmKs::enterWithoutQuestionChangesNothing()
{
    QVERIFY(openPractice());
    child<QLineEdit>("txtZ")->setFocus();
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("txtZ"));
    type("5");
    enter();
    click("cmdOK"); // disabled
    checkState(State::Opened);
    QCOMPARE(lines(), QStringList());
    QCOMPARE(m_w->answeredCount(), 0);
}

void tst_frmKs::timeCountsFromFirstGradedAnswer()
{
    for (int i = 0; i < 10; ++i)
        scriptTimes(2, 2);
    QVERIFY(openPractice());
    click("cmdMul");
    clock().advanceSeconds(50); // time to think about the first question: not counted
    type("x");
    enter(); // ignored: the clock does not start
    clock().advanceSeconds(50);
    child<QLineEdit>("txtZ")->clear();
    for (int i = 0; i < 10; ++i) {
        if (i > 0)
            clock().advanceSeconds(3);
        type(i == 4 ? "5" : "4");
        enter();
        if (i == 3) {
            // While a set is under way the time label still shows the last set's time.
            QCOMPARE(child<QLabel>("labTime")->text(), QStringLiteral("shijian"));
        }
    }
    QCOMPARE(child<QLabel>("labTime")->text(), QStringLiteral(" 27 秒"));
    QCOMPARE(child<QLabel>("labDefen")->text(), QStringLiteral(" 90分——你很棒！"));
}

void tst_frmKs::repeatRightAfterOpening()
{
    QVERIFY(openPractice());
    click("cmdRep");
    checkState(State::ReadyAgain);
    QCOMPARE(lines(), QStringList());
    QCOMPARE(child<QLabel>("labDefen")->text(), QString());
    QCOMPARE(child<QLabel>("labTime")->text(), QStringLiteral("shijian"));
}

void tst_frmKs::repeatAfterFinishedSet()
{
    for (int i = 0; i < 10; ++i)
        scriptTimes(3, 3);
    QVERIFY(openPractice());
    click("cmdMul");
    for (int i = 0; i < 10; ++i) {
        if (i == 3) {
            // "再来一次" is disabled while the set is under way.
            click("cmdRep");
            checkState(State::QuestionOnDisplay);
            QCOMPARE(lines().size(), 3);
        }
        if (i > 0)
            clock().advanceSeconds(2);
        type(i < 8 ? "9" : "8");
        enter();
    }
    checkState(State::SetFinished);
    QCOMPARE(child<QLabel>("labDefen")->text(), QStringLiteral(" 80分——不错啦！"));
    QCOMPARE(child<QLabel>("labTime")->text(), QStringLiteral(" 18 秒"));

    click("cmdRep");
    checkState(State::ReadyAgain);
    QCOMPARE(lines(), QStringList());
    QCOMPARE(child<QLabel>("labDefen")->text(), QString());
    QCOMPARE(child<QLabel>("labTime")->text(), QStringLiteral(" 18 秒"));
    QCOMPARE(m_w->kind(), practice::Kind::Times);

    // Ready again: both buttons after a set stay disabled until the next set is finished.
    click("cmdBack");
    click("cmdRep");
    QVERIFY(m_w->isVisible());
    checkState(State::ReadyAgain);

    // Choosing a kind clears the score but leaves the last time; the new set counts only its own.
    for (int i = 0; i < 10; ++i)
        random().push({pick(4, 11), 0.0, 0.0, pick(9, 10)}); // 4 + 0
    child<QLabel>("labDefen")->setText(QStringLiteral("old"));
    click("cmdAdd1");
    checkState(State::QuestionOnDisplay);
    QCOMPARE(child<QLabel>("labTime")->text(), QStringLiteral(" 18 秒"));
    QCOMPARE(m_w->kind(), practice::Kind::AddSub10);
    for (int i = 0; i < 10; ++i) {
        clock().advanceSeconds(1);
        type("4");
        enter();
    }
    QCOMPARE(lines().size(), 10);
    QCOMPARE(child<QLabel>("labDefen")->text(), QStringLiteral(" 100分——棒极了！"));
    QCOMPARE(child<QLabel>("labTime")->text(), QStringLiteral(" 9 秒"));
}

void tst_frmKs::calculatorHiddenWhileOpen_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("不做了，休息一下") << true;
    QTest::newRow("close box") << false;
}

void tst_frmKs::calculatorHiddenWhileOpen()
{
    QFETCH(bool, byButton);
    auto *cal = WindowRegistry::instance().show<FrmCal>();
    QVERIFY(QTest::qWaitForWindowExposed(cal));
    QVERIFY(openPractice());
    QVERIFY(!cal->isVisible());
    QCOMPARE(WindowRegistry::instance().find<FrmCal>(), cal);

    if (byButton)
        click("cmdBack");
    else
        m_w->windowHandle()->close();

    QVERIFY(cal->isVisible());
    QCOMPARE(WindowRegistry::instance().find<FrmCal>(), cal);
    QTRY_VERIFY(!WindowRegistry::instance().find<frmKs>());
}

void tst_frmKs::closeBoxMidSetThenFreshSet()
{
    for (int i = 0; i < 4; ++i)
        scriptTimes(6, 6);
    QVERIFY(openPractice());
    click("cmdMul");
    for (int i = 0; i < 3; ++i) {
        type("36");
        enter();
    }
    QCOMPARE(lines().size(), 3);
    m_w->windowHandle()->close();
    QTRY_VERIFY(!WindowRegistry::instance().find<frmKs>());
    QCOMPARE(random().remaining(), std::size_t(0));

    // Nothing of the abandoned set survives.
    QVERIFY(openPractice());
    QCOMPARE(random().reseeds(), 2);
    checkState(State::Opened);
    QCOMPARE(lines(), QStringList());
    QCOMPARE(m_w->answeredCount(), 0);
    QCOMPARE(m_w->kind(), practice::Kind::None);
    QCOMPARE(child<QLabel>("labTime")->text(), QStringLiteral("shijian"));
    QCOMPARE(child<QLabel>("labDefen")->text(), QStringLiteral("fenshu"));

    for (int i = 0; i < 10; ++i)
        scriptDivide(2, 2);
    click("cmdDiv");
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(lines().size(), i);
        type(i < 9 ? "2" : "3");
        enter();
    }
    QCOMPARE(lines().size(), 10);
    QCOMPARE(child<QLabel>("labDefen")->text(), QStringLiteral(" 90分——你很棒！"));
}

void tst_frmKs::closeBoxOpensFreshCalculator()
{
    QVERIFY(!WindowRegistry::instance().find<FrmCal>());
    QVERIFY(openPractice());
    m_w->windowHandle()->close();
    auto *cal = WindowRegistry::instance().find<FrmCal>();
    QVERIFY(cal);
    QVERIFY(cal->isVisible());
}

void tst_frmKs::openingTwiceKeepsTheSet()
{
    scriptTimes(5, 5);
    scriptTimes(5, 6);
    auto *cal = WindowRegistry::instance().show<FrmCal>();
    QVERIFY(openPractice());
    frmKs *first = m_w;
    click("cmdMul");
    type("25");
    enter();

    // The calculator may come back meanwhile (the statistics window's return does that).
    cal->show();
    QCOMPARE(FrmCal::openPractice(), first);
    QCOMPARE(random().reseeds(), 1);
    QVERIFY(cal->isVisible());
    QCOMPARE(lines().size(), 1);
    QCOMPARE(child<QLineEdit>("txtY")->text(), QStringLiteral(" 6"));
}

void tst_frmKs::endingAtOnceBringsNothingBack()
{
    WindowRegistry::instance().show<FrmCal>();
    QVERIFY(openPractice());
    WindowRegistry::instance().destroyAll();
    QVERIFY(!WindowRegistry::instance().find<FrmCal>());
    QVERIFY(!WindowRegistry::instance().find<frmKs>());
}

// A pupil without a mouse: Tab to a kind button, Space to start, then digits and Enter for each of
// the ten questions; the focus goes where the keys say, and the score shows at the end.
void tst_frmKs::wholeSetByKeysAlone()
{
    const int products[][2]
        = {{2, 3}, {4, 5}, {6, 7}, {8, 9}, {9, 9}, {1, 1}, {3, 3}, {5, 5}, {7, 7}, {2, 9}};
    const char *const answers[] = {"6", "20", "42", "72", "81", "1", "9", "25", "49", "17"};
    for (const auto &[x, y] : products)
        scriptTimes(x, y);
    QVERIFY(openPractice());
    QWindow *window = m_w->windowHandle();

    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("txtX"));
    // 确定 is disabled, so Tab passes it by.
    for (const char *next : {"txtZ", "List2", "cmdRep", "cmdAdd1", "cmdAdd2", "cmdMul"}) {
        QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
    }
    QTest::keyClick(window, Qt::Key_Space);

    auto *answer = child<QLineEdit>("txtZ");
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(QApplication::focusWidget(), answer);
        QCOMPARE(answer->accessibleName(), QStringLiteral("第%1题答案").arg(i + 1));
        clock().advanceSeconds(2);
        for (const char *digit = answers[i]; *digit; ++digit)
            QTest::keyClick(window, *digit);
        QTest::keyClick(window, Qt::Key_Return);
    }
    QCOMPARE(lines().size(), 10);
    QCOMPARE(lines().last(), QStringLiteral(" 2× 9 = 17        ×----答案是 18"));
    QCOMPARE(child<QLabel>("labDefen")->text(), QStringLiteral(" 90分——你很棒！"));
    QCOMPARE(child<QLabel>("labTime")->text(), QStringLiteral(" 18 秒"));
    checkState(State::SetFinished);

    // "再来一次" by keys: Tab on from the read-only answer box.
    answer->setFocus();
    QTest::keyClick(window, Qt::Key_Tab); // 确定 is disabled again
    QCOMPARE(QApplication::focusWidget(), child<QListWidget>("List2"));
    QTest::keyClick(window, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>("cmdRep"));
    QTest::keyClick(window, Qt::Key_Space);
    checkState(State::ReadyAgain);
}

void tst_frmKs::everyControlHasAChineseName()
{
    QVERIFY(openPractice());
    const QStringList expected
        = {"第一个数", "答案",     "确定",        "判题结果",   "再来一次", "10以内加减", "20以内加减",
           "表内乘法", "表内除法", "100以内加减", "较大的乘除", "运算符号", "第二个数",   "不做了，休息一下"};
    QStringList names;
    QWidget *control = child<QLineEdit>("txtX");
    while (names.size() < expected.size()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->parentWidget() == m_w)
            names << control->accessibleName();
        control = control->nextInFocusChain();
    }
    QCOMPARE(names, expected);
    // The boxes' menus speak Chinese too.
    QMenu *menu = windowtest::openContextMenu(child<QLineEdit>("txtX"));
    QVERIFY(menu);
    QCOMPARE(windowtest::menuTexts(menu).first(), QStringLiteral("撤销(&U)"));
    menu->close();
}

QTEST_MAIN(tst_frmKs)
#include "tst_frmKs.moc"

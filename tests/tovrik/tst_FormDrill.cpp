#include "core/RandomSource.h"
#include "core/Services.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"
#include "widgets/Twips.h"
#include "widgets/WindowRegistry.h"
#include "windows/Form1.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form7.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(Drill)

namespace {

double pick(int k, int n)
{
    return (k + 0.5) / n;
}

// The fractions that make Form1 draw the multiplication a x b.
QList<double> times(int a, int b)
{
    return {0.25, pick(a, 10), pick(b, 10)};
}

QRect tw(int left, int top, int width, int height)
{
    return twips::rect(left, top, width, height);
}

QImage builtInFace(const QString &file, int side)
{
    return QIcon(QStringLiteral(":/tovrik/resources/") + file).pixmap(side, side).toImage();
}

} // namespace

class tst_FormDrill : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void openingState_data();
    void openingState();
    void grading_data();
    void grading();
    void endByCount_data();
    void endByCount();
    void endByTime();
    void endByTimeWithoutAnswers();
    void bothLimitsEndAtTheFirst();
    void hugeMinutesDoNotFail();
    void tabAwayAndBack();
    void clickIntoTheFocusBox();
    void reactivationIsNotANewQuestion();
    void leavingReturnsToTheMenu_data();
    void leavingReturnsToTheMenu();
    void facePictures_data();
    void facePictures();

private:
    FormDrill *start(Drill drill, const QString &minutes, const QString &questions);
    void useScript(const QList<double> &fractions);
    template <class T = QWidget> T *child(QWidget *w, const char *name)
    {
        return w->findChild<T *>(QLatin1String(name));
    }
    QString text(QWidget *w, const char *name) { return child<QLabel>(w, name)->text(); }
    QString question(QWidget *w);
    int shownAnswer(QWidget *w);
    void answer(FormDrill *w, const QString &typed);
    void tick(FormDrill *w, int times);
    QStringList counts(QWidget *w) { return {text(w, "Label11"), text(w, "Label12"), text(w, "Label13")}; }
    QStringList report();

    ScriptedDialogs m_dialogs;
    ScriptedRandom m_random;
    Form3 *m_menu = nullptr;
    int m_beeps = 0;
    QString m_oldCurrent;
};

void tst_FormDrill::init()
{
    m_dialogs.clear();
    services::setDialogs(&m_dialogs);
    m_random = ScriptedRandom();
    m_beeps = 0;
    m_oldCurrent = QDir::currentPath();
}

void tst_FormDrill::cleanup()
{
    WindowRegistry::instance().destroyAll();
    services::reset();
    QDir::setCurrent(m_oldCurrent);
    m_menu = nullptr;
}

void tst_FormDrill::useScript(const QList<double> &fractions)
{
    for (double r : fractions)
        m_random.push(r);
    services::setRandom(&m_random);
}

// Opens the menu, chooses the limits the way a pupil does and presses the drill's button.
FormDrill *tst_FormDrill::start(Drill drill, const QString &minutes, const QString &questions)
{
    auto &registry = WindowRegistry::instance();
    m_menu = registry.show<Form3>();
    if (!minutes.isEmpty()) {
        m_dialogs.scriptInput(minutes);
        child<QRadioButton>(m_menu, "Option1")->click();
    }
    if (!questions.isEmpty()) {
        m_dialogs.scriptInput(questions);
        child<QRadioButton>(m_menu, "Option2")->click();
    }
    FormDrill *w = nullptr;
    switch (drill) {
    case Drill::Form1:
        m_menu->Command1_Click();
        w = registry.find<Form1>();
        break;
    case Drill::Form2:
        m_menu->Command2_Click();
        w = registry.find<Form2>();
        break;
    case Drill::Form4:
        m_menu->Command4_Click();
        w = registry.find<Form4>();
        break;
    case Drill::Form7:
        m_menu->Command5_Click();
        w = registry.find<Form7>();
        break;
    }
    if (!w || !QTest::qWaitForWindowExposed(w))
        return nullptr;
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w))
        return nullptr;
    if (auto *box = dynamic_cast<DrillAnswerBox *>(child<QLineEdit>(w, "Text1")))
        box->beep = [this] { ++m_beeps; };
    return w;
}

QString tst_FormDrill::question(QWidget *w)
{
    return text(w, "Label1") + ' ' + text(w, "Label2") + ' ' + text(w, "Label3");
}

// The right answer of the question on display, worked out from what the window shows.
int tst_FormDrill::shownAnswer(QWidget *w)
{
    const int a = text(w, "Label1").toInt();
    const int b = text(w, "Label3").toInt();
    const QString op = text(w, "Label2");
    if (op == "+")
        return a + b;
    if (op == "-")
        return a - b;
    if (op == "x")
        return a * b;
    if (op == QStringLiteral("÷"))
        return a / b;
    return -1;
}

// Types an answer into the window as keys (text outside ASCII is put in place) and presses Enter.
void tst_FormDrill::answer(FormDrill *w, const QString &typed)
{
    bool ascii = true;
    for (QChar c : typed)
        ascii = ascii && c.unicode() < 128;
    if (ascii) {
        for (QChar c : typed)
            QTest::keyClick(w->windowHandle(), c.toLatin1());
    } else {
        child<QLineEdit>(w, "Text1")->setText(typed);
    }
    QTest::keyClick(w->windowHandle(), Qt::Key_Return);
}

void tst_FormDrill::tick(FormDrill *w, int times)
{
    for (int i = 0; i < times; ++i)
        w->Timer1_Timer();
}

QStringList tst_FormDrill::report()
{
    Form5 *r = WindowRegistry::instance().find<Form5>();
    if (!r || !r->isVisible())
        return {"no report"};
    return {text(r, "Label4"), text(r, "Label5"), text(r, "Label6"), text(r, "Label9"),
            text(r, "Label10") + '|' + text(r, "Label11") + '|' + text(r, "Label12")};
}

void tst_FormDrill::layout_data()
{
    QTest::addColumn<Drill>("drill");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("titleName");
    QTest::addColumn<QString>("titleText"); // empty for a banner picture
    QTest::addColumn<QRect>("title");
    QTest::addColumn<QList<int>>("questionLefts"); // Label1 to Label4
    QTest::addColumn<QList<int>>("numberWidths");  // Label1 and Label3
    QTest::addColumn<int>("questionTop");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<QRect>("text1");
    QTest::addColumn<QRect>("image1");
    QTest::addColumn<QRect>("text2");
    QTest::addColumn<QPoint>("label6");
    QTest::addColumn<int>("commandTop");
    QTest::addColumn<QString>("exitTip");
    QTest::addColumn<QStringList>("faces");
    QTest::addColumn<int>("faceTop");
    QTest::addColumn<int>("frownLeft");

    QTest::newRow("Form1") << Drill::Form1 << QStringLiteral("表内乘除法口算训练    ") << "Label14_0"
                           << QStringLiteral("表内乘除法口算训练") << tw(960, 360, 4815, 615)
                           << QList<int> {1680, 2640, 3360, 4200} << QList<int> {615, 615} << 2640 << true
                           << tw(4800, 2520, 1095, 735) << tw(6240, 2640, 615, 615) << tw(360, 1200, 495, 270)
                           << QPoint(1440, 1200) << 4440 << "" << QStringList {"Image2", "Image3"} << 4680
                           << 2760;
    QTest::newRow("Form2") << Drill::Form2 << QStringLiteral("百以内加减法") << "Image2"
                           << "" << tw(1560, 360, 4695, 795) << QList<int> {1560, 2280, 2760, 3480}
                           << QList<int> {615, 735} << 2520 << true << tw(3960, 2400, 1215, 855)
                           << tw(5400, 2520, 735, 735) << tw(600, 1320, 375, 270) << QPoint(1680, 1320)
                           << 4560 << QStringLiteral("返回主菜单") << QStringList {"Image3", "Image4"} << 4680
                           << 2760;
    QTest::newRow("Form4") << Drill::Form4 << QStringLiteral("综合训练   ") << "Label14_1"
                           << QStringLiteral("综合训练") << tw(720, 360, 3855, 1095)
                           << QList<int> {1440, 2400, 3120, 4080} << QList<int> {615, 615} << 2160 << false
                           << tw(4560, 2040, 1215, 855) << tw(6000, 2160, 735, 735) << tw(480, 1560, 375, 495)
                           << QPoint(1800, 1320) << 4440 << "" << QStringList {"Image2", "Image3"} << 4747
                           << 2880;
    QTest::newRow("Form7") << Drill::Form7 << QStringLiteral("1000以内加减法口算练习      ") << "Label5"
                           << QStringLiteral("1000以内加减法") << tw(1920, 360, 4455, 735)
                           << QList<int> {720, 2160, 2400, 3480} << QList<int> {1215, 1095} << 2520 << true
                           << tw(3960, 2400, 1215, 855) << tw(5520, 2520, 735, 735) << tw(600, 1320, 375, 270)
                           << QPoint(1680, 1320) << 4560 << QStringLiteral("返回主菜单")
                           << QStringList {"Image3", "Image4"} << 4680 << 2760;
}

void tst_FormDrill::layout()
{
    QFETCH(Drill, drill);
    QFETCH(QString, titleName);
    QFETCH(QString, titleText);
    QFETCH(QList<int>, questionLefts);
    QFETCH(QList<int>, numberWidths);
    QFETCH(int, questionTop);
    QFETCH(bool, centred);
    QFETCH(QPoint, label6);
    QFETCH(int, commandTop);
    QFETCH(QStringList, faces);
    QFETCH(int, faceTop);
    QFETCH(int, frownLeft);

    FormDrill *w = start(drill, "", "20");
    QVERIFY(w);
    QTEST(w->windowTitle(), "caption");
    QCOMPARE(w->size(), twips::size(8235, 5400));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w->pos(), QPoint(33, 33));
    QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 255, 255));
    QCOMPARE(child(w, "Text1")->palette().color(QPalette::Base), QColor(0, 255, 255));

    auto *title = child<QLabel>(w, titleName.toLatin1().constData());
    QVERIFY(title);
    QTEST(title->geometry(), "title");
    if (titleText.isEmpty())
        QVERIFY(!title->pixmap().isNull());
    else
        QCOMPARE(title->text(), titleText);
    // The whole title shows, whatever face stands in for the title font.
    QVERIFY(QFontMetricsF(title->font()).horizontalAdvance(title->text()) <= title->width());

    const QList<int> widths {numberWidths[0], 375, numberWidths[1], 615};
    const QList<int> heights {495, 495, 495, 375};
    for (int i = 0; i < 4; ++i) {
        auto *label = child<QLabel>(w, QByteArray("Label" + QByteArray::number(i + 1)).constData());
        QCOMPARE(label->geometry(), tw(questionLefts[i], questionTop, widths[i], heights[i]));
    }
    QCOMPARE(bool(child<QLabel>(w, "Label1")->alignment() & Qt::AlignHCenter), centred);
    QCOMPARE(text(w, "Label4"), "=");
    QTEST(child(w, "Text1")->geometry(), "text1");
    QTEST(child(w, "Image1")->geometry(), "image1");
    QTEST(child(w, "Text2")->geometry(), "text2");
    QCOMPARE(child(w, "Label6")->geometry(), tw(label6.x(), label6.y(), 1215, 375));
    QCOMPARE(child(w, "Command1")->geometry(), tw(6960, commandTop, 975, 495));
    QTEST(child(w, "Command1")->toolTip(), "exitTip");
    QCOMPARE(child<QPushButton>(w, "Command1")->text(), QStringLiteral("退出"));

    // The face icons and the count rows stand in the same places in every drill.
    QCOMPARE(child(w, faces[0].toLatin1().constData())->geometry(), tw(480, faceTop, 480, 480));
    QCOMPARE(child(w, faces[1].toLatin1().constData())->geometry(), tw(frownLeft, faceTop, 480, 480));
    QVERIFY(!child<QLabel>(w, faces[0].toLatin1().constData())->pixmap().isNull());
    QVERIFY(!child<QLabel>(w, faces[1].toLatin1().constData())->pixmap().isNull());
    QCOMPARE(child(w, "Label15")->geometry(), tw(600, 4080, 255, 375));
    QCOMPARE(child(w, "Label11")->geometry(), tw(960, 4080, 735, 375));
    QCOMPARE(child(w, "Label16")->geometry(), tw(1800, 4080, 495, 375));
    QCOMPARE(child(w, "Label12")->geometry(), tw(1080, 4740, 855, 495));
    QCOMPARE(child(w, "Label18")->geometry(), tw(2160, 4740, 495, 495));
    QCOMPARE(child(w, "Label13")->geometry(), tw(3360, 4740, 975, 495));
    QCOMPARE(child(w, "Label20")->geometry(), tw(4560, 4740, 735, 495));
    QCOMPARE(child(w, "Label1")->font().pointSizeF(), 24.0);
    QCOMPARE(child(w, "Label11")->font().pointSizeF(), 18.0);
    QCOMPARE(child(w, "Label15")->font().family(), QStringLiteral("楷体_GB2312"));
    QCOMPARE(child(w, "Command1")->font().family(), QStringLiteral("隶书"));
}

void tst_FormDrill::openingState_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("questions");
    QTest::addColumn<bool>("timed");
    QTest::newRow("question form") << ""
                                   << "20" << false;
    QTest::newRow("time form") << "1"
                               << "" << true;
}

void tst_FormDrill::openingState()
{
    QFETCH(QString, minutes);
    QFETCH(QString, questions);
    QFETCH(bool, timed);
    useScript(times(3, 4));
    FormDrill *w = start(Drill::Form1, minutes, questions);
    QVERIFY(w);

    QCOMPARE(question(w), "3 x 4");
    QCOMPARE(m_random.remaining(), std::size_t(0)); // exactly one question drawn
    QCOMPARE(counts(w), (QStringList {"0", "0", "0"}));
    QCOMPARE(text(w, "Label6"), QString());
    QCOMPARE(child(w, "Label6")->isEnabled(), timed);
    auto *timer = child<QTimer>(w, "Timer1");
    QCOMPARE(timer->isActive(), timed);
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(child<QLabel>(w, "Image1")->pixmap().isNull());
    QCOMPARE(QApplication::focusWidget(), child(w, "Text1"));
    QVERIFY(!m_menu->isVisible());
}

void tst_FormDrill::grading_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<bool>("right");
    QTest::newRow("right") << "12" << 3 << 4 << true;
    QTest::newRow("wrong") << "13" << 3 << 4 << false;
    QTest::newRow("blanks around") << " 12 " << 3 << 4 << true;
    QTest::newRow("12.5 counts as 12") << "12.5" << 3 << 4 << true;
    QTest::newRow("13.5 counts as 14") << "13.5" << 2 << 7 << true;
    QTest::newRow("full-width digits") << QStringLiteral("１２") << 3 << 4 << true;
    QTest::newRow("empty") << "" << 3 << 4 << false;
    QTest::newRow("letters") << "abc" << 3 << 4 << false;
    QTest::newRow("digits and letters") << "12a" << 3 << 4 << false;
    QTest::newRow("beyond 32 bits") << "4294967308" << 3 << 4 << false;
}

// Enter grades the answer, shows the face, beeps only when wrong, counts it, empties the box and
// puts the next question up.
void tst_FormDrill::grading()
{
    QFETCH(QString, typed);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(bool, right);
    useScript(times(a, b) + times(1, 1));
    FormDrill *w = start(Drill::Form1, "", "20");
    QVERIFY(w);

    answer(w, typed);

    QCOMPARE(counts(w), (QStringList {"1", right ? "1" : "0", right ? "0" : "1"}));
    QCOMPARE(m_beeps, right ? 0 : 1);
    auto *face = child<QLabel>(w, "Image1");
    QCOMPARE(face->pixmap().toImage(), builtInFace(right ? "face03.ico" : "face04.ico", face->width()));
    QCOMPARE(child<QLineEdit>(w, "Text1")->text(), QString());
    QCOMPARE(question(w), "1 x 1");
    QCOMPARE(m_random.remaining(), std::size_t(0));
    QCOMPARE(QApplication::focusWidget(), child(w, "Text1"));
}

void tst_FormDrill::endByCount_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("wrongEvery"); // every n-th answer is wrong; 0 for none
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("1 question, right") << 1 << 0 << QStringList {"1", "1", "0", "100", "||"};
    QTest::newRow("1 question, wrong") << 1 << 1 << QStringList {"1", "0", "1", "0", "||"};
    QTest::newRow("20 questions") << 20 << 3 << QStringList {"20", "14", "6", "70", "||"};
}

void tst_FormDrill::endByCount()
{
    QFETCH(int, limit);
    QFETCH(int, wrongEvery);
    QPointer<FormDrill> w = start(Drill::Form2, "", QString::number(limit));
    QVERIFY(w);

    for (int i = 1; i <= limit; ++i) {
        if (i == limit && limit > 1)
            QCOMPARE(text(w, "Label11"), QString::number(limit - 1)); // after 19 of 20: 19
        const bool wrong = wrongEvery && i % wrongEvery == 0;
        answer(w, QString::number(shownAnswer(w) + (wrong ? 1 : 0)));
        if (i < limit)
            QVERIFY2(WindowRegistry::instance().find<Form5>() == nullptr, "the report came up early");
    }
    // The last answer opens the report and closes the drill.
    QVERIFY(w.isNull() || !w->isVisible());
    QTEST(report(), "expected");
    QVERIFY(!m_menu->isVisible());
    QTRY_VERIFY(w.isNull());
    QVERIFY(!WindowRegistry::instance().find<Form2>());
}

void tst_FormDrill::endByTime()
{
    QPointer<FormDrill> w = start(Drill::Form1, "1", "");
    QVERIFY(w);
    child<QTimer>(w, "Timer1")->stop(); // the test gives the ticks itself

    tick(w, 1);
    QCOMPARE(text(w, "Label6"), "59");
    answer(w, QString::number(shownAnswer(w)));
    answer(w, QString::number(shownAnswer(w)));
    answer(w, "wrong");
    tick(w, 58);
    QCOMPARE(text(w, "Label6"), "1");
    QCOMPARE(report(), QStringList {"no report"});

    tick(w, 1);
    QCOMPARE(text(w, "Label6"), "0");
    QVERIFY(!w->isVisible());
    // The question left on display is not counted; the rate is per minute.
    QCOMPARE(report(), (QStringList {"3", "2", "1", "67", QStringLiteral("每分|3|题")}));
    QTRY_VERIFY(w.isNull());
}

void tst_FormDrill::endByTimeWithoutAnswers()
{
    FormDrill *w = start(Drill::Form7, "1", "");
    QVERIFY(w);
    child<QTimer>(w, "Timer1")->stop();
    tick(w, 60);
    QCOMPARE(report(), (QStringList {"0", "0", "0", "", QStringLiteral("每分|0|题")}));
}

// A question limit left on the menu ends a timed drill as a drill by count.
void tst_FormDrill::bothLimitsEndAtTheFirst()
{
    FormDrill *w = start(Drill::Form4, "5", "20");
    QVERIFY(w);
    QVERIFY(child<QTimer>(w, "Timer1")->isActive());
    child<QTimer>(w, "Timer1")->stop();
    tick(w, 3);
    for (int i = 0; i < 20; ++i)
        answer(w, QString::number(shownAnswer(w)));
    QCOMPARE(report(), (QStringList {"20", "20", "0", "100", "||"}));
}

void tst_FormDrill::hugeMinutesDoNotFail()
{
    FormDrill *w = start(Drill::Form1, "2147483647", "");
    QVERIFY(w);
    child<QTimer>(w, "Timer1")->stop();
    tick(w, 1);
    QCOMPARE(text(w, "Label6"), "2147483646");
}

// Leaving the answer box with Tab and coming back with Shift+Tab shows a new question and does
// not count the old one.
void tst_FormDrill::tabAwayAndBack()
{
    useScript(times(3, 4) + times(5, 6));
    FormDrill *w = start(Drill::Form1, "", "20");
    QVERIFY(w);

    QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child(w, "Command1"));
    QCOMPARE(question(w), "3 x 4");

    QTest::keyClick(w->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), child(w, "Text1"));
    QCOMPARE(question(w), "5 x 6");
    QCOMPARE(counts(w), (QStringList {"0", "0", "0"}));
    QCOMPARE(m_random.remaining(), std::size_t(0));
}

// A click into the focus box counts an answer that is neither right nor wrong.
void tst_FormDrill::clickIntoTheFocusBox()
{
    useScript(times(3, 4) + times(5, 6));
    FormDrill *w = start(Drill::Form1, "", "20");
    QVERIFY(w);
    QTest::keyClick(w->windowHandle(), '1');
    QTest::keyClick(w->windowHandle(), '2');

    QTest::mouseClick(child(w, "Text2"), Qt::LeftButton);

    QCOMPARE(counts(w), (QStringList {"1", "0", "0"}));
    QVERIFY(child<QLabel>(w, "Image1")->pixmap().isNull()); // the face stays as it was
    QCOMPARE(question(w), "5 x 6");
    QCOMPARE(child<QLineEdit>(w, "Text1")->text(), QString());
    QCOMPARE(QApplication::focusWidget(), child(w, "Text1"));
    QCOMPARE(m_beeps, 0);
}

void tst_FormDrill::reactivationIsNotANewQuestion()
{
    useScript(times(3, 4) + times(5, 6));
    FormDrill *w = start(Drill::Form1, "", "20");
    QVERIFY(w);

    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));

    QCOMPARE(QApplication::focusWidget(), child(w, "Text1"));
    QCOMPARE(question(w), "3 x 4");
    QCOMPARE(m_random.remaining(), std::size_t(3));
}

void tst_FormDrill::leavingReturnsToTheMenu_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("退出") << false;
    QTest::newRow("close box") << true;
}

void tst_FormDrill::leavingReturnsToTheMenu()
{
    QFETCH(bool, closeBox);
    QPointer<FormDrill> w = start(Drill::Form2, "5", "");
    QVERIFY(w);
    answer(w, QString::number(shownAnswer(w)));
    answer(w, "1000");

    if (closeBox)
        w->close();
    else
        child<QPushButton>(w, "Command1")->click();

    QVERIFY(m_menu->isVisible());
    QVERIFY(!child<QRadioButton>(m_menu, "Option1")->isChecked());
    QVERIFY(!child<QRadioButton>(m_menu, "Option2")->isChecked());
    QCOMPARE(m_menu->minutesText(), QString());
    QCOMPARE(m_menu->questionsText(), QString());
    QVERIFY(!WindowRegistry::instance().find<Form5>());
    QTRY_VERIFY(w.isNull());

    // A new drill counts from 0 again.
    FormDrill *again = start(Drill::Form2, "", "20");
    QVERIFY(again);
    QCOMPARE(counts(again), (QStringList {"0", "0", "0"}));
    answer(again, QString::number(shownAnswer(again)));
    QCOMPARE(counts(again), (QStringList {"1", "1", "0"}));
}

void tst_FormDrill::facePictures_data()
{
    QTest::addColumn<QByteArray>("fileContent"); // the face03.ico in the current folder; empty for none
    QTest::addColumn<bool>("ownPicture");
    QTest::newRow("a picture in the current folder is used") << QByteArray("red") << true;
    QTest::newRow("an unreadable picture gives the built-in face") << QByteArray("not a picture") << false;
    QTest::newRow("no picture file gives the built-in face") << QByteArray() << false;
}

void tst_FormDrill::facePictures()
{
    QFETCH(QByteArray, fileContent);
    QFETCH(bool, ownPicture);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("face03.ico");
    if (fileContent == "red") {
        QImage red(32, 32, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(path, "ICO"));
    } else if (!fileContent.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(fileContent);
    }
    QDir::setCurrent(folder.path());

    FormDrill *w = start(Drill::Form1, "", "20");
    QVERIFY(w);
    answer(w, QString::number(shownAnswer(w)));

    auto *face = child<QLabel>(w, "Image1");
    const QImage shown = face->pixmap().toImage();
    QVERIFY(!shown.isNull());
    if (ownPicture)
        QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::red));
    else
        QCOMPARE(shown, builtInFace("face03.ico", face->width()));
    QCOMPARE(counts(w), (QStringList {"1", "1", "0"}));
}

QTEST_MAIN(tst_FormDrill)
#include "tst_FormDrill.moc"

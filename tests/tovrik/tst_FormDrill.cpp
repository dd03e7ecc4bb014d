#include "platform/core/RandomSource.h"
#include "platform/core/Services.h"
#include "platform/widgets/QtTranslations.h"
#include "platform/widgets/Twips.h"
#include "platform/widgets/WindowRegistry.h"
#include "support/WindowTest.h"
#include "tovrik/windows/Form1.h"
#include "tovrik/windows/Form2.h"
#include "tovrik/windows/Form3.h"
#include "tovrik/windows/Form4.h"
#include "tovrik/windows/Form5.h"
#include "tovrik/windows/Form7.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using drill::Kind;
using windowtest::Leave;

Q_DECLARE_METATYPE(Kind)

namespace {

double pick(int k, int n)
{
    return (k + 0.5) / n;
}

// The fractions that make the times-table drill draw the multiplication a x b.
QList<double> times(int a, int b)
{
    return {0.25, pick(a, 10), pick(b, 10)};
}

// The fractions that make the drill within 100 draw a + b, and the mixed drill the same.
QList<double> plus(int a, int b)
{
    return {0.25, pick(a, 100), pick(b, 100)};
}

QList<double> mixedPlus(int a, int b)
{
    return {0.25, 0.25, pick(a, 100), pick(b, 100)};
}

// The same question n times over.
QList<double> repeated(const QList<double> &question, int n)
{
    QList<double> all;
    for (int i = 0; i < n; ++i)
        all += question;
    return all;
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
    // The typed numbers of these cases ("12.5", "2.5") are written for a point as the decimal
    // separator; the reading in other locales is tested with the text numbers themselves.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
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
    void leavingTheReportReturnsToTheMenu_data();
    void leavingTheReportReturnsToTheMenu();
    void facePictures_data();
    void facePictures();
    void onlyEnterGrades_data();
    void onlyEnterGrades();
    void faceIsSpoken();
    void controlsAreNamed();
    void editMenusSpeakChinese();
    void wholeDrillByKeysAlone();

private:
    FormDrill *start(Kind drill, const QString &minutes, const QString &questions);
    void useScript(const QList<double> &fractions);
    template <class T = QWidget> T *child(QWidget *w, const char *name)
    {
        return windowtest::child<T>(w, name);
    }
    QString text(QWidget *w, const char *name) { return child<QLabel>(w, name)->text(); }
    QString question(QWidget *w);
    void answer(FormDrill *w, const QString &typed);
    // The menu is on show again as the return gives it: no form picked, no limits shown.
    void expectMenuGivenBack();
    void tick(FormDrill *w, int times);
    QStringList counts(QWidget *w) { return {text(w, "Label11"), text(w, "Label12"), text(w, "Label13")}; }
    QStringList report();

    std::unique_ptr<windowtest::FakeServices> m_services;
    ScriptedRandom m_random;
    FixedSeedRandom m_anyQuestions;
    Form3 *m_menu = nullptr;
    int m_beeps = 0;
    QString m_oldCurrent;
};

void tst_FormDrill::init()
{
    m_services = std::make_unique<windowtest::FakeServices>();
    services::setRandom(&m_anyQuestions); // tests that need known questions script them
    m_random = ScriptedRandom();
    m_beeps = 0;
    m_oldCurrent = QDir::currentPath();
}

void tst_FormDrill::cleanup()
{
    WindowRegistry::instance().destroyAll();
    m_services.reset();
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
FormDrill *tst_FormDrill::start(Kind drill, const QString &minutes, const QString &questions)
{
    auto &registry = WindowRegistry::instance();
    m_menu = registry.show<Form3>();
    if (!minutes.isEmpty()) {
        m_services->dialogs.scriptInput(minutes);
        child<QRadioButton>(m_menu, "Option1")->click();
    }
    if (!questions.isEmpty()) {
        m_services->dialogs.scriptInput(questions);
        child<QRadioButton>(m_menu, "Option2")->click();
    }
    FormDrill *w = nullptr;
    switch (drill) {
    case Kind::TimesTable:
        child<QPushButton>(m_menu, "Command1")->click();
        w = registry.find<Form1>();
        break;
    case Kind::AddSubWithin100:
        child<QPushButton>(m_menu, "Command2")->click();
        w = registry.find<Form2>();
        break;
    case Kind::Mixed:
        child<QPushButton>(m_menu, "Command4")->click();
        w = registry.find<Form4>();
        break;
    case Kind::AddSubWithin1000:
        child<QPushButton>(m_menu, "Command5")->click();
        w = registry.find<Form7>();
        break;
    }
    if (!w || !windowtest::activate(w))
        return nullptr;
    if (auto *box = dynamic_cast<DrillAnswerBox *>(child<QLineEdit>(w, "Text1")))
        connect(box, &DrillAnswerBox::warningBeep, this, [this] { ++m_beeps; });
    return w;
}

QString tst_FormDrill::question(QWidget *w)
{
    return text(w, "Label1") + ' ' + text(w, "Label2") + ' ' + text(w, "Label3");
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
    QTest::addColumn<Kind>("drill");
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

    QTest::newRow("Form1") << Kind::TimesTable << QStringLiteral("表内乘除法口算训练    ") << "Label14_0"
                           << QStringLiteral("表内乘除法口算训练") << tw(960, 360, 4815, 615)
                           << QList<int> {1680, 2640, 3360, 4200} << QList<int> {615, 615} << 2640 << true
                           << tw(4800, 2520, 1095, 735) << tw(6240, 2640, 615, 615) << tw(360, 1200, 495, 270)
                           << QPoint(1440, 1200) << 4440 << "" << QStringList {"Image2", "Image3"} << 4680
                           << 2760;
    QTest::newRow("Form2") << Kind::AddSubWithin100 << QStringLiteral("百以内加减法") << "Image2"
                           << "" << tw(1560, 360, 4695, 795) << QList<int> {1560, 2280, 2760, 3480}
                           << QList<int> {615, 735} << 2520 << true << tw(3960, 2400, 1215, 855)
                           << tw(5400, 2520, 735, 735) << tw(600, 1320, 375, 270) << QPoint(1680, 1320)
                           << 4560 << QStringLiteral("返回主菜单") << QStringList {"Image3", "Image4"} << 4680
                           << 2760;
    QTest::newRow("Form4") << Kind::Mixed << QStringLiteral("综合训练   ") << "Label14_1"
                           << QStringLiteral("综合训练") << tw(720, 360, 3855, 1095)
                           << QList<int> {1440, 2400, 3120, 4080} << QList<int> {615, 615} << 2160 << false
                           << tw(4560, 2040, 1215, 855) << tw(6000, 2160, 735, 735) << tw(480, 1560, 375, 495)
                           << QPoint(1800, 1320) << 4440 << "" << QStringList {"Image2", "Image3"} << 4747
                           << 2880;
    QTest::newRow("Form7") << Kind::AddSubWithin1000 << QStringLiteral("1000以内加减法口算练习      ")
                           << "Label5" << QStringLiteral("1000以内加减法") << tw(1920, 360, 4455, 735)
                           << QList<int> {720, 2160, 2400, 3480} << QList<int> {1215, 1095} << 2520 << true
                           << tw(3960, 2400, 1215, 855) << tw(5520, 2520, 735, 735) << tw(600, 1320, 375, 270)
                           << QPoint(1680, 1320) << 4560 << QStringLiteral("返回主菜单")
                           << QStringList {"Image3", "Image4"} << 4680 << 2760;
}

void tst_FormDrill::layout()
{
    QFETCH(Kind, drill);
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
    QTEST(windowtest::placeOf(title), "title");
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
        QCOMPARE(windowtest::placeOf(label), tw(questionLefts[i], questionTop, widths[i], heights[i]));
    }
    QCOMPARE(bool(child<QLabel>(w, "Label1")->alignment() & Qt::AlignHCenter), centred);
    QCOMPARE(text(w, "Label4"), "=");
    QTEST(child(w, "Text1")->geometry(), "text1");
    QTEST(child(w, "Image1")->geometry(), "image1");
    QTEST(child(w, "Text2")->geometry(), "text2");
    QCOMPARE(windowtest::placeOf(child(w, "Label6")), tw(label6.x(), label6.y(), 1215, 375));
    QCOMPARE(child(w, "Command1")->geometry(), tw(6960, commandTop, 975, 495));
    QTEST(child(w, "Command1")->toolTip(), "exitTip");
    QCOMPARE(child<QPushButton>(w, "Command1")->text(), QStringLiteral("退出"));

    // The face icons and the count rows stand in the same places in every drill.
    QCOMPARE(child(w, faces[0].toLatin1().constData())->geometry(), tw(480, faceTop, 480, 480));
    QCOMPARE(child(w, faces[1].toLatin1().constData())->geometry(), tw(frownLeft, faceTop, 480, 480));
    QVERIFY(!child<QLabel>(w, faces[0].toLatin1().constData())->pixmap().isNull());
    QVERIFY(!child<QLabel>(w, faces[1].toLatin1().constData())->pixmap().isNull());
    QCOMPARE(windowtest::placeOf(child(w, "Label15")), tw(600, 4080, 255, 375));
    QCOMPARE(windowtest::placeOf(child(w, "Label11")), tw(960, 4080, 735, 375));
    QCOMPARE(windowtest::placeOf(child(w, "Label16")), tw(1800, 4080, 495, 375));
    QCOMPARE(windowtest::placeOf(child(w, "Label12")), tw(1080, 4740, 855, 495));
    QCOMPARE(windowtest::placeOf(child(w, "Label18")), tw(2160, 4740, 495, 495));
    QCOMPARE(windowtest::placeOf(child(w, "Label13")), tw(3360, 4740, 975, 495));
    QCOMPARE(windowtest::placeOf(child(w, "Label20")), tw(4560, 4740, 735, 495));
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
    FormDrill *w = start(Kind::TimesTable, minutes, questions);
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
    FormDrill *w = start(Kind::TimesTable, "", "20");
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
    QTest::addColumn<int>("wrongEvery");     // every n-th answer is wrong; 0 for none
    QTest::addColumn<QString>("beforeLast"); // Label11 before the last answer
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("1 question, right") << 1 << 0 << "0" << QStringList {"1", "1", "0", "100", "||"};
    QTest::newRow("1 question, wrong") << 1 << 1 << "0" << QStringList {"1", "0", "1", "0", "||"};
    QTest::newRow("20 questions") << 20 << 3 << "19" << QStringList {"20", "14", "6", "70", "||"};
}

void tst_FormDrill::endByCount()
{
    QFETCH(int, limit);
    QFETCH(int, wrongEvery);
    useScript(repeated(plus(30, 45), limit + 1));
    QPointer<FormDrill> w = start(Kind::AddSubWithin100, "", QString::number(limit));
    QVERIFY(w);

    for (int i = 1; i <= limit; ++i) {
        if (i == limit)
            QTEST(text(w, "Label11"), "beforeLast");
        QCOMPARE(question(w), "30 + 45");
        const bool wrong = wrongEvery && i % wrongEvery == 0;
        answer(w, wrong ? "76" : "75");
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
    useScript(repeated(times(3, 4), 4));
    QPointer<FormDrill> w = start(Kind::TimesTable, "1", "");
    QVERIFY(w);
    child<QTimer>(w, "Timer1")->stop(); // the test gives the ticks itself

    tick(w, 1);
    QCOMPARE(text(w, "Label6"), "59");
    answer(w, "12");
    answer(w, "12");
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
    FormDrill *w = start(Kind::AddSubWithin1000, "1", "");
    QVERIFY(w);
    child<QTimer>(w, "Timer1")->stop();
    tick(w, 60);
    QCOMPARE(report(), (QStringList {"0", "0", "0", "", QStringLiteral("每分|0|题")}));
}

// A question limit left on the menu ends a timed drill as a drill by count.
void tst_FormDrill::bothLimitsEndAtTheFirst()
{
    useScript(repeated(mixedPlus(30, 45), 21));
    FormDrill *w = start(Kind::Mixed, "5", "20");
    QVERIFY(w);
    QCOMPARE(w->limits(), (drill::Limits {.minutes = 5, .questions = 20}));
    QVERIFY(child<QTimer>(w, "Timer1")->isActive());
    child<QTimer>(w, "Timer1")->stop();
    tick(w, 3);
    for (int i = 0; i < 20; ++i)
        answer(w, "75");
    QCOMPARE(report(), (QStringList {"20", "20", "0", "100", "||"}));
}

void tst_FormDrill::hugeMinutesDoNotFail()
{
    FormDrill *w = start(Kind::TimesTable, "2147483647", "");
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
    FormDrill *w = start(Kind::TimesTable, "", "20");
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
    FormDrill *w = start(Kind::TimesTable, "", "20");
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
    FormDrill *w = start(Kind::TimesTable, "", "20");
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
    windowtest::addLeaveRows();
}

void tst_FormDrill::leavingReturnsToTheMenu()
{
    QFETCH(Leave, how);
    useScript(repeated(plus(30, 45), 5));
    QPointer<FormDrill> w = start(Kind::AddSubWithin100, "5", "");
    QVERIFY(w);
    answer(w, "75");
    answer(w, "1000");

    windowtest::leave(w, child<QPushButton>(w, "Command1"), how);

    expectMenuGivenBack();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!WindowRegistry::instance().find<Form5>());
    QTRY_VERIFY(w.isNull());

    // A new drill counts from 0 again.
    FormDrill *again = start(Kind::AddSubWithin100, "", "20");
    QVERIFY(again);
    QCOMPARE(counts(again), (QStringList {"0", "0", "0"}));
    answer(again, "75");
    QCOMPARE(counts(again), (QStringList {"1", "1", "0"}));
}

void tst_FormDrill::expectMenuGivenBack()
{
    QVERIFY(m_menu->isVisible());
    QVERIFY(!child<QRadioButton>(m_menu, "Option1")->isChecked());
    QVERIFY(!child<QRadioButton>(m_menu, "Option2")->isChecked());
    QCOMPARE(text(m_menu, "Label1"), QString());
    QCOMPARE(text(m_menu, "Label2"), QString());
    QCOMPARE(m_menu->limits(), drill::Limits {});
}

void tst_FormDrill::leavingTheReportReturnsToTheMenu_data()
{
    windowtest::addLeaveRows();
}

// The report a drill hands over to gives control back to the menu that opened the drill, for a
// second drill as for the first.
void tst_FormDrill::leavingTheReportReturnsToTheMenu()
{
    QFETCH(Leave, how);
    useScript(repeated(plus(30, 45), 6));
    for (int round = 0; round < 2; ++round) {
        QPointer<FormDrill> w = start(Kind::AddSubWithin100, "3", "2");
        QVERIFY(w);
        answer(w, "75");
        answer(w, "75");
        QPointer<Form5> report = WindowRegistry::instance().find<Form5>();
        QVERIFY(report && report->isVisible());
        QVERIFY(!m_menu->isVisible());

        windowtest::leave(report, child<QPushButton>(report, "Command1"), how);

        expectMenuGivenBack();
        if (QTest::currentTestFailed())
            return;
        QTRY_VERIFY(report.isNull());
        QTRY_VERIFY(w.isNull());
    }
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

    useScript(repeated(times(3, 4), 2));
    FormDrill *w = start(Kind::TimesTable, "", "20");
    QVERIFY(w);
    answer(w, "12");

    auto *face = child<QLabel>(w, "Image1");
    const QImage shown = face->pixmap().toImage();
    QVERIFY(!shown.isNull());
    if (ownPicture)
        QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(Qt::red));
    else
        QCOMPARE(shown, builtInFace("face03.ico", face->width()));
    QCOMPARE(counts(w), (QStringList {"1", "1", "0"}));
}

void tst_FormDrill::onlyEnterGrades_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("grades");
    QTest::newRow("Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
    QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    QTest::newRow("Alt+Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::AltModifier) << false;
    QTest::newRow("Ctrl+keypad Enter")
        << int(Qt::Key_Enter) << (Qt::ControlModifier | Qt::KeypadModifier) << false;
    QTest::newRow("Ctrl+Shift+Enter")
        << int(Qt::Key_Return) << (Qt::ControlModifier | Qt::ShiftModifier) << false;
    QTest::newRow("logo key+Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::MetaModifier)
                                    << false;
}

// Only a key that types the Enter character grades: a chord with Ctrl, Alt or the logo key
// leaves the answer in the box, uncounted, with the same question up.
void tst_FormDrill::onlyEnterGrades()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, grades);
    useScript(times(3, 4) + times(5, 6));
    FormDrill *w = start(Kind::TimesTable, "", "20");
    QVERIFY(w);
    QTest::keyClick(w->windowHandle(), '1');
    QTest::keyClick(w->windowHandle(), '2');

    QTest::keyClick(w->windowHandle(), Qt::Key(key), modifiers);

    QCOMPARE(counts(w), (grades ? QStringList {"1", "1", "0"} : QStringList {"0", "0", "0"}));
    QCOMPARE(question(w), grades ? "5 x 6" : "3 x 4");
    QCOMPARE(child<QLineEdit>(w, "Text1")->text(), grades ? "" : "12");
    QCOMPARE(QApplication::focusWidget(), child(w, "Text1"));
}

// The face after an answer has a name a screen reader speaks. (The change is announced with a
// NameChanged event; Qt passes such events on only while an assistive technology listens, which
// no test platform here has, so the event itself is not observed.)
void tst_FormDrill::faceIsSpoken()
{
    useScript(times(3, 4) + times(5, 6) + times(1, 1));
    FormDrill *w = start(Kind::TimesTable, "", "20");
    QVERIFY(w);
    QWidget *face = child(w, "Image1");
    const auto spoken
        = [face] { return QAccessible::queryAccessibleInterface(face)->text(QAccessible::Name); };

    answer(w, "12");
    QCOMPARE(spoken(), QStringLiteral("答对了"));
    answer(w, "31");
    QCOMPARE(spoken(), QStringLiteral("答错了"));
}

// Every control of a drill that a person can reach, and the question, can be read out in Chinese;
// the tooltip of "退出" is its description.
void tst_FormDrill::controlsAreNamed()
{
    useScript(plus(30, 45));
    FormDrill *w = start(Kind::AddSubWithin100, "", "20");
    QVERIFY(w);
    const auto spoken = [w](const char *name, QAccessible::Text what) {
        return QAccessible::queryAccessibleInterface(windowtest::child(w, name))->text(what);
    };
    QCOMPARE(spoken("Text1", QAccessible::Name), QStringLiteral("答案"));
    QCOMPARE(spoken("Text2", QAccessible::Name), QStringLiteral("下一题"));
    QCOMPARE(spoken("Command1", QAccessible::Name), QStringLiteral("退出"));
    QCOMPARE(spoken("Command1", QAccessible::Description), QStringLiteral("返回主菜单"));
    QCOMPARE(spoken("Label1", QAccessible::Name), QStringLiteral("30"));
    QCOMPARE(spoken("Label2", QAccessible::Name), QStringLiteral("加"));
    QCOMPARE(spoken("Label3", QAccessible::Name), QStringLiteral("45"));
    QCOMPARE(spoken("Label4", QAccessible::Name), QStringLiteral("等于"));
    QCOMPARE(spoken("Label12", QAccessible::Description), QStringLiteral("答对题数"));
}

// The answer box keeps the edit menu a text box has, in Chinese; the focus box offers none.
void tst_FormDrill::editMenusSpeakChinese()
{
    QVERIFY(translations::installQtChinese());
    FormDrill *w = start(Kind::TimesTable, "", "20");
    QVERIFY(w);
    auto *answerBox = child<QLineEdit>(w, "Text1");
    QCOMPARE(answerBox->contextMenuPolicy(), Qt::DefaultContextMenu);
    std::unique_ptr<QMenu> menu(answerBox->createStandardContextMenu());
    QVERIFY(!menu->actions().isEmpty());
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        // The words, without the access key "(&U)" and the key chord after the tab ("Ctrl+Z"), which
        // name keys on the keyboard.
        QString words = action->text().section(QLatin1Char('\t'), 0, 0);
        words.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
        QVERIFY2(!words.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), qPrintable(action->text()));
    }
    QCOMPARE(child(w, "Text2")->contextMenuPolicy(), Qt::NoContextMenu);
}

// A whole drill by keys alone: the question form chosen on the menu, two answers typed with
// Enter, the report, and "退出" back to the menu.
void tst_FormDrill::wholeDrillByKeysAlone()
{
    useScript(repeated(times(3, 4), 3));
    Form3 *menu = WindowRegistry::instance().show<Form3>();
    QVERIFY(windowtest::activate(menu));
    const auto press = [](QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    };
    QCOMPARE(QApplication::focusWidget(), child(menu, "Command1"));
    for (int i = 0; i < 4; ++i)
        press(menu, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child(menu, "Option1"));
    press(menu, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), child(menu, "Option2"));
    m_services->dialogs.scriptInput("2");
    press(menu, Qt::Key_Space);
    QCOMPARE(text(menu, "Label2"), "2");
    QVERIFY(windowtest::activate(menu)); // the input box took the window's activation
    press(menu, Qt::Key_Tab);
    press(menu, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child(menu, "Command1"));
    press(menu, Qt::Key_Space);

    Form1 *drill = WindowRegistry::instance().find<Form1>();
    QVERIFY(drill);
    QVERIFY(windowtest::activate(drill));
    QCOMPARE(QApplication::focusWidget(), child(drill, "Text1"));
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(question(drill), "3 x 4");
        press(drill, Qt::Key_1);
        press(drill, Qt::Key_2);
        press(drill, Qt::Key_Return);
    }

    Form5 *report = WindowRegistry::instance().find<Form5>();
    QVERIFY(report);
    QVERIFY(windowtest::activate(report));
    QCOMPARE(text(report, "Label4"), "2");
    QCOMPARE(text(report, "Label9"), "100");
    QCOMPARE(QApplication::focusWidget(), child(report, "Command1"));
    press(report, Qt::Key_Space);
    QVERIFY(menu->isVisible());
    QVERIFY(!WindowRegistry::instance().find<Form5>()
            || !WindowRegistry::instance().find<Form5>()->isVisible());
}

QTEST_MAIN(tst_FormDrill)
#include "tst_FormDrill.moc"

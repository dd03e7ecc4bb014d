#include "platform/widgets/Twips.h"
#include "platform/widgets/WindowRegistry.h"
#include "support/WindowTest.h"
#include "tovrik/windows/Form1.h"
#include "tovrik/windows/Form2.h"
#include "tovrik/windows/Form3.h"
#include "tovrik/windows/Form4.h"
#include "tovrik/windows/Form7.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QString kRefusalText = QStringLiteral("对不起，请重新选择");
const QString kRefusalTitle = QStringLiteral("训练形式选择错误");
const QString kMinutesPrompt = QStringLiteral("欢迎，请问您想练多少时间啊？(以分钟计算,最少 1 分钟)");
const QString kQuestionsPrompt = QStringLiteral("欢迎，请问您想练习多少题啊？（最少1题） ");

} // namespace

class tst_Form3 : public QObject
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
    void openingState();
    void tabOrder();
    void drillButtonsRefusedAtStart_data();
    void drillButtonsRefusedAtStart();
    void choosingAForm_data();
    void choosingAForm();
    void drillButtonRules_data();
    void drillButtonRules();
    void drillButtonsOpenTheirDrill_data();
    void drillButtonsOpenTheirDrill();
    void limitOfTheOtherFormStaysInForce();
    void selectedOptionAsksAgain();
    void returnToMenuAfterADrill();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();
    void accessibleNames();

private:
    Form3 *openMenu();
    template <class T = QWidget> T *child(const char *name) { return windowtest::child<T>(m_menu, name); }
    // Selects an option button as a click does, answering its input box with the given text.
    void choose(const char *option, const QString &answer);
    int refusals() const;

    std::unique_ptr<windowtest::FakeServices> m_services;
    FixedSeedRandom m_questions;
    QPointer<Form3> m_menu;
};

void tst_Form3::init()
{
    m_services = std::make_unique<windowtest::FakeServices>();
    services::setRandom(&m_questions); // the drills opened here draw questions of any kind
}

void tst_Form3::cleanup()
{
    WindowRegistry::instance().destroyAll();
    m_services.reset();
    m_menu = nullptr;
}

Form3 *tst_Form3::openMenu()
{
    m_menu = WindowRegistry::instance().show<Form3>();
    if (!QTest::qWaitForWindowExposed(m_menu))
        qWarning("menu not exposed");
    return m_menu;
}

void tst_Form3::choose(const char *option, const QString &answer)
{
    m_services->dialogs.scriptInput(answer);
    child<QRadioButton>(option)->click();
}

int tst_Form3::refusals() const
{
    int n = 0;
    for (const auto &shown : m_services->dialogs.shown())
        if (shown.kind == ScriptedDialogs::Shown::Kind::Inform && shown.text == kRefusalText
            && shown.title == kRefusalTitle)
            ++n;
    return n;
}

void tst_Form3::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twipsRect");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("Image1") << "Image1" << QRect(1560, 360, 5550, 1080) << ""
                            << "";
    QTest::newRow("Frame1") << "Frame1" << QRect(2160, 1800, 3375, 1575)
                            << QStringLiteral("训练形式：任选其一")
                            << QStringLiteral("先选择训练形式，再选择练习内容！");
    QTest::newRow("Option1")
        << "Option1" << QRect(360, 360, 2655, 540) << QStringLiteral("按时间进行训练")
        << QStringLiteral(
               "给定训练时间，测试口算的速度。综合训练项目每分能做60题以上就可以参加区口算比赛了。");
    QTest::newRow("Option2") << "Option2" << QRect(360, 840, 2895, 540) << QStringLiteral("按题目量进行训练")
                             << QStringLiteral("给定训练的题数，测试口算的正确率。");
    QTest::newRow("Label1") << "Label1" << QRect(5040, 2040, 1815, 495) << ""
                            << "";
    QTest::newRow("Label3") << "Label3" << QRect(6840, 2160, 615, 495) << QStringLiteral("分") << "";
    QTest::newRow("Label2") << "Label2" << QRect(4920, 2640, 2055, 495) << ""
                            << "";
    QTest::newRow("Label4") << "Label4" << QRect(6840, 2640, 615, 495) << QStringLiteral("题") << "";
    QTest::newRow("Command5") << "Command5" << QRect(840, 4080, 1335, 615) << QStringLiteral("1000以内加减法")
                              << QStringLiteral("练习进行20以内加减法");
    QTest::newRow("Command1") << "Command1" << QRect(2280, 4080, 1335, 615) << QStringLiteral("表内乘除法")
                              << QStringLiteral("进行表内乘除法的练习");
    QTest::newRow("Command2") << "Command2" << QRect(3720, 4080, 1335, 615) << QStringLiteral("百以内加减法")
                              << QStringLiteral("练习进行百以内加减法");
    QTest::newRow("Command4") << "Command4" << QRect(5160, 4080, 1335, 615) << QStringLiteral("综合训练")
                              << QStringLiteral("表内乘除法和百以内加减法口算混合训练");
    QTest::newRow("Command3") << "Command3" << QRect(6600, 4080, 1095, 615) << QStringLiteral("退出")
                              << QStringLiteral("退出本程序");
}

void tst_Form3::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twipsRect);
    openMenu();
    QCOMPARE(m_menu->windowTitle(), QStringLiteral("Tovrik     "));
    QCOMPARE(m_menu->size(), twips::size(8265, 5580));
    QVERIFY(!(m_menu->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_menu->palette().color(QPalette::Window), QColor(0, 255, 255));

    auto *w = child(name.toLatin1().constData());
    QVERIFY(w);
    QCOMPARE(windowtest::placeOf(w),
             twips::rect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
    QString text;
    if (auto *label = qobject_cast<QLabel *>(w))
        text = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        text = button->text();
    else if (auto *frame = qobject_cast<QGroupBox *>(w))
        text = frame->title();
    QTEST(text, "text");
    QTEST(w->toolTip(), "toolTip");
    QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 255, 255));
}

void tst_Form3::openingState()
{
    openMenu();
    QCOMPARE(m_menu->pos(), QPoint(33, 33)); // 500 twips from the left and the top
    QVERIFY(!child<QLabel>("Label3")->isVisibleTo(m_menu));
    QVERIFY(!child<QLabel>("Label4")->isVisibleTo(m_menu));
    QVERIFY(child<QLabel>("Label1")->isVisibleTo(m_menu));
    QVERIFY(!child<QRadioButton>("Option1")->isChecked());
    QVERIFY(!child<QRadioButton>("Option2")->isChecked());
    QVERIFY(!child<QLabel>("Image1")->pixmap().isNull());
    QCOMPARE(child<QLabel>("Label1")->font().family(), QStringLiteral("Arial"));
    QCOMPARE(child<QLabel>("Label3")->font().family(), QStringLiteral("仿宋_GB2312"));
    QCOMPARE(child<QGroupBox>("Frame1")->font().family(), QStringLiteral("隶书"));
    QCOMPARE(child<QPushButton>("Command1")->font().pointSizeF(), 15.0);
    QCOMPARE(child<QRadioButton>("Option1")->font().pointSizeF(), 14.25);
}

void tst_Form3::tabOrder()
{
    openMenu();
    m_menu->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_menu));
    QCOMPARE(QApplication::focusWidget(), child("Command1"));
    // The option buttons are one group: Tab enters it once, the arrow keys move inside it.
    for (const char *next : {"Command2", "Command3", "Command4", "Option1", "Command5", "Command1"}) {
        QTest::keyClick(m_menu->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child(next));
    }
}

void tst_Form3::drillButtonsRefusedAtStart_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Command1") << "Command1";
    QTest::newRow("Command2") << "Command2";
    QTest::newRow("Command4") << "Command4";
    QTest::newRow("Command5") << "Command5";
}

void tst_Form3::drillButtonsRefusedAtStart()
{
    QFETCH(QString, button);
    openMenu();
    child<QPushButton>(button.toLatin1().constData())->click();
    QCOMPARE(refusals(), 1);
    QVERIFY(m_menu->isVisible());
    auto &registry = WindowRegistry::instance();
    QVERIFY(!registry.find<Form1>() && !registry.find<Form2>() && !registry.find<Form4>()
            && !registry.find<Form7>());
}

void tst_Form3::choosingAForm_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("minutesShown");   // Label1 text; "-" when hidden
    QTest::addColumn<QString>("questionsShown"); // Label2 text; "-" when hidden

    QTest::newRow("5 minutes") << "Option1"
                               << "5" << false << "5"
                               << "-";
    QTest::newRow("2.5 minutes store 2") << "Option1"
                                         << "2.5" << false << "2"
                                         << "-";
    QTest::newRow("3.5 minutes store 4") << "Option1"
                                         << "3.5" << false << "4"
                                         << "-";
    QTest::newRow("minutes with blanks") << "Option1"
                                         << " 7 " << false << "7"
                                         << "-";
    QTest::newRow("0 minutes") << "Option1"
                               << "0" << true << ""
                               << "";
    QTest::newRow("-3 minutes") << "Option1"
                                << "-3" << true << ""
                                << "";
    QTest::newRow("0.4 minutes round to 0") << "Option1"
                                            << "0.4" << true << ""
                                            << "";
    QTest::newRow("minutes cancelled") << "Option1"
                                       << "" << true << ""
                                       << "";
    QTest::newRow("minutes with a unit") << "Option1" << QStringLiteral("5分钟") << true << ""
                                         << "";
    QTest::newRow("20 questions") << "Option2"
                                  << "20" << false << "-"
                                  << "20";
    QTest::newRow("0 questions") << "Option2"
                                 << "0" << true << "-"
                                 << "";
    QTest::newRow("-3 questions") << "Option2"
                                  << "-3" << true << "-"
                                  << "";
    QTest::newRow("questions cancelled") << "Option2"
                                         << "" << true << "-"
                                         << "";
    QTest::newRow("questions in letters") << "Option2"
                                          << "abc" << true << "-"
                                          << "";
    QTest::newRow("questions beyond 32 bits") << "Option2"
                                              << "3000000000" << true << "-"
                                              << "";
}

void tst_Form3::choosingAForm()
{
    QFETCH(QString, option);
    QFETCH(QString, answer);
    QFETCH(bool, refused);
    QFETCH(QString, minutesShown);
    QFETCH(QString, questionsShown);
    openMenu();
    // While the box asks, the form's own button stays checked, the other not.
    bool ownChecked = false;
    bool otherChecked = true;
    m_services->dialogs.whileAsking([&] {
        ownChecked = child<QRadioButton>(option.toLatin1().constData())->isChecked();
        otherChecked = child<QRadioButton>(option == "Option1" ? "Option2" : "Option1")->isChecked();
    });
    choose(option.toLatin1().constData(), answer);
    QVERIFY(ownChecked);
    QVERIFY(!otherChecked);

    // The input box asks with the form's own prompt and the program's default title.
    QCOMPARE(m_services->dialogs.shown().front().kind, ScriptedDialogs::Shown::Kind::Input);
    QCOMPARE(m_services->dialogs.shown().front().text,
             option == "Option1" ? kMinutesPrompt : kQuestionsPrompt);
    QCOMPARE(m_services->dialogs.shown().front().title, QString());

    QCOMPARE(refusals(), refused ? 1 : 0);
    QCOMPARE(child<QRadioButton>("Option1")->isChecked(), !refused && option == "Option1");
    QCOMPARE(child<QRadioButton>("Option2")->isChecked(), !refused && option == "Option2");

    auto shown = [&](const char *number) {
        auto *label = child<QLabel>(number);
        return label->isVisibleTo(m_menu) ? label->text() : QStringLiteral("-");
    };
    QCOMPARE(shown("Label1"), minutesShown);
    QCOMPARE(shown("Label2"), questionsShown);
    // "分" shows only with accepted minutes; "题" shows whenever the question form was picked.
    QCOMPARE(child<QLabel>("Label3")->isVisibleTo(m_menu), option == "Option1" && !refused);
    QCOMPARE(child<QLabel>("Label4")->isVisibleTo(m_menu), option == "Option2");
}

void tst_Form3::drillButtonRules_data()
{
    // Steps: "1:<answer>" selects Option1 and answers its box, "2:<answer>" the same for Option2.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("opens");
    QTest::newRow("time form") << QStringList {"1:5"} << true;
    QTest::newRow("question form") << QStringList {"2:20"} << true;
    QTest::newRow("time form, then question form refused") << QStringList {"1:5", "2:0"} << false;
    QTest::newRow("both numbers, the question form cancelled keeps its number")
        << QStringList {"1:5", "2:20", "2:"} << true;
    QTest::newRow("a refused entry still replaces the stored number")
        << QStringList {"1:5", "2:20", "1:-1"} << false;
    QTest::newRow("both numbers, Cancels keep them") << QStringList {"1:5", "2:20", "2:", "1:"} << true;
    QTest::newRow("question form, then time form refused") << QStringList {"2:20", "1:"} << false;
}

void tst_Form3::drillButtonRules()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, opens);
    openMenu();
    for (const QString &step : steps)
        choose(step.startsWith('1') ? "Option1" : "Option2", step.mid(2));
    const int refusedBefore = refusals();

    child<QPushButton>("Command1")->click();
    QCOMPARE(refusals(), refusedBefore + (opens ? 0 : 1));
    QCOMPARE(WindowRegistry::instance().find<Form1>() != nullptr, opens);
    QCOMPARE(m_menu->isVisible(), !opens);
}

void tst_Form3::drillButtonsOpenTheirDrill_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Command1") << "Command1" << QStringLiteral("表内乘除法口算训练    ");
    QTest::newRow("Command2") << "Command2" << QStringLiteral("百以内加减法");
    QTest::newRow("Command4") << "Command4" << QStringLiteral("综合训练   ");
    QTest::newRow("Command5") << "Command5" << QStringLiteral("1000以内加减法口算练习      ");
}

void tst_Form3::drillButtonsOpenTheirDrill()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    openMenu();
    choose("Option2", "20");
    child<QPushButton>(button.toLatin1().constData())->click();

    QVERIFY(!m_menu->isVisible());
    QWidget *drill = nullptr;
    QTRY_VERIFY((drill = QApplication::activeWindow()) != nullptr);
    QCOMPARE(drill->windowTitle(), caption);
    QVERIFY(drill->isVisible());
    QCOMPARE(drill->findChild<QLineEdit *>("Text1")->text(), QString());
    QVERIFY(!drill->findChild<QLabel *>("Label1")->text().isEmpty()); // the first question is up
    QCOMPARE(QApplication::focusWidget(), drill->findChild<QLineEdit *>("Text1"));
}

void tst_Form3::limitOfTheOtherFormStaysInForce()
{
    openMenu();
    choose("Option1", "5");
    choose("Option2", "20");
    choose("Option1", ""); // Cancel: the 5 minutes stored before stay
    QCOMPARE(refusals(), 0);
    QVERIFY(child<QRadioButton>("Option1")->isChecked());
    QCOMPARE(child<QLabel>("Label1")->text(), "5");
    QVERIFY(child<QLabel>("Label1")->isVisibleTo(m_menu));
    QVERIFY(!child<QLabel>("Label2")->isVisibleTo(m_menu));
    QCOMPARE(child<QLabel>("Label2")->text(), "20");

    // A drill opened now has both limits: it is timed, and it gets 20 as its question limit.
    child<QPushButton>("Command1")->click();
    Form1 *drill = WindowRegistry::instance().find<Form1>();
    QVERIFY(drill);
    QVERIFY(drill->findChild<QTimer *>("Timer1")->isActive());
    QCOMPARE(drill->limits(), (drill::Limits {.minutes = 5, .questions = 20}));
}

// Clicking the option already selected asks for its number again, so a pupil can change it.
void tst_Form3::selectedOptionAsksAgain()
{
    openMenu();
    choose("Option1", "5");
    choose("Option1", "7");
    QCOMPARE(child<QLabel>("Label1")->text(), "7");
    choose("Option1", "");
    QCOMPARE(child<QLabel>("Label1")->text(), "7");
    QCOMPARE(refusals(), 0);
    QCOMPARE(m_services->dialogs.shown().size(), std::size_t(3));
}

void tst_Form3::returnToMenuAfterADrill()
{
    openMenu();
    choose("Option1", "5");
    child<QPushButton>("Command2")->click();
    QVERIFY(!m_menu->isVisible());

    Form3::ReturnToMenu();
    QVERIFY(m_menu->isVisible());
    QVERIFY(!child<QRadioButton>("Option1")->isChecked());
    QVERIFY(!child<QRadioButton>("Option2")->isChecked());
    QCOMPARE(child<QLabel>("Label1")->text(), QString());
    QCOMPARE(child<QLabel>("Label2")->text(), QString());
    QVERIFY(child<QLabel>("Label3")->isVisibleTo(m_menu)); // the unit of the last form used stays
    QVERIFY(!child<QLabel>("Label4")->isVisibleTo(m_menu));

    // Opening the drill reset the stored minutes: choosing the time form again asks afresh, and a
    // Cancel now is refused.
    choose("Option1", "");
    QCOMPARE(refusals(), 1);
}

void tst_Form3::exitEndsTheProgram_data()
{
    windowtest::addLeaveRows();
}

// "退出" and the menu's close box end the program: the event loop really stops.
void tst_Form3::exitEndsTheProgram()
{
    QFETCH(windowtest::Leave, how);
    openMenu();
    QVERIFY(windowtest::endsEventLoop(
        [this, how] { windowtest::leave(m_menu, child<QPushButton>("Command3"), how); }));
    // The menu is hidden, or already deleted as a closed window is.
    QVERIFY(!m_menu || !m_menu->isVisible());
}

// Every control a person can reach is named in Chinese, and the tooltips are spoken too.
void tst_Form3::accessibleNames()
{
    openMenu();
    const auto spoken = [this](const char *name, QAccessible::Text what) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(child(name));
        return face ? face->text(what) : QStringLiteral("<none>");
    };
    QCOMPARE(spoken("Command5", QAccessible::Name), QStringLiteral("1000以内加减法"));
    QCOMPARE(spoken("Command5", QAccessible::Description), QStringLiteral("练习进行20以内加减法"));
    QCOMPARE(spoken("Command3", QAccessible::Name), QStringLiteral("退出"));
    QCOMPARE(spoken("Command3", QAccessible::Description), QStringLiteral("退出本程序"));
    QCOMPARE(spoken("Option2", QAccessible::Name), QStringLiteral("按题目量进行训练"));
    QCOMPARE(spoken("Option2", QAccessible::Description),
             QStringLiteral("给定训练的题数，测试口算的正确率。"));
    QCOMPARE(spoken("Frame1", QAccessible::Description), QStringLiteral("先选择训练形式，再选择练习内容！"));
    QCOMPARE(spoken("Image1", QAccessible::Name), QStringLiteral("小学生口算训练"));
    choose("Option1", "5");
    QCOMPARE(spoken("Label1", QAccessible::Name), QStringLiteral("5"));
    QCOMPARE(spoken("Label1", QAccessible::Description), QStringLiteral("训练时间（分钟）"));
}

QTEST_MAIN(tst_Form3)
#include "tst_Form3.moc"

#include "platform/widgets/Twips.h"
#include "platform/widgets/WindowRegistry.h"
#include "support/WindowTest.h"
#include "tovrik/windows/Form3.h"
#include "tovrik/windows/Form5.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using windowtest::Leave;

Q_DECLARE_METATYPE(drill::Ending)

class tst_Form5 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void focusAndTabOrder();
    void fillReport_data();
    void fillReport();
    void leavingReturnsToTheMenu_data();
    void leavingReturnsToTheMenu();

    void accessibleNames();

private:
    // The menu hidden, as it is while a report is up.
    void hiddenMenu();
    Form5 *openReport();
    QString text(const char *name) { return windowtest::child<QLabel>(m_report, name)->text(); }

    std::unique_ptr<windowtest::FakeServices> m_services;
    Form3 *m_menu = nullptr;
    Form5 *m_report = nullptr;
};

void tst_Form5::init()
{
    m_services = std::make_unique<windowtest::FakeServices>();
}

void tst_Form5::cleanup()
{
    WindowRegistry::instance().destroyAll();
    m_services.reset();
    m_menu = nullptr;
    m_report = nullptr;
}

void tst_Form5::hiddenMenu()
{
    m_menu = WindowRegistry::instance().show<Form3>();
    m_menu->hide();
}

Form5 *tst_Form5::openReport()
{
    m_report = WindowRegistry::instance().show<Form5>();
    if (!QTest::qWaitForWindowExposed(m_report))
        return nullptr;
    return m_report;
}

void tst_Form5::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twipsRect");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");

    const QString li = QStringLiteral("隶书");
    const QString arial = QStringLiteral("Arial");
    QTest::newRow("Label1_1") << "Label1_1" << QRect(720, 1920, 975, 495) << QStringLiteral("共做") << li
                              << 15.75;
    QTest::newRow("Label4") << "Label4" << QRect(1560, 1860, 855, 495) << "" << arial << 21.75;
    QTest::newRow("Label7_0") << "Label7_0" << QRect(2640, 1980, 375, 375) << QStringLiteral("题") << li
                              << 15.75;
    QTest::newRow("Label10") << "Label10" << QRect(3360, 2040, 735, 495) << QStringLiteral("每分") << li
                             << 15.0;
    QTest::newRow("Label11") << "Label11" << QRect(4200, 1920, 855, 495) << "" << arial << 21.75;
    QTest::newRow("Label12") << "Label12" << QRect(5160, 2040, 375, 375) << QStringLiteral("题") << li
                             << 15.0;
    QTest::newRow("Label5") << "Label5" << QRect(1560, 2520, 855, 495) << "" << arial << 21.75;
    QTest::newRow("Label7_1") << "Label7_1" << QRect(2640, 2700, 375, 375) << QStringLiteral("题") << li
                              << 15.75;
    QTest::newRow("Label8") << "Label8" << QRect(3720, 2640, 975, 615) << QStringLiteral("得分") << li
                            << 15.75;
    QTest::newRow("Label9") << "Label9" << QRect(4800, 2640, 735, 735) << "" << arial << 18.0;
    QTest::newRow("Label6") << "Label6" << QRect(1560, 3240, 855, 495) << "" << arial << 21.75;
    QTest::newRow("Label7_2") << "Label7_2" << QRect(2640, 3360, 375, 375) << QStringLiteral("题") << li
                              << 15.75;
    QTest::newRow("Command1") << "Command1" << QRect(4080, 3360, 855, 495) << QStringLiteral("退出") << li
                              << 15.0;
}

void tst_Form5::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twipsRect);
    QVERIFY(openReport());
    QCOMPARE(m_report->windowTitle(), QStringLiteral("成绩汇报 "));
    QCOMPARE(m_report->size(), twips::size(5700, 4140));
    QVERIFY(!(m_report->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_report->palette().color(QPalette::Window), QColor(0, 255, 255));

    auto *w = m_report->findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(windowtest::placeOf(w),
             twips::rect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
    const QString shown = qobject_cast<QLabel *>(w) ? qobject_cast<QLabel *>(w)->text()
                                                    : qobject_cast<QPushButton *>(w)->text();
    QTEST(shown, "text");
    QTEST(w->font().family(), "family");
    QTEST(w->font().pointSizeF(), "points");
}

void tst_Form5::focusAndTabOrder()
{
    QVERIFY(openReport());
    auto *banner = m_report->findChild<QLabel *>("Image1");
    QCOMPARE(banner->geometry(), twips::rect(240, 360, 5220, 810));
    QCOMPARE(banner->toolTip(), QStringLiteral("虚心使人进步，骄傲使人落后！"));
    QVERIFY(!banner->pixmap().isNull());
    QCOMPARE(m_report->findChild<QWidget *>("Image2")->geometry(), twips::rect(840, 2587, 480, 480));
    QCOMPARE(m_report->findChild<QWidget *>("Image3")->geometry(), twips::rect(840, 3240, 480, 480));
    auto *tiny = m_report->findChild<QLineEdit *>("Text1");
    QCOMPARE(tiny->geometry(), twips::rect(3285, 3600, 90, 180));

    // The tiny box comes first but the Tab key passes it by: "退出" has the focus and keeps it.
    m_report->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_report));
    auto *exit = m_report->findChild<QPushButton *>("Command1");
    QCOMPARE(QApplication::focusWidget(), exit);
    QTest::keyClick(m_report->windowHandle(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), exit);
}

void tst_Form5::fillReport_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("done");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<drill::Ending>("ending");
    QTest::addColumn<QStringList>("shown"); // Label4, 5, 6, 9, then Label10|Label11|Label12

    QTest::newRow("10 questions, 7 right")
        << 0 << 10 << 7 << 3 << drill::Ending::ByCount << QStringList {"10", "7", "3", "70", "||"};
    QTest::newRow("2 minutes, 25 answers, 20 right")
        << 2 << 25 << 20 << 5 << drill::Ending::ByTime
        << QStringList {"25", "20", "5", "80", QStringLiteral("每分|12|题")};
    QTest::newRow("5 minutes, 4 answers") << 5 << 4 << 3 << 1 << drill::Ending::ByTime
                                          << QStringList {"4", "3", "1", "75", QStringLiteral("每分|0|题")};
    QTest::newRow("time ran out before any answer")
        << 1 << 0 << 0 << 0 << drill::Ending::ByTime
        << QStringList {"0", "0", "0", "", QStringLiteral("每分|0|题")};
    QTest::newRow("timed drill ended by count")
        << 5 << 20 << 19 << 1 << drill::Ending::ByCount << QStringList {"20", "19", "1", "95", "||"};
    QTest::newRow("1 of 8 rounds up")
        << 0 << 8 << 1 << 7 << drill::Ending::ByCount << QStringList {"8", "1", "7", "13", "||"};
}

void tst_Form5::fillReport()
{
    QFETCH(int, minutes);
    QFETCH(int, done);
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(drill::Ending, ending);
    hiddenMenu();
    QVERIFY(openReport());
    m_report->FillReport(done, right, wrong, ending, minutes);
    const QStringList shown {text("Label4"), text("Label5"), text("Label6"), text("Label9"),
                             text("Label10") + '|' + text("Label11") + '|' + text("Label12")};
    QTEST(shown, "shown");
}

void tst_Form5::leavingReturnsToTheMenu_data()
{
    windowtest::addLeaveRows();
}

void tst_Form5::leavingReturnsToTheMenu()
{
    QFETCH(Leave, how);
    hiddenMenu();
    QPointer<Form5> report = openReport();
    QVERIFY(report);
    report->FillReport(9, 9, 0, drill::Ending::ByTime, 3);
    // No drill handed over to this report, so the test hears it as the menu does for the report
    // of a drill it opened.
    QSignalSpy leaving(report.data(), &Form5::backToMenu);
    connect(report, &Form5::backToMenu, report, &Form3::ReturnToMenu);

    windowtest::leave(report, windowtest::child<QPushButton>(report, "Command1"), how);

    QCOMPARE(leaving.count(), 1);
    QVERIFY(m_menu->isVisible());
    QVERIFY(!m_menu->findChild<QRadioButton *>("Option1")->isChecked());
    QVERIFY(!m_menu->findChild<QRadioButton *>("Option2")->isChecked());
    QCOMPARE(windowtest::child<QLabel>(m_menu, "Label1")->text(), QString());
    QCOMPARE(windowtest::child<QLabel>(m_menu, "Label2")->text(), QString());
    QCOMPARE(m_menu->limits(), drill::Limits {});
    QTRY_VERIFY(report.isNull());
}

// What a screen reader speaks: the button by its caption, the banner's tooltip as its description,
// the figures by their number and what they stand for.
void tst_Form5::accessibleNames()
{
    QVERIFY(openReport());
    m_report->FillReport(10, 7, 3, drill::Ending::ByCount, 0);
    const auto spoken = [this](const char *name, QAccessible::Text what) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(windowtest::child(m_report, name));
        return face ? face->text(what) : QStringLiteral("<none>");
    };
    QCOMPARE(spoken("Command1", QAccessible::Name), QStringLiteral("退出"));
    QCOMPARE(spoken("Text1", QAccessible::Name), QStringLiteral("空白框"));
    QCOMPARE(spoken("Image1", QAccessible::Description), QStringLiteral("虚心使人进步，骄傲使人落后！"));
    QCOMPARE(spoken("Label9", QAccessible::Name), QStringLiteral("70"));
    QCOMPARE(spoken("Label9", QAccessible::Description), QStringLiteral("得分"));
    QCOMPARE(spoken("Label5", QAccessible::Description), QStringLiteral("答对题数"));
    QCOMPARE(spoken("Image2", QAccessible::Name), QStringLiteral("答对"));
}

QTEST_MAIN(tst_Form5)
#include "tst_Form5.moc"

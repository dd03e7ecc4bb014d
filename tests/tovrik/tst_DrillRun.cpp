#include "tovrik/logic/DrillRun.h"

#include <QtTest>

class tst_DrillRun : public QObject
{
    Q_OBJECT

private slots:
    // The typed numbers of these cases ("12.5", "2.5") are written for a point as the decimal
    // separator; the reading in other locales is tested with the text numbers themselves.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void grade_data();
    void grade();
    void entryThatIsNoNumberIsWrong();
    void questionLimit_data();
    void questionLimit();
    void time_data();
    void time();
    void clearCounts();
};

void tst_DrillRun::grade_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("rightAnswer");
    QTest::addColumn<bool>("right");
    QTest::newRow("right") << "12" << 12 << true;
    QTest::newRow("wrong") << "13" << 12 << false;
    QTest::newRow("blanks around") << " 12 " << 12 << true;
    QTest::newRow("12.5 counts as 12") << "12.5" << 12 << true;
    QTest::newRow("13.5 counts as 14") << "13.5" << 14 << true;
    QTest::newRow("13.5 is not 13") << "13.5" << 13 << false;
    QTest::newRow("empty is wrong, even for 0") << "" << 0 << false;
    QTest::newRow("letters are wrong, even for 0") << "abc" << 0 << false;
    QTest::newRow("beyond 32 bits") << "4294967308" << 12 << false;
    QTest::newRow("zero") << "0" << 0 << true;
}

void tst_DrillRun::grade()
{
    QFETCH(QString, typed);
    QFETCH(int, rightAnswer);
    QFETCH(bool, right);
    drill::DrillRun run;
    QCOMPARE(run.grade(typed, rightAnswer), right);
    QCOMPARE(run.right(), right ? 1 : 0);
    QCOMPARE(run.wrong(), right ? 0 : 1);
    QCOMPARE(run.done(), 0); // counting the answer is a step of its own
}

void tst_DrillRun::entryThatIsNoNumberIsWrong()
{
    drill::DrillRun run;
    QVERIFY(!run.grade("17", 3));
    // An entry that is not a number is wrong, even when the number typed before it happens to be
    // the right answer now.
    QVERIFY(!run.grade("x", 17));
    QCOMPARE(run.wrong(), 2);
}

void tst_DrillRun::questionLimit_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("endsAfter");
    QTest::newRow("1 question") << 1 << 1;
    QTest::newRow("20 questions") << 20 << 20;
    QTest::newRow("no limit stands for 30000") << 0 << 30000;
}

void tst_DrillRun::questionLimit()
{
    QFETCH(int, limit);
    QFETCH(int, endsAfter);
    drill::DrillRun run(3);
    for (int i = 1; i < endsAfter; ++i)
        QVERIFY2(!run.countAnswer(limit), qPrintable(QString("ended after %1").arg(i)));
    QVERIFY(run.countAnswer(limit));
    QCOMPARE(run.done(), endsAfter);
}

void tst_DrillRun::time_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<bool>("timed");
    QTest::addColumn<int>("seconds");
    QTest::newRow("question form") << 0 << false << 0;
    QTest::newRow("1 minute") << 1 << true << 60;
    QTest::newRow("5 minutes") << 5 << true << 300;
    QTest::newRow("largest minutes that fit") << 35791394 << true << 2147483640;
    QTest::newRow("minutes whose seconds pass 32 bits") << 35791395 << true << 2147483647;
    QTest::newRow("largest minutes") << 2147483647 << true << 2147483647;
}

void tst_DrillRun::time()
{
    QFETCH(int, minutes);
    QFETCH(bool, timed);
    QFETCH(int, seconds);
    drill::DrillRun run(minutes);
    QCOMPARE(run.timed(), timed);
    QCOMPARE(run.secondsLeft(), seconds);
    if (!timed) {
        QVERIFY(!run.tick());
        return;
    }
    QVERIFY(!run.tick());
    QCOMPARE(run.secondsLeft(), seconds - 1);
    if (seconds <= 300) {
        for (int left = seconds - 1; left > 1; --left)
            QVERIFY(!run.tick());
        QVERIFY(run.tick()); // the last second runs out
        QCOMPARE(run.secondsLeft(), 0);
    }
}

void tst_DrillRun::clearCounts()
{
    drill::DrillRun run(1);
    run.grade("1", 1);
    run.grade("2", 1);
    run.countAnswer(0);
    run.countAnswer(0);
    run.clearCounts();
    QCOMPARE(run.done(), 0);
    QCOMPARE(run.right(), 0);
    QCOMPARE(run.wrong(), 0);
}

QTEST_GUILESS_MAIN(tst_DrillRun)
#include "tst_DrillRun.moc"

#include "tovrik/logic/ReportFigures.h"

#include <QtTest>

class tst_ReportFigures : public QObject
{
    Q_OBJECT

private slots:
    void score_data();
    void score();
    void rate_data();
    void rate();
    void reportTexts();
};

void tst_ReportFigures::score_data()
{
    QTest::addColumn<int>("done");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("score");
    QTest::newRow("7 of 10") << 10 << 7 << "70";
    QTest::newRow("20 of 25") << 25 << 20 << "80";
    QTest::newRow("1 of 8, a half rounds up") << 8 << 1 << "13";
    QTest::newRow("1 of 3") << 3 << 1 << "33";
    QTest::newRow("2 of 3") << 3 << 2 << "67";
    QTest::newRow("all right") << 12 << 12 << "100";
    QTest::newRow("none right") << 12 << 0 << "0";
    QTest::newRow("29 of 200 is exactly 14.5") << 200 << 29 << "15";
    QTest::newRow("57 of 200 is exactly 28.5") << 200 << 57 << "29";
    QTest::newRow("just below a hundred") << 30000 << 29999 << "100";
    QTest::newRow("largest counts") << 2147483647 << 2147483647 << "100";
    QTest::newRow("nothing answered") << 0 << 0 << "";
}

void tst_ReportFigures::score()
{
    QFETCH(int, done);
    QFETCH(int, right);
    QTEST(drill::scoreText(done, right), "score");
}

void tst_ReportFigures::rate_data()
{
    QTest::addColumn<int>("done");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("rate");
    QTest::newRow("25 in 2 minutes") << 25 << 2 << "12";
    QTest::newRow("4 in 5 minutes") << 4 << 5 << "0";
    QTest::newRow("none in 1 minute") << 0 << 1 << "0";
    QTest::newRow("60 in 1 minute") << 60 << 1 << "60";
    QTest::newRow("no minutes to divide by") << 7 << 0 << "";
}

void tst_ReportFigures::rate()
{
    QFETCH(int, done);
    QFETCH(int, minutes);
    QTEST(drill::rateText(done, minutes), "rate");
}

void tst_ReportFigures::reportTexts()
{
    const drill::ReportTexts byCount = drill::reportTexts(10, 7, 3, drill::Ending::ByCount, 5);
    QCOMPARE(byCount.done, "10");
    QCOMPARE(byCount.right, "7");
    QCOMPARE(byCount.wrong, "3");
    QCOMPARE(byCount.score, "70");
    QCOMPARE(byCount.rate, "");

    const drill::ReportTexts byTime = drill::reportTexts(0, 0, 0, drill::Ending::ByTime, 1);
    QCOMPARE(byTime.done, "0");
    QCOMPARE(byTime.score, "");
    QCOMPARE(byTime.rate, "0");
}

QTEST_GUILESS_MAIN(tst_ReportFigures)
#include "tst_ReportFigures.moc"

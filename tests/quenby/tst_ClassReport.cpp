// The class report as values: its texts, its bars, and where the marks go on the pages.
#include "quenby/logic/ClassReport.h"

#include "quenby/logic/ScoreStatistics.h"

#include <QtTest>

using namespace classreport;

Q_DECLARE_METATYPE(QList<qsizetype>)

class tst_ClassReport : public QObject
{
    Q_OBJECT

private slots:
    void contentOfAClass();
    void barsCountTheSavedReportsBuckets();
    void barHeights_data();
    void barHeights();
    void markBlocks_data();
    void markBlocks();
    void marksRunDownEachColumn();
    void columnsThatFit_data();
    void columnsThatFit();
};

void tst_ClassReport::contentOfAClass()
{
    const QStringList marks = {QStringLiteral("85"), QStringLiteral("90"), QStringLiteral("80")};
    const Content c = makeContent(marks, QStringLiteral("2026/12/11 10:20:30"));
    QCOMPARE(c.title, QStringLiteral("班级成绩报告"));
    QCOMPARE(c.dateLine, QStringLiteral("日期：2026/12/11 10:20:30"));
    QCOMPARE(c.marks, marks);
    // The texts the statistics window shows, under the window's labels.
    const QStringList texts = stats::ComputeStatistics(marks);
    QCOMPARE(c.results.size(), stats::kBoxCount);
    for (int i = 0; i < stats::kBoxCount; ++i)
        QCOMPARE(c.results[i].text, texts[i]);
    QCOMPARE(c.results[0].label, QStringLiteral("总分："));
    QCOMPARE(c.results[0].text, QStringLiteral(" 255分----共 3人"));
    QCOMPARE(c.results[8].label, QStringLiteral("不及格(<60)："));
    QCOMPARE(c.results[13].label, QStringLiteral("60分："));

    // No marks: empty results, bars of 0, and a scale all the same.
    const Content empty = makeContent({}, QString());
    QCOMPARE(empty.results.size(), stats::kBoxCount);
    QVERIFY(empty.results[0].text.isEmpty());
    QCOMPARE(empty.bars.size(), kBarCount);
    QCOMPARE(highestCount(empty.bars), 1);
}

void tst_ClassReport::barsCountTheSavedReportsBuckets()
{
    // 100, above 100 with the 90s, each ten-point bucket, and below 60; the grade bands split at
    // 85 and 75, inside the buckets.
    const QStringList marks
        = {QStringLiteral("100"),  QStringLiteral("120"), QStringLiteral("95"), QStringLiteral("85"),
           QStringLiteral("84.5"), QStringLiteral("75"),  QStringLiteral("74"), QStringLiteral("60"),
           QStringLiteral("59.9"), QStringLiteral("0")};
    const Content c = makeContent(marks, QString());
    QStringList labels;
    QList<std::int64_t> counts;
    QList<BarGroup> groups;
    for (const Bar &bar : c.bars) {
        labels << bar.label;
        counts << bar.count;
        groups << bar.group;
    }
    QCOMPARE(labels,
             (QStringList {QStringLiteral("100分"), QStringLiteral("90分"), QStringLiteral("80分"),
                           QStringLiteral("70分"), QStringLiteral("60分"), QStringLiteral("60以下"),
                           QStringLiteral("优(>=85)"), QStringLiteral("良(75~84)"),
                           QStringLiteral("及格(60~74)"), QStringLiteral("不及格(<60)")}));
    QCOMPARE(counts, (QList<std::int64_t> {1, 2, 2, 2, 1, 2, 4, 2, 2, 2}));
    QCOMPARE(groups.count(BarGroup::TenPoint), 6);
    QCOMPARE(groups.mid(6), QList<BarGroup>(4, BarGroup::Grade));
    QCOMPARE(highestCount(c.bars), 4);
    // The counts on the bars agree with the result texts.
    QCOMPARE(c.results[5].text, QStringLiteral(" 4人"));
    QCOMPARE(c.results[9].text, QStringLiteral(" 1人"));
}

void tst_ClassReport::barHeights_data()
{
    QTest::addColumn<qint64>("count");
    QTest::addColumn<qint64>("highest");
    QTest::addColumn<double>("height");
    QTest::newRow("tallest bar fills the chart") << qint64(7) << qint64(7) << 130.0;
    QTest::newRow("half the count, half the height") << qint64(3) << qint64(6) << 65.0;
    QTest::newRow("one of four") << qint64(1) << qint64(4) << 32.5;
    QTest::newRow("no count, no bar") << qint64(0) << qint64(5) << 0.0;
    QTest::newRow("a whole school") << qint64(1000000) << qint64(4000000) << 32.5;
}

void tst_ClassReport::barHeights()
{
    QFETCH(qint64, count);
    QFETCH(qint64, highest);
    QFETCH(double, height);
    QCOMPARE(barHeight(count, highest, 130.0), height);
}

void tst_ClassReport::markBlocks_data()
{
    QTest::addColumn<qsizetype>("marks");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("firstRows");
    QTest::addColumn<int>("laterRows");
    // first, count and rows of each block
    QTest::addColumn<QList<qsizetype>>("blocks");
    QTest::newRow("no marks, no block") << qsizetype(0) << 8 << 12 << 40 << QList<qsizetype> {};
    QTest::newRow("a few marks share the rows evenly")
        << qsizetype(10) << 8 << 12 << 40 << QList<qsizetype> {0, 10, 2};
    QTest::newRow("first page exactly full")
        << qsizetype(96) << 8 << 12 << 40 << QList<qsizetype> {0, 96, 12};
    QTest::newRow("one more mark, a second page")
        << qsizetype(97) << 8 << 12 << 40 << QList<qsizetype> {0, 96, 12, 96, 1, 1};
    QTest::newRow("a class of 181") << qsizetype(181) << 8 << 12 << 40
                                    << QList<qsizetype> {0, 96, 12, 96, 85, 11};
    QTest::newRow("1,000 marks over four pages")
        << qsizetype(1000) << 8 << 12 << 40
        << QList<qsizetype> {0, 96, 12, 96, 320, 40, 416, 320, 40, 736, 264, 33};
    QTest::newRow("no room on the first page")
        << qsizetype(3) << 4 << 0 << 40 << QList<qsizetype> {0, 0, 0, 0, 3, 1};
    QTest::newRow("rows below one still make progress")
        << qsizetype(2) << 1 << 0 << 0 << QList<qsizetype> {0, 0, 0, 0, 1, 1, 1, 1, 1};
}

void tst_ClassReport::markBlocks()
{
    QFETCH(qsizetype, marks);
    QFETCH(int, columns);
    QFETCH(int, firstRows);
    QFETCH(int, laterRows);
    QFETCH(QList<qsizetype>, blocks);
    QList<qsizetype> got;
    for (const MarkBlock &b : classreport::markBlocks(marks, columns, firstRows, laterRows)) {
        got << b.first << b.count << b.rows;
        QCOMPARE(b.columns, columns);
    }
    QCOMPARE(got, blocks);
}

void tst_ClassReport::marksRunDownEachColumn()
{
    // Ten marks in four columns fill three rows: 0 1 2 down the first column, 9 at the top of the fourth.
    const MarkBlock block = classreport::markBlocks(10, 4, 12, 40).constFirst();
    QCOMPARE(block.rows, 3);
    QCOMPARE(cellOf(block, 0).column, 0);
    QCOMPARE(cellOf(block, 2).row, 2);
    QCOMPARE(cellOf(block, 3).column, 1);
    QCOMPARE(cellOf(block, 3).row, 0);
    QCOMPARE(cellOf(block, 9).column, 3);
    QCOMPARE(cellOf(block, 9).row, 0);
}

void tst_ClassReport::columnsThatFit_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("columnWidth");
    QTest::addColumn<int>("columns");
    QTest::newRow("short marks: as many as allowed") << 480.0 << 30.0 << 8;
    QTest::newRow("exactly three with their gaps") << 100.0 << 24.0 << 3;
    QTest::newRow("a hair too little for three") << 99.9 << 24.0 << 2;
    QTest::newRow("a mark wider than the page") << 480.0 << 900.0 << 1;
    QTest::newRow("nothing to measure") << 480.0 << 0.0 << 1;
}

void tst_ClassReport::columnsThatFit()
{
    QFETCH(double, width);
    QFETCH(double, columnWidth);
    QFETCH(int, columns);
    QCOMPARE(classreport::columnsThatFit(width, columnWidth, 14.0, 8), columns);
}

QTEST_GUILESS_MAIN(tst_ClassReport)
#include "tst_ClassReport.moc"

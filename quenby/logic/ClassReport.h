#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// What the printed class report of the statistics window says, and where its parts go on the
// pages, as plain values: the drawing itself is done elsewhere from these.
namespace classreport {

// One labelled line of the results: "总分：" and " 255分----共 3人".
struct Result {
    QString label;
    QString text;
};

// The two groups of bars of the chart.
enum class BarGroup { TenPoint, Grade };

// One bar of the chart with the count it stands for.
struct Bar {
    QString label; // "100分" … "60以下", "优(>=85)" … "不及格(<60)"
    std::int64_t count = 0;
    BarGroup group = BarGroup::TenPoint;
};

// The six ten-point bars (100, 90, 80, 70, 60 and below 60, the counts of the saved report) and
// the four grade bands.
inline constexpr int kBarCount = 10;

struct Content {
    QString title;         // "班级成绩报告"
    QString dateLine;      // "日期：" and the time stamp
    QStringList marks;     // in entry order, as typed
    QList<Result> results; // the fourteen results, in the order of the statistics window's boxes
    QList<Bar> bars;       // kBarCount bars: the ten-point ones first
};

// The report of a list of marks, all of them accepted by the mark rule, with the given time stamp.
// The results are the texts stats::ComputeStatistics gives for the list; an empty list gives
// empty results and bars of 0.
Content makeContent(const QStringList &marks, const QString &timeStamp);

// The largest count of the bars, at least 1 so that a chart of nothing has a scale.
std::int64_t highestCount(const QList<Bar> &bars);

// The height of a bar in a chart whose tallest bar (of count highest) is fullHeight high:
// proportional to the count, 0 for 0.
double barHeight(std::int64_t count, std::int64_t highest, double fullHeight);

// A run of marks on one page, set in columns, down each column first.
struct MarkBlock {
    qsizetype first = 0; // index of the block's first mark in the list
    qsizetype count = 0;
    int rows = 0; // rows the block fills: its marks are spread evenly over the columns
    int columns = 1;
};

// Where the marks go: the first page has room for firstPageRows rows (it also holds the title,
// the results and the chart), every later page for laterPageRows rows, each row `columns` marks
// wide. One block a page, the first page's block possibly empty when it has no room at all.
// No marks give no blocks.
QList<MarkBlock> markBlocks(qsizetype markCount, int columns, int firstPageRows, int laterPageRows);

// The place of the index-th mark of a block: its column and row.
struct Cell {
    int column = 0;
    int row = 0;
};
Cell cellOf(const MarkBlock &block, qsizetype indexInBlock);

// How many columns of marks fit across a width: each column is columnWidth wide and columns stand
// gap apart. At least 1, at most maxColumns.
int columnsThatFit(double width, double columnWidth, double gap, int maxColumns);

} // namespace classreport

#include "quenby/logic/ClassReport.h"

#include "quenby/logic/ScoreStatistics.h"

#include <algorithm>
#include <cmath>

namespace classreport {

namespace {

// The labels of the fourteen results, as the statistics window shows them.
const QStringList &resultLabels()
{
    static const QStringList labels = {
        QStringLiteral("总分："),      QStringLiteral("平均分："),      QStringLiteral("标准差："),
        QStringLiteral("最高分："),    QStringLiteral("最低分："),      QStringLiteral("优(>=85)："),
        QStringLiteral("良(75~84)："), QStringLiteral("及格(60~74)："), QStringLiteral("不及格(<60)："),
        QStringLiteral("100分："),     QStringLiteral("90分："),        QStringLiteral("80分："),
        QStringLiteral("70分："),      QStringLiteral("60分："),
    };
    return labels;
}

QList<Bar> barsOf(const stats::Tally &t)
{
    static const char16_t *const tenPoint[] = {u"100分", u"90分", u"80分", u"70分", u"60分"};
    static const char16_t *const grades[] = {u"优(>=85)", u"良(75~84)", u"及格(60~74)", u"不及格(<60)"};
    QList<Bar> bars;
    bars.reserve(kBarCount);
    for (int i = 0; i < 5; ++i)
        bars.append({QString::fromUtf16(tenPoint[i]), t.buckets[i], BarGroup::TenPoint});
    bars.append({QStringLiteral("60以下"), t.bands[3], BarGroup::TenPoint});
    for (int i = 0; i < 4; ++i)
        bars.append({QString::fromUtf16(grades[i]), t.bands[i], BarGroup::Grade});
    return bars;
}

} // namespace

Content makeContent(const QStringList &marks, const QString &timeStamp)
{
    Content content;
    content.title = QStringLiteral("班级成绩报告");
    content.dateLine = QStringLiteral("日期：") + timeStamp;
    content.marks = marks;
    const QStringList texts = stats::ComputeStatistics(marks);
    const QStringList &labels = resultLabels();
    for (qsizetype i = 0; i < labels.size(); ++i)
        content.results.append({labels[i], texts.value(i)});
    content.bars = barsOf(stats::tally(marks));
    return content;
}

std::int64_t highestCount(const QList<Bar> &bars)
{
    std::int64_t highest = 1;
    for (const Bar &bar : bars)
        highest = std::max(highest, bar.count);
    return highest;
}

double barHeight(std::int64_t count, std::int64_t highest, double fullHeight)
{
    if (count <= 0 || highest <= 0)
        return 0.0;
    return fullHeight * static_cast<double>(count) / static_cast<double>(highest);
}

QList<MarkBlock> markBlocks(qsizetype markCount, int columns, int firstPageRows, int laterPageRows)
{
    QList<MarkBlock> blocks;
    columns = std::max(columns, 1);
    // A page always takes at least one row, so the marks always come to an end.
    laterPageRows = std::max(laterPageRows, 1);
    firstPageRows = std::max(firstPageRows, 0);
    qsizetype next = 0;
    int rows = firstPageRows;
    while (next < markCount) {
        const qsizetype room = static_cast<qsizetype>(rows) * columns;
        const qsizetype count = std::min(room, markCount - next);
        const int used = static_cast<int>((count + columns - 1) / columns);
        blocks.append({.first = next, .count = count, .rows = used, .columns = columns});
        next += count;
        rows = laterPageRows;
    }
    return blocks;
}

Cell cellOf(const MarkBlock &block, qsizetype indexInBlock)
{
    if (block.rows <= 0)
        return {};
    return {.column = static_cast<int>(indexInBlock / block.rows),
            .row = static_cast<int>(indexInBlock % block.rows)};
}

int columnsThatFit(double width, double columnWidth, double gap, int maxColumns)
{
    if (!(columnWidth > 0.0) || !std::isfinite(width))
        return 1;
    const double fit = std::floor((width + gap) / (columnWidth + gap));
    if (!(fit >= 1.0))
        return 1;
    return static_cast<int>(std::min(fit, static_cast<double>(std::max(maxColumns, 1))));
}

} // namespace classreport

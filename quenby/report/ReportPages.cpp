#include "quenby/report/ReportPages.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace reportpages {

namespace {

using classreport::Bar;
using classreport::BarGroup;
using classreport::Content;
using classreport::MarkBlock;

// Heights and sizes in points (1/72 inch); the page is laid out top to bottom.
constexpr double kTitleSize = 20;
constexpr double kTitleHeight = 34;
constexpr double kDateSize = 10.5;
constexpr double kDateHeight = 26;
constexpr double kHeadingSize = 13;
constexpr double kHeadingHeight = 24;
constexpr double kResultSize = 11;
constexpr double kResultHeight = 18;
constexpr int kResultRows = 9; // the first column: total to the grade bands; the second: 100 to 60
constexpr double kSectionGap = 14;
constexpr double kChartCountHeight = 16; // the count above a bar
constexpr double kChartBarHeight = 130;  // the tallest bar
constexpr double kChartLabelHeight = 30; // two lines of label below a bar
constexpr double kChartGroupHeight = 18; // the group's name under its labels
constexpr double kChartSize = 9;
constexpr double kMarkSize = 10.5;
constexpr double kMarkHeight = 16;
constexpr double kMarkGap = 14;
constexpr int kMostMarkColumns = 8;
constexpr double kFooterHeight = 20;
constexpr double kFooterSize = 9;
constexpr double kMarginMillimetres = 18;

const QColor kInk(0, 0, 0);
const QColor kGrey(110, 110, 110);
const QColor kAxis(80, 80, 80);
const QColor kTenPointBar(70, 130, 180);
const QColor kGradeBars[] = {{46, 139, 87}, {124, 179, 66}, {230, 162, 40}, {205, 78, 68}};

QFont reportFont(double points, bool bold = false)
{
    // Latin letters and digits in Liberation Sans, Chinese in AR PL UMing, the Ming face that printed
    // Chinese reports use; both come with the package. (Noto's CJK faces share each ideograph's
    // glyph with its Kangxi radical, which Qt's PDF writer then gives as the text: "⽇期" for
    // "日期" in a copy or a search.)
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("AR PL UMing CN")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The bar label in its two lines: the name, and the range in brackets below it.
QString twoLineLabel(const QString &label)
{
    const qsizetype bracket = label.indexOf(QLatin1Char('('));
    if (bracket <= 0)
        return label;
    return label.left(bracket) + QLatin1Char('\n') + label.mid(bracket);
}

// The layout of the whole report on one device: where each part goes, page by page.
class Pages
{
public:
    Pages(QPagedPaintDevice &device, const Content &content) : m_device(device), m_content(content)
    {
        m_unit = device.logicalDpiY() / 72.0;
        m_width = device.width();
        m_height = device.height();
        const QFontMetricsF marks(reportFont(kMarkSize), &device);
        m_numberWidth = marks.horizontalAdvance(QString::number(content.marks.size()) + QStringLiteral("."));
        double widest = 0;
        for (const QString &mark : content.marks)
            widest = std::max(widest, marks.horizontalAdvance(mark));
        const double cell = m_numberWidth + pt(6) + widest;
        m_columnWidth = std::min(cell, m_width);
        const int columns
            = classreport::columnsThatFit(m_width, m_columnWidth, pt(kMarkGap), kMostMarkColumns);
        const double firstRows
            = (m_height - pt(kFooterHeight) - firstMarksTop() - pt(kHeadingHeight)) / pt(kMarkHeight);
        const double laterRows = (m_height - pt(kFooterHeight) - pt(kHeadingHeight)) / pt(kMarkHeight);
        m_blocks = classreport::markBlocks(content.marks.size(), columns, static_cast<int>(firstRows),
                                           static_cast<int>(laterRows));
    }

    int count() const { return std::max<int>(1, static_cast<int>(m_blocks.size())); }

    void paint(QPainter &painter)
    {
        for (int page = 0; page < count(); ++page) {
            if (page > 0)
                m_device.newPage();
            double y = 0;
            if (page == 0)
                y = paintFirstPageTop(painter);
            if (page < m_blocks.size())
                paintMarks(painter, m_blocks[page], y, page == 0);
            paintFooter(painter, page);
        }
    }

private:
    double pt(double points) const { return points * m_unit; }

    double firstMarksTop() const
    {
        return pt(kTitleHeight + kDateHeight + kHeadingHeight + kResultRows * kResultHeight + kSectionGap
                  + kHeadingHeight + kChartCountHeight + kChartBarHeight + kChartLabelHeight
                  + kChartGroupHeight + kSectionGap);
    }

    void text(QPainter &painter, const QRectF &box, const QString &s, const QFont &font,
              int flags = Qt::AlignLeft | Qt::AlignVCenter, const QColor &colour = kInk)
    {
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(box, flags, s);
    }

    double paintFirstPageTop(QPainter &painter)
    {
        double y = 0;
        text(painter, {0, y, m_width, pt(kTitleHeight)}, m_content.title, reportFont(kTitleSize, true),
             Qt::AlignCenter);
        y += pt(kTitleHeight);
        text(painter, {0, y, m_width, pt(kDateHeight)}, m_content.dateLine, reportFont(kDateSize),
             Qt::AlignCenter, kGrey);
        y += pt(kDateHeight);
        y = paintResults(painter, y);
        y = paintChart(painter, y + pt(kSectionGap));
        return y + pt(kSectionGap);
    }

    double paintResults(QPainter &painter, double y)
    {
        text(painter, {0, y, m_width, pt(kHeadingHeight)}, QStringLiteral("统计结果"),
             reportFont(kHeadingSize, true));
        y += pt(kHeadingHeight);
        const QFont font = reportFont(kResultSize);
        const QFontMetricsF metrics(font, &m_device);
        double labelWidth = 0;
        for (const classreport::Result &result : m_content.results)
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(result.label));
        const double half = m_width / 2;
        for (qsizetype i = 0; i < m_content.results.size(); ++i) {
            const int column = i < kResultRows ? 0 : 1;
            const int row = static_cast<int>(column == 0 ? i : i - kResultRows);
            const double left = column * half;
            const QRectF line(left, y + row * pt(kResultHeight), half, pt(kResultHeight));
            text(painter, line, m_content.results[i].label, font);
            text(painter, line.adjusted(labelWidth, 0, 0, 0), m_content.results[i].text, font);
        }
        return y + kResultRows * pt(kResultHeight);
    }

    double paintChart(QPainter &painter, double y)
    {
        text(painter, {0, y, m_width, pt(kHeadingHeight)}, QStringLiteral("分数分布"),
             reportFont(kHeadingSize, true));
        y += pt(kHeadingHeight);
        const QList<Bar> &bars = m_content.bars;
        // One slot a bar, and one empty slot between the two groups.
        const double slot = m_width / (bars.size() + 1);
        const double baseline = y + pt(kChartCountHeight + kChartBarHeight);
        const std::int64_t highest = classreport::highestCount(bars);
        const QFont small = reportFont(kChartSize);
        int grade = 0;
        for (qsizetype i = 0; i < bars.size(); ++i) {
            const Bar &bar = bars[i];
            const bool isGrade = bar.group == BarGroup::Grade;
            const double left = (i + (isGrade ? 1 : 0)) * slot;
            const double height = classreport::barHeight(bar.count, highest, pt(kChartBarHeight));
            const QRectF body(left + slot * 0.18, baseline - height, slot * 0.64, height);
            painter.fillRect(body, isGrade ? kGradeBars[grade++ % 4] : kTenPointBar);
            text(painter, {left, body.top() - pt(kChartCountHeight), slot, pt(kChartCountHeight)},
                 QString::number(bar.count), small, Qt::AlignHCenter | Qt::AlignBottom);
            text(painter, {left, baseline + pt(2), slot, pt(kChartLabelHeight)}, twoLineLabel(bar.label),
                 small, Qt::AlignHCenter | Qt::AlignTop);
        }
        painter.setPen(QPen(kAxis, pt(0.8)));
        painter.drawLine(QPointF(0, baseline), QPointF(6 * slot, baseline));
        painter.drawLine(QPointF(7 * slot, baseline), QPointF(m_width, baseline));
        const double groupTop = baseline + pt(2 + kChartLabelHeight);
        text(painter, {0, groupTop, 6 * slot, pt(kChartGroupHeight)}, QStringLiteral("分数段"), small,
             Qt::AlignCenter, kGrey);
        text(painter, {7 * slot, groupTop, 4 * slot, pt(kChartGroupHeight)}, QStringLiteral("等级"), small,
             Qt::AlignCenter, kGrey);
        return groupTop + pt(kChartGroupHeight);
    }

    void paintMarks(QPainter &painter, const MarkBlock &block, double y, bool firstPage)
    {
        const QString heading = firstPage
            ? QStringLiteral("分数（按输入顺序，共 %1 个）").arg(m_content.marks.size())
            : QStringLiteral("分数（续）");
        text(painter, {0, y, m_width, pt(kHeadingHeight)}, heading, reportFont(kHeadingSize, true));
        y += pt(kHeadingHeight);
        const QFont font = reportFont(kMarkSize);
        const QFontMetricsF metrics(font, &m_device);
        const double markWidth = m_columnWidth - m_numberWidth - pt(6);
        for (qsizetype i = 0; i < block.count; ++i) {
            const classreport::Cell cell = classreport::cellOf(block, i);
            const double left = cell.column * (m_columnWidth + pt(kMarkGap));
            const double top = y + cell.row * pt(kMarkHeight);
            const qsizetype index = block.first + i;
            text(painter, {left, top, m_numberWidth, pt(kMarkHeight)},
                 QString::number(index + 1) + QLatin1Char('.'), font, Qt::AlignRight | Qt::AlignVCenter,
                 kGrey);
            const QString mark = metrics.elidedText(m_content.marks[index], Qt::ElideRight, markWidth);
            text(painter, {left + m_numberWidth + pt(6), top, markWidth, pt(kMarkHeight)}, mark, font);
        }
    }

    void paintFooter(QPainter &painter, int page)
    {
        const QString footer = QStringLiteral("第 %1 页，共 %2 页").arg(page + 1).arg(count());
        text(painter, {0, m_height - pt(kFooterHeight), m_width, pt(kFooterHeight)}, footer,
             reportFont(kFooterSize), Qt::AlignCenter, kGrey);
    }

    QPagedPaintDevice &m_device;
    const Content &m_content;
    double m_unit = 1;
    double m_width = 0;
    double m_height = 0;
    double m_numberWidth = 0;
    double m_columnWidth = 0;
    QList<MarkBlock> m_blocks;
};

QString cannotWrite(const QString &path)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return QStringLiteral("文件夹“%1”不存在。").arg(QDir::toNativeSeparators(info.absolutePath()));
    if (info.isDir())
        return QStringLiteral("“%1”是一个文件夹。").arg(QDir::toNativeSeparators(path));
    return QStringLiteral("无法写入“%1”：没有写入权限，或磁盘已满。").arg(QDir::toNativeSeparators(path));
}

} // namespace

QPageLayout pageLayout()
{
    const QMarginsF margins(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres);
    return {QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, QPageLayout::Millimeter};
}

void paint(QPagedPaintDevice &device, const Content &content)
{
    Pages pages(device, content);
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    pages.paint(painter);
}

int pageCount(QPagedPaintDevice &device, const Content &content)
{
    return Pages(device, content).count();
}

bool writePdf(const QString &path, const Content &content, QString *reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (reason)
            *reason = cannotWrite(path);
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(pageLayout());
        writer.setTitle(content.title);
        writer.setCreator(QStringLiteral("quenby"));
        paint(writer, content);
    }
    if (!file.commit()) {
        if (reason)
            *reason = cannotWrite(path);
        return false;
    }
    return true;
}

} // namespace reportpages

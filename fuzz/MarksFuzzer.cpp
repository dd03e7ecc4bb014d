// The statistics window's reading of marks on any text: the input is a list of mark texts, one
// per line. Every mark is read without a crash; a mark is accepted exactly when it holds only
// digits and points and its digits are at most 150; an accepted mark has a value from 0 to 150;
// the statistics of the accepted marks are fourteen texts of the documented shape whose counts
// add up; the statistics of any list, refused marks included, do not crash either.
#include "FuzzText.h"

#include "quenby/engine/NumberText.h"
#include "quenby/logic/ScoreStatistics.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

// The index of a result text in the statistics' list.
constexpr int at(stats::Box box)
{
    return static_cast<int>(box);
}

[[noreturn]] void fail(const char *what, const QString &text)
{
    std::cerr << "marks fuzzer: " << what << ": \"" << text.toStdString() << '"' << std::endl;
    std::abort();
}

// The value of a number text (" 85.5", "-1", " 1.5E+20"), or NaN when the text is not one.
double numberTextValue(const QString &text)
{
    if (text.size() < 2 || (text[0] != QLatin1Char(' ') && text[0] != QLatin1Char('-')))
        return std::nan("");
    const std::string ascii = text.mid(1).toStdString();
    double value = 0;
    const auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec != std::errc() || end != ascii.data() + ascii.size())
        return std::nan("");
    // The text must be what the program writes for that value.
    if (QString::fromStdU16String(engine::FormatResult(text[0] == QLatin1Char('-') ? -value : value)) != text)
        return std::nan("");
    return text[0] == QLatin1Char('-') ? -value : value;
}

// A result text: a number text followed by the unit; gives its value.
double valueWithUnit(const QString &text, const QString &unit)
{
    if (!text.endsWith(unit))
        fail("a result text without its unit", text);
    const double value = numberTextValue(text.chopped(unit.size()));
    if (std::isnan(value))
        fail("a result text that is no number text", text);
    return value;
}

bool isMarkCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
}

// Whether the number at the start of a mark text (digits, then a point and digits) is above 150,
// told from its digits alone: the whole part without its leading zeros and the fraction without
// its trailing zeros, compared with "150". (A regular expression would see nothing in a text
// with a lone surrogate.)
bool digitsAbove150(const QString &mark)
{
    const qsizetype point = mark.indexOf(QLatin1Char('.'));
    qsizetype end = 0;
    while (end < mark.size() && mark[end].isDigit() && mark[end].unicode() < 0x80)
        ++end;
    QString whole = mark.left(end);
    QString fraction;
    if (point == end) {
        qsizetype last = point + 1;
        while (last < mark.size() && mark[last].isDigit() && mark[last].unicode() < 0x80)
            ++last;
        fraction = mark.mid(point + 1, last - point - 1);
    }
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (whole.size() != 3)
        return whole.size() > 3;
    return whole > QLatin1String("150") || (whole == QLatin1String("150") && !fraction.isEmpty());
}

void checkMark(const QString &mark)
{
    const double value = stats::markValue(mark);
    if (std::isnan(value) || value < 0)
        fail("a mark value below 0 or not a number", mark);
    const bool characters = !mark.isEmpty() && std::all_of(mark.begin(), mark.end(), isMarkCharacter);
    const bool above = digitsAbove150(mark);
    if (stats::IsAcceptableMark(mark) != (characters && !above))
        fail("a mark accepted or refused against the rule", mark);
    if (above ? !(value >= 150) : !(value <= 150))
        fail("a mark value on the other side of 150 than its digits", mark);
}

void checkStatistics(const QStringList &marks)
{
    const QStringList texts = stats::ComputeStatistics(marks);
    if (texts.size() != stats::kBoxCount)
        fail("not fourteen result texts", marks.join(QLatin1Char('|')));

    const QString sumText = texts[at(stats::Box::Sum)];
    const qsizetype split = sumText.indexOf(QStringLiteral("分----共"));
    if (split < 0)
        fail("a total without its head count", sumText);
    const double sum = numberTextValue(sumText.left(split));
    const double count = valueWithUnit(sumText.mid(split + 6), QStringLiteral("人"));
    if (std::isnan(sum) || count != static_cast<double>(marks.size()))
        fail("a wrong total or head count", sumText);

    const double mean = valueWithUnit(texts[at(stats::Box::Average)], QStringLiteral("分"));
    const double deviation = valueWithUnit(texts[at(stats::Box::Deviation)], QString());
    const double highest = valueWithUnit(texts[at(stats::Box::Highest)], QStringLiteral("分"));
    const double lowest = valueWithUnit(texts[at(stats::Box::Lowest)], QStringLiteral("分"));
    if (lowest < 0 || highest > 150 || lowest > highest || deviation < 0 || deviation > 75.01)
        fail("a lowest, highest or deviation out of range", texts.join(QLatin1Char('|')));
    // Rounding to hundredths moves the mean by half a hundredth at most.
    const double halfHundredth = 0.005 + 1e-9;
    if (mean < lowest - halfHundredth || mean > highest + halfHundredth)
        fail("a mean outside the marks", texts.join(QLatin1Char('|')));

    double bands = 0, buckets = 0;
    for (int box = at(stats::Box::BandA); box <= at(stats::Box::Bucket60); ++box) {
        const double c = valueWithUnit(texts[box], QStringLiteral("人"));
        if (c < 0 || c != std::floor(c))
            fail("a head count that is not a whole number", texts[box]);
        (box <= at(stats::Box::BandFail) ? bands : buckets) += c;
    }
    const double below60 = valueWithUnit(texts[at(stats::Box::BandFail)], QStringLiteral("人"));
    if (bands != count || buckets + below60 != count)
        fail("bands or buckets that do not add up to the head count", texts.join(QLatin1Char('|')));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList marks
        = QString::fromStdU16String(fuzztext::decode(data, size)).split(QLatin1Char('\n'));
    QStringList accepted;
    for (const QString &mark : marks) {
        checkMark(mark);
        if (stats::IsAcceptableMark(mark))
            accepted << mark;
    }
    if (!accepted.isEmpty())
        checkStatistics(accepted);
    // The window never lets a refused mark in, but the computation takes any list.
    if (stats::ComputeStatistics(marks).size() != stats::kBoxCount)
        fail("not fourteen result texts for a list with refused marks", marks.join(QLatin1Char('|')));
    return 0;
}

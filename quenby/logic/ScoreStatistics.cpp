#include "quenby/logic/ScoreStatistics.h"

#include "quenby/logic/EngineText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace stats {
namespace {

using engineText::isAsciiDigit;
using engineText::numberText;

QString countText(std::int64_t count)
{
    return numberText(static_cast<double>(count)) + QStringLiteral("人");
}

// The grade band of a mark: 0 优, 1 良, 2 及格, 3 不及格.
int bandOf(double v)
{
    if (v >= 85)
        return 0;
    if (v >= 75)
        return 1;
    if (v >= 60)
        return 2;
    return 3;
}

// The ten-point bucket of a mark: 0 for exactly 100, then 90, 80, 70, 60; -1 below 60.
int bucketOf(double v)
{
    if (v == 100)
        return 0;
    if (v >= 90)
        return 1;
    if (v >= 80)
        return 2;
    if (v >= 70)
        return 3;
    if (v >= 60)
        return 4;
    return -1;
}

// Whether the decimal number that markValue reads from the text is above the highest mark,
// decided on its digits, so that no rounding to a double lets a value a hair above it pass.
bool aboveHighestMark(QStringView text)
{
    qsizetype i = 0;
    int whole = 0;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i) {
        // Stops as soon as the whole part passes the highest mark, so it cannot overflow.
        whole = whole * 10 + (text[i].unicode() - '0');
        if (whole > kHighestMark)
            return true;
    }
    if (whole < kHighestMark)
        return false;
    // Exactly the highest mark before the point: any digit after it other than 0 is above.
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        for (++i; i < text.size() && isAsciiDigit(text[i]); ++i) {
            if (text[i] != QLatin1Char('0'))
                return true;
        }
    }
    return false;
}

} // namespace

double markValue(QStringView text)
{
    qsizetype i = 0;
    // A leading "0" makes "" and ".5" readable numbers and changes no value.
    std::string number(1, '0');
    bool nonZeroWholePart = false;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i) {
        nonZeroWholePart = nonZeroWholePart || text[i] != QLatin1Char('0');
        number.push_back(static_cast<char>(text[i].unicode()));
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        number.push_back('.');
        for (++i; i < text.size() && isAsciiDigit(text[i]); ++i)
            number.push_back(static_cast<char>(text[i].unicode()));
    }

    // from_chars reads the digits exactly (correctly rounded) whatever the C locale says the
    // decimal point is.
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return nonZeroWholePart ? std::numeric_limits<double>::infinity() : 0.0;
    if (result.ec != std::errc())
        return 0.0;
    return value;
}

bool IsAcceptableMark(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (!isAsciiDigit(c) && c != QLatin1Char('.'))
            return false;
    }
    return !aboveHighestMark(text);
}

double roundToHundredths(double value)
{
    const double scaled = value * 100.0;
    if (!std::isfinite(scaled))
        return value;
    // The default rounding mode rounds a half to the even neighbour.
    return std::nearbyint(scaled) / 100.0;
}

Tally tally(const QStringList &marks)
{
    Tally t;
    bool first = true;
    for (const QString &mark : marks) {
        const double v = markValue(mark);
        ++t.count;
        if (v > t.highest)
            t.highest = v;
        if (first || v < t.lowest)
            t.lowest = v;
        first = false;
        ++t.bands[bandOf(v)];
        t.sum += v;
        if (const int bucket = bucketOf(v); bucket >= 0)
            ++t.buckets[bucket];
        t.squares += v * v;
    }
    return t;
}

QStringList formatTally(const Tally &t)
{
    // The head count and its square are taken in full precision, so a class of any size counts.
    const double n = static_cast<double>(t.count);
    const double variance = (n * t.squares - t.sum * t.sum) / (n * n);
    // Equal non-whole marks can leave the difference of the two sums a hair below zero: that is
    // no spread at all.
    const double deviation = variance > 0.0 ? roundToHundredths(std::sqrt(variance)) : 0.0;
    const double mean = roundToHundredths(t.sum / n);
    const QString points = QStringLiteral("分");

    QStringList texts;
    texts.reserve(kBoxCount);
    texts << numberText(t.sum) + points + QStringLiteral("----共") + countText(t.count)
          << numberText(mean) + points << numberText(deviation) << numberText(t.highest) + points
          << numberText(t.lowest) + points;
    for (std::int64_t band : t.bands)
        texts << countText(band);
    for (std::int64_t bucket : t.buckets)
        texts << countText(bucket);
    return texts;
}

QStringList ComputeStatistics(const QStringList &marks)
{
    if (marks.isEmpty())
        return {};
    return formatTally(tally(marks));
}

} // namespace stats

#include "logic/ScoreStatistics.h"

#include "engine/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

QString numberText(double value)
{
    return QString::fromStdU16String(engine::FormatResult(value));
}

} // namespace

double MarkValue(QStringView text)
{
    qsizetype i = 0;
    // A leading "0" makes "" and ".5" readable numbers and changes no value.
    std::string number(1, '0');
    bool nonZeroWholePart = false;
    while (i < text.size() && isAsciiDigit(text[i])) {
        nonZeroWholePart = nonZeroWholePart || text[i] != QLatin1Char('0');
        number.push_back(static_cast<char>(text[i].unicode()));
        ++i;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        number.push_back('.');
        ++i;
        while (i < text.size() && isAsciiDigit(text[i])) {
            number.push_back(static_cast<char>(text[i].unicode()));
            ++i;
        }
    }

    // from_chars reads the digits exactly (correctly rounded) whatever the C locale says the
    // decimal point is.
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range)
        return nonZeroWholePart ? std::numeric_limits<double>::infinity() : 0.0;
    if (ec != std::errc())
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
    return MarkValue(text) <= 150.0;
}

double RoundToHundredths(double value)
{
    const double scaled = value * 100.0;
    if (!std::isfinite(scaled))
        return value;
    double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    return whole / 100.0;
}

QStringList ComputeStatistics(const QStringList &marks)
{
    if (marks.isEmpty())
        return {};

    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(marks.size()));
    for (const QString &mark : marks)
        values.push_back(MarkValue(mark));

    double highest = 0.0;
    double lowest = values.front();
    double sum = 0.0;
    long long bandA = 0, bandB = 0, bandC = 0, bandFail = 0;
    long long b100 = 0, b90 = 0, b80 = 0, b70 = 0, b60 = 0;
    for (double v : values) {
        if (v > highest)
            highest = v;
        if (v < lowest)
            lowest = v;

        if (v >= 85)
            ++bandA;
        else if (v >= 75)
            ++bandB;
        else if (v >= 60)
            ++bandC;
        else
            ++bandFail;

        sum += v;

        if (v == 100)
            ++b100;
        else if (v >= 90)
            ++b90;
        else if (v >= 80)
            ++b80;
        else if (v >= 70)
            ++b70;
        else if (v >= 60)
            ++b60;
    }

    double squares = 0.0;
    for (double v : values)
        squares += v * v;

    // The head count and its square are taken in full precision, so a class of any size counts.
    const double n = static_cast<double>(values.size());
    const double variance = (n * squares - sum * sum) / (n * n);
    // Equal non-whole marks can leave the difference of the two sums a hair below zero: that is
    // no spread at all.
    const double deviation = variance > 0.0 ? RoundToHundredths(std::sqrt(variance)) : 0.0;
    const double mean = RoundToHundredths(sum / n);

    const QString points = QStringLiteral("分");
    const QString people = QStringLiteral("人");
    auto count = [&](long long c) { return numberText(static_cast<double>(c)) + people; };

    QStringList texts;
    texts.reserve(StatisticsBoxCount);
    texts << numberText(sum) + points + QStringLiteral("----共") + numberText(n) + people
          << numberText(mean) + points << numberText(deviation) << numberText(highest) + points
          << numberText(lowest) + points << count(bandA) << count(bandB) << count(bandC) << count(bandFail)
          << count(b100) << count(b90) << count(b80) << count(b70) << count(b60);
    return texts;
}

#include "quenby/logic/Practice.h"

#include "platform/core/RandomSource.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace practice {
namespace {

// Addition within `limit` (its sum below `limit`, except limit + 0) or subtraction of two numbers
// from 0 to `limit`. Draws a, b, c and the operator in that order.
Question drawAddSub(RandomSource &random, int limit)
{
    const int a = randBelow(random, limit + 1);
    const int b = randBelow(random, limit - a);
    const int c = randBelow(random, limit + 1);
    const int s = randBelow(random, 10);
    if (s >= 5)
        return {a, kPlus, b};
    return {std::max(a, c), kMinus, std::min(a, c)};
}

// Addition with carry (sum 11 to 18) or subtraction with borrow (11 to 18 minus 2 to 9).
Question drawCarryBorrow(RandomSource &random)
{
    const int d = randBelow(random, 10);
    int p = 0;
    int q = 0;
    do {
        p = 2 + randBelow(random, 8);
        q = 2 + randBelow(random, 8);
    } while (p + q < 11);
    if (d >= 5)
        return {p, kPlus, q};
    return {p + q, kMinus, q};
}

Question drawTimes(RandomSource &random)
{
    const int x = 1 + randBelow(random, 9);
    const int y = 1 + randBelow(random, 9);
    return {x, kTimes, y};
}

Question drawDivide(RandomSource &random)
{
    const int q = 1 + randBelow(random, 9);
    const int d = 1 + randBelow(random, 9);
    return {q * d, kDivide, d};
}

Question drawLargeMulDiv(RandomSource &random)
{
    const int d = randBelow(random, 10);
    if (d >= 5) {
        const int x = randBelow(random, 101);
        const int y = randBelow(random, 10);
        return {x, kTimes, y};
    }
    const int q = randBelow(random, 101);
    const int y = 1 + randBelow(random, 9);
    return {q * y, kDivide, y};
}

// A box's operand text: blanks, then at most nine ASCII digits.
std::optional<int> operandValue(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    const QString digits = text.mid(i);
    if (digits.isEmpty() || digits.size() > 9 || !isValidAnswer(digits))
        return std::nullopt;
    return digits.toInt();
}

} // namespace

Question drawQuestion(Kind kind, RandomSource &random)
{
    switch (kind) {
    case Kind::AddSub10:
        return drawAddSub(random, 10);
    case Kind::AddSub20:
        return drawCarryBorrow(random);
    case Kind::AddSub100:
        return drawAddSub(random, 100);
    case Kind::Times:
        return drawTimes(random);
    case Kind::Divide:
        return drawDivide(random);
    case Kind::LargeMulDiv:
        return drawLargeMulDiv(random);
    case Kind::None:
        break;
    }
    throw std::invalid_argument("practice: no question kind " + std::to_string(static_cast<int>(kind)));
}

bool isValidAnswer(const QString &answer)
{
    return !answer.isEmpty() && std::all_of(answer.begin(), answer.end(), engineText::isAsciiDigit);
}

std::optional<double> rightAnswer(const QString &xText, const QString &opText, const QString &yText)
{
    const auto x = operandValue(xText);
    const auto y = operandValue(yText);
    if (!x || !y)
        return std::nullopt;
    // Operands of at most nine digits: every result below is exact in a double.
    const double a = *x;
    const double b = *y;
    if (opText == kPlus)
        return a + b;
    if (opText == kMinus)
        return a - b;
    if (opText == kTimes)
        return a * b;
    if (opText == kDivide) {
        if (*y == 0)
            return std::nullopt;
        return a / b;
    }
    return std::nullopt;
}

bool answerEquals(const QString &digits, double value)
{
    if (!isValidAnswer(digits) || value < 0 || value != std::floor(value) || value >= 1e15)
        return false;
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits.at(first) == QLatin1Char('0'))
        ++first;
    // Compared as digit texts, so an answer of any length is read by its value without overflow.
    return QStringView(digits).mid(first) == QString::number(static_cast<qint64>(value));
}

std::optional<Verdict> grade(const QString &xText, const QString &opText, const QString &yText,
                             const QString &answer)
{
    if (!isValidAnswer(answer))
        return std::nullopt;
    const auto right = rightAnswer(xText, opText, yText);
    if (!right)
        return std::nullopt;

    Verdict verdict;
    verdict.right = answerEquals(answer, *right);
    verdict.line = xText + opText + yText + QStringLiteral(" = ") + answer;
    if (verdict.right)
        verdict.line += QStringLiteral("        \u221A");
    else
        verdict.line += QStringLiteral("        \u00D7----答案是") + numberText(*right);
    return verdict;
}

int score(int rightCount, int answeredCount)
{
    if (answeredCount <= 0)
        return 0;
    // Whole-number arithmetic: 7 of 10 is 70, never 69 from a rounding of 0.7 × 100.
    return rightCount * 100 / answeredCount;
}

QString comment(int score)
{
    if (score >= 100)
        return QStringLiteral("——棒极了！");
    if (score >= 85)
        return QStringLiteral("——你很棒！");
    if (score >= 75)
        return QStringLiteral("——不错啦！");
    return QStringLiteral("——加油啊！");
}

QString scoreText(int score)
{
    return numberText(score) + QStringLiteral("分") + comment(score);
}

qint64 secondsUsed(const QDateTime &start, const QDateTime &end)
{
    if (!start.isValid() || !end.isValid())
        return 0;
    // Each reading to the whole second, its fraction dropped; secsTo counts real seconds, so the
    // full hour, midnight, a new month and a change of daylight saving time all come out right.
    const QDateTime from = start.addMSecs(-start.time().msec());
    const QDateTime to = end.addMSecs(-end.time().msec());
    return std::max<qint64>(0, from.secsTo(to));
}

QString timeText(qint64 seconds)
{
    return numberText(static_cast<double>(seconds)) + QStringLiteral(" 秒");
}

} // namespace practice

#include "tovrik/logic/ReportFigures.h"

#include "tovrik/logic/TextNumbers.h"

namespace drill {

QString scoreText(int done, int right)
{
    if (done <= 0)
        return QString();
    // Whole-number arithmetic: floor(100 r / d + 1/2) = floor((200 r + d) / (2 d)), exact where
    // the same sum in floating point can land just below a half (29 of 200 is 14.5, not 14.4999...).
    const qint64 d = done;
    const qint64 r = right;
    const qint64 numerator = 200 * r + d;
    const qint64 denominator = 2 * d;
    qint64 score = numerator / denominator;
    if (numerator % denominator != 0 && numerator < 0)
        --score; // floor for a negative count, which the drill never produces
    return digitText(score);
}

QString rateText(int done, int minutes)
{
    if (minutes <= 0 || done < 0)
        return QString();
    return digitText(done / minutes);
}

ReportTexts reportTexts(int done, int right, int wrong, Ending ending, int minutes)
{
    ReportTexts t;
    t.done = digitText(done);
    t.right = digitText(right);
    t.wrong = digitText(wrong);
    t.score = scoreText(done, right);
    if (ending == Ending::ByTime)
        t.rate = rateText(done, minutes);
    return t;
}

} // namespace drill

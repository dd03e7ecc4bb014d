#include "tovrik/logic/DrillRun.h"

#include "tovrik/logic/TextNumbers.h"

#include <limits>

namespace drill {

namespace {

// Adds one unless that would pass the 32-bit range, where the count stays as it is.
void increment(int &count)
{
    if (count < std::numeric_limits<int>::max())
        ++count;
}

} // namespace

DrillRun::DrillRun(int minutes)
{
    if (minutes > 0) {
        m_timed = true;
        const qint64 seconds = qint64(minutes) * 60;
        m_secondsLeft = seconds > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                                  : static_cast<int>(seconds);
    }
}

bool DrillRun::grade(const QString &typed, int rightAnswer)
{
    const std::optional<int> value = textToNumber(typed);
    const bool isRight = value && *value == rightAnswer;
    increment(isRight ? m_right : m_wrong);
    return isRight;
}

bool DrillRun::countAnswer(int questionLimit)
{
    increment(m_done);
    const int limit = questionLimit == 0 ? kDefaultQuestionLimit : questionLimit;
    return m_done == limit;
}

bool DrillRun::tick()
{
    if (!m_timed || m_secondsLeft <= 0)
        return false;
    --m_secondsLeft;
    return m_secondsLeft == 0;
}

void DrillRun::clearCounts()
{
    m_done = 0;
    m_right = 0;
    m_wrong = 0;
}

} // namespace drill

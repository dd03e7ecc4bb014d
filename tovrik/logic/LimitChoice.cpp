#include "tovrik/logic/LimitChoice.h"

#include "tovrik/logic/TextNumbers.h"

namespace drill {

namespace {

// The number kept for a form after an entry: the entry's number, or the one before when the
// entry reads as none (a Cancel, letters).
int keptNumber(const QString &typed, int before)
{
    return textToNumber(typed).value_or(before);
}

} // namespace

bool LimitChoice::chooseTime(const QString &typed)
{
    m_minutesEntered = keptNumber(typed, m_minutesEntered);
    if (m_minutesEntered < 1) {
        m_form = TrainingForm::None;
        return false;
    }
    m_form = TrainingForm::ByTime;
    m_limits.minutes = m_minutesEntered;
    m_rows = {.minutes = true, .minutesUnit = true, .questions = false, .questionsUnit = false};
    return true;
}

void LimitChoice::pickCount()
{
    m_rows = {.minutes = false, .minutesUnit = false, .questions = true, .questionsUnit = true};
}

bool LimitChoice::chooseCount(const QString &typed)
{
    pickCount();
    m_questionsEntered = keptNumber(typed, m_questionsEntered);
    if (m_questionsEntered < 1) {
        m_form = TrainingForm::None;
        return false;
    }
    m_form = TrainingForm::ByCount;
    m_limits.questions = m_questionsEntered;
    return true;
}

std::optional<Limits> LimitChoice::open()
{
    const bool questionsMissing = m_form != TrainingForm::ByTime && m_questionsEntered < 1;
    const bool minutesMissing = m_form != TrainingForm::ByCount && m_minutesEntered < 1;
    if (questionsMissing || minutesMissing) {
        m_form = TrainingForm::None;
        return std::nullopt;
    }
    m_minutesEntered = 0;
    m_questionsEntered = 0;
    return m_limits;
}

void LimitChoice::returnToMenu()
{
    m_form = TrainingForm::None;
    m_limits = {};
}

} // namespace drill

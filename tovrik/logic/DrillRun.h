#pragma once

#include <QString>

namespace drill {

// The limits chosen on the menu, as its two number labels show them: minutes for the time form
// and a number of questions, 0 where a label is empty. A limit entered for the other form earlier
// in the same visit to the menu is kept, so a drill can have both.
struct Limits {
    int minutes = 0;
    int questions = 0;

    friend bool operator==(const Limits &, const Limits &) = default;
};

// How a drill ended: by its question limit, or by its time running out.
enum class Ending { ByCount, ByTime };

// The counts of one drill and its two limits: the answers given, right and wrong, and the
// seconds left when the drill runs for a time. Plain values in, plain values out.
class DrillRun
{
public:
    // A question limit of 0 stands for this many answers.
    static constexpr int kDefaultQuestionLimit = 30000;

    // Starts a drill. minutes > 0 makes it a timed drill of minutes * 60 seconds; seconds that
    // would pass the 32-bit range are held at 2147483647.
    explicit DrillRun(int minutes = 0);

    bool timed() const { return m_timed; }
    int done() const { return m_done; }
    int right() const { return m_right; }
    int wrong() const { return m_wrong; }
    int secondsLeft() const { return m_secondsLeft; }

    // Grades a typed answer against the right one and counts it as right or wrong. An entry that
    // does not read as a whole number is wrong. Returns true for a right answer.
    bool grade(const QString &typed, int rightAnswer);

    // Counts one answer given; true when that reaches the question limit (0 stands for 30000).
    bool countAnswer(int questionLimit);

    // One second passes; true when the time has run out.
    bool tick();

    // Every count back to 0, as each way out of a drill leaves them.
    void clearCounts();

private:
    bool m_timed = false;
    int m_done = 0;
    int m_right = 0;
    int m_wrong = 0;
    int m_secondsLeft = 0;
};

} // namespace drill

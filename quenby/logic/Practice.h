#pragma once

#include "quenby/logic/EngineText.h"

#include <QDateTime>
#include <QString>

#include <optional>

class RandomSource;

// The pupils' oral-arithmetic practice: drawing questions, grading answers, the score with its
// comment and the time used. Plain values in and out; the practice window shows the results.
namespace practice {

// The six kinds of question, numbered as the kind buttons of the practice window are; None until
// the pupil first chooses one.
enum class Kind {
    None = 0,
    AddSub10 = 1,    // addition and subtraction within 10
    AddSub20 = 2,    // addition with carry and subtraction with borrow within 20
    AddSub100 = 3,   // addition and subtraction within 100
    Times = 4,       // the multiplication table
    Divide = 5,      // division by the multiplication table
    LargeMulDiv = 6, // a number up to 100 times a digit, and the matching division
};

// A set has this many questions.
inline constexpr int kQuestionsPerSet = 10;

// The operator texts as the question shows them.
inline const QString kPlus = QStringLiteral("+");
inline const QString kMinus = QStringLiteral("-");
inline const QString kTimes = QStringLiteral("\u00D7");
inline const QString kDivide = QStringLiteral("\u00F7");

struct Question {
    int x = 0;
    QString op;
    int y = 0;

    friend bool operator==(const Question &, const Question &) = default;
};

// Draws one question of the given kind from the random source. Every question drawn has a whole
// answer from 0 to 900, and every divisor is 1 to 9. Kind::None, or a value outside the six kinds,
// throws std::invalid_argument.
Question drawQuestion(Kind kind, RandomSource &random);

// The number text of the calculator: " 7", " 100", "-3".
using engineText::numberText;

// True when the answer is one or more of the ASCII digits 0 to 9 and nothing else.
bool isValidAnswer(const QString &answer);

// The right answer of the question shown as the texts of its three boxes (" 72", "÷", " 8"); nothing
// when the texts are not a question (an operand that is not a whole number, an unknown operator,
// a division by zero).
std::optional<double> rightAnswer(const QString &xText, const QString &opText, const QString &yText);

// True when the digits of the answer have the value given; any length, leading zeros allowed.
bool answerEquals(const QString &digits, double value);

struct Verdict {
    bool right = false;
    QString line; // the line for the verdict list
};

// Grades the answer typed for the question shown in the three boxes. Nothing when the answer is not
// valid (empty, or a character other than 0 to 9) or the boxes hold no question.
//   " 7", "+", " 3", "10"  gives  " 7+ 3 = 10        √"
//   " 7", "+", " 3", "9"   gives  " 7+ 3 = 9        ×----答案是 10"
std::optional<Verdict> grade(const QString &xText, const QString &opText, const QString &yText,
                             const QString &answer);

// Whole points out of 100 for right answers out of answered ones, rounded down; 0 when nothing was
// answered.
int score(int rightCount, int answeredCount);

// The comment for a score: "——棒极了！", "——你很棒！", "——不错啦！" or "——加油啊！".
QString comment(int score);

// The caption of the score label: " 90分——你很棒！".
QString scoreText(int score);

// The whole seconds between two clock readings, each with its fraction of a second dropped. Right
// across the full hour, midnight and any change of date; a clock set back gives 0.
qint64 secondsUsed(const QDateTime &start, const QDateTime &end);

// The caption of the time label: " 45 秒".
QString timeText(qint64 seconds);

} // namespace practice

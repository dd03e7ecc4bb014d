#pragma once

#include <QString>

class RandomSource;

namespace drill {

// The four drills of the program, by what they drill.
enum class Kind {
    TimesTable,       // multiplication table and the matching exact divisions
    AddSubWithin100,  // addition and subtraction of two-digit numbers within 100
    Mixed,            // the times-table and the within-100 questions, mixed
    AddSubWithin1000, // addition and subtraction within 1000
};

// The six kinds of question the drills ask.
enum class QuestionKind {
    Multiplication,  // a x b, a and b from 1 to 9
    Division,        // (a * b) ÷ b, quotient a and divisor b from 1 to 9
    Addition100,     // a + b within 100, both with two digits
    Subtraction100,  // a - b, both with two digits, never below 0
    Addition1000,    // a + b within 1000
    Subtraction1000, // a - b within 1000, b at least 50, never below 0
};

// One question as it is shown (first number, operator, second number) with its right answer.
struct Question {
    QuestionKind kind = QuestionKind::Multiplication;
    int first = 0;
    QString op;
    int second = 0;
    int answer = 0;

    friend bool operator==(const Question &, const Question &) = default;
};

// The operator text of a kind: "x", "÷", "+" or "-".
QString operatorText(QuestionKind kind);

// Draws one question of the given kind. Pairs failing the kind's condition are drawn again,
// first number first, so every pair that passes is equally likely. Does not reseed.
Question drawQuestionOfKind(QuestionKind kind, RandomSource &random);

// Reseeds the source, picks the question kind with the drill's coins and draws a question of it.
Question DrawQuestion(Kind kind, RandomSource &random);

} // namespace drill

#pragma once

#include "quenby/engine/ExpressionChecker.h"

namespace engine {

enum class EvalStatus { Ok, DivideByZero, ZeroRoot, LnDomain, Malformed, Overflow };

struct EvalOutcome {
    EvalStatus status = EvalStatus::Malformed;
    double value = 0.0; // meaningful for Ok only
};

// The conversion's priority of a token: 1 for "+" "-", 2 for "*" "/", 3 for "^" "√", 4 for the
// function letters, 0 for anything else (brackets included).
constexpr int OpPriority(char16_t token)
{
    switch (token) {
    case u'+':
    case u'-':
        return 1;
    case u'*':
    case u'/':
        return 2;
    case u'^':
    case u'√':
        return 3;
    case u'e':
    case u'l':
    case u's':
    case u'c':
    case u't':
        return 4;
    default:
        return 0;
    }
}

// True when the token on top of the operator stack goes out before the incoming one.
constexpr bool PopsBefore(char16_t top, char16_t incoming)
{
    return OpPriority(top) >= OpPriority(incoming);
}

// One evaluation of a checked character list: the token list, the work list of the postfix
// conversion, the operator stack and the operand stack, all of fixed capacity and owned by this
// object, so an evaluation allocates nothing and shares nothing with any other.
//
// The token list holds at most 200 tokens before its end marker and the postfix form at most 200
// entries; an expression beyond either limit is malformed. The stacks are sized from those limits
// (every token pushed at most once), so no expression within them runs out of stack room.
class Evaluator
{
public:
    static constexpr int kMaxTokens = 200;
    static constexpr int kMaxPostfix = 200;
    static constexpr int kStackCapacity = kMaxTokens + 2;

    // The lists and stacks are filled before they are read, so only the token list needs a
    // starting content: an empty list, its end marker alone.
    Evaluator() { m_tokens[0] = u'#'; }

    // Fills the token list in infix order: "(-" gains a "0", function names shrink to their
    // head letter, "#" ends the list. False when the tokens do not fit.
    bool PrepareTokens(const CharList &list);

    // Rewrites the token list into postfix order. False when the expression cannot be converted:
    // the postfix form does not fit, or a letter that begins no function reaches the conversion.
    bool ToPostfix();

    // Evaluates the postfix token list on a freshly reset operand stack.
    EvalOutcome EvalPostfix();

    // The three steps in order; any failure to prepare or convert is Malformed.
    EvalOutcome evaluate(const CharList &list);

    // The token list as it stands (for tests): tokens up to and including "#".
    std::u16string tokens() const;

private:
    // Operator stack: the first push goes to slot 1; slot 0 reads as the empty token.
    void clearOpStack()
    {
        m_opTop = 0;
        m_opStack[0] = 0;
    }
    bool pushOp(char16_t t);
    char16_t popOp();
    char16_t peekOp() const { return m_opStack[m_opTop]; }

    // Operand stack: the first value goes to slot 1; m_numTop == 0 means empty.
    void resetNumStack() { m_numTop = 0; }
    bool pushNum(double v);
    double popNum() { return m_numStack[m_numTop--]; }

    char16_t tokenAt(int i) const { return (i >= 0 && i < kMaxTokens + 1) ? m_tokens[i] : u'#'; }

    // Steps of the conversion.
    bool output(char16_t t);
    bool popToOpenBracket(bool atEnd);
    bool pushOperator(char16_t t);

    // Steps of the evaluation.
    double readNumber(int &i) const;
    EvalOutcome applyOperator(char16_t t, double last);
    EvalOutcome applyBinary(char16_t t, double x);
    EvalOutcome applyRoot(double x);

    char16_t m_tokens[kMaxTokens + 1];
    char16_t m_postfix[kMaxPostfix];
    char16_t m_opStack[kStackCapacity + 1];
    double m_numStack[kStackCapacity + 1];
    int m_postfixSize = 0;
    int m_opTop = 0;
    int m_numTop = 0;
};

} // namespace engine

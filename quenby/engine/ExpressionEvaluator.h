#pragma once

#include "engine/ExpressionChecker.h"

namespace engine {

enum class EvalStatus { Ok, DivideByZero, ZeroRoot, LnDomain, Malformed, Overflow };

struct EvalOutcome {
    EvalStatus status = EvalStatus::Malformed;
    double value = 0.0; // meaningful for Ok only
};

int OpPriority(char16_t token);

// True when the token on top of the operator stack goes out before the incoming one.
bool PopsBefore(char16_t top, char16_t incoming);

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

    // Fills the token list in infix order: "(-" gains a "0", function names shrink to their
    // head letter, "#" ends the list. False when the tokens do not fit.
    bool PrepareTokens(const CharList &list);

    // Rewrites the token list into postfix order. False when the expression cannot be converted:
    // the postfix form does not fit, or a letter that begins no function reaches the conversion.
    bool ToPostfix();

    // Evaluates the postfix token list on a freshly reset operand stack.
    EvalOutcome EvalPostfix();

    // The three steps in order; any failure to prepare or convert is Malformed.
    EvalOutcome Evaluate(const CharList &list);

    // The token list as it stands (for tests): tokens up to and including "#".
    std::u16string Tokens() const;

private:
    // Operator stack: the first push goes to slot 1; slot 0 reads as the empty token.
    void ClearOpStack()
    {
        m_opTop = 0;
        m_opStack[0] = 0;
    }
    bool PushOp(char16_t t);
    char16_t PopOp();
    char16_t PeekOp() const { return m_opStack[m_opTop]; }

    // Operand stack: the first value goes to slot 1; m_numTop == 0 means empty.
    void ResetNumStack() { m_numTop = 0; }
    bool PushNum(double v);
    double PopNum() { return m_numStack[m_numTop--]; }

    char16_t TokenAt(int i) const { return (i >= 0 && i < kMaxTokens + 1) ? m_tokens[i] : u'#'; }

    char16_t m_tokens[kMaxTokens + 1] = {};
    char16_t m_postfix[kMaxPostfix] = {};
    char16_t m_opStack[kStackCapacity + 1] = {};
    double m_numStack[kStackCapacity + 1] = {};
    int m_opTop = 0;
    int m_numTop = 0;
};

} // namespace engine

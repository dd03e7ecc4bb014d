#include "quenby/engine/ExpressionEvaluator.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace engine {

namespace {

constexpr double kThreshold = 1E-7;
constexpr char16_t kSeparator = u' ';
constexpr char16_t kEnd = u'#';

// The powers of ten that a double holds exactly; std::pow gives these very values.
constexpr double kPowersOfTen[] = {1E0,  1E1,  1E2,  1E3,  1E4,  1E5,  1E6,  1E7,  1E8,  1E9,  1E10, 1E11,
                                   1E12, 1E13, 1E14, 1E15, 1E16, 1E17, 1E18, 1E19, 1E20, 1E21, 1E22};

double powerOfTen(int m)
{
    if (m < static_cast<int>(std::size(kPowersOfTen)))
        return kPowersOfTen[m];
    return std::pow(10.0, m);
}

bool isNumberToken(char16_t t)
{
    return IsDigitChar(t) || t == u'.';
}

EvalOutcome fault(EvalStatus status)
{
    return {status, 0.0};
}

// Every arithmetic step that leaves the finite doubles overflows.
EvalOutcome checked(double r)
{
    if (!std::isfinite(r))
        return fault(EvalStatus::Overflow);
    return {EvalStatus::Ok, r};
}

} // namespace

bool Evaluator::pushOp(char16_t t)
{
    if (m_opTop >= kStackCapacity)
        return false;
    m_opStack[++m_opTop] = t;
    return true;
}

char16_t Evaluator::popOp()
{
    if (m_opTop <= 0)
        return 0;
    return m_opStack[m_opTop--];
}

bool Evaluator::pushNum(double v)
{
    if (m_numTop >= kStackCapacity)
        return false;
    m_numStack[++m_numTop] = v;
    return true;
}

bool Evaluator::PrepareTokens(const CharList &list)
{
    int j = 0;
    for (int i = 0; i <= list.n; ++i) {
        const char16_t c = list.chars[i];
        const bool negation = c == u'(' && list.at(i + 1) == u'-'; // "(-" reads as "(0-"
        if (j + (negation ? 2 : 1) > kMaxTokens) {
            m_tokens[kMaxTokens] = kEnd; // what did not fit is cut off, the list still ends
            return false;
        }
        m_tokens[j++] = c;
        if (negation)
            m_tokens[j++] = u'0';
        // The rest of a function name goes; its opening bracket stays a token of its own. (A
        // branch, not a table: the next index then does not wait for the character.)
        if (IsFunctionHead(c))
            i += c == u'l' ? 1 : 2;
    }
    m_tokens[j] = kEnd;
    return true;
}

bool Evaluator::output(char16_t t)
{
    if (m_postfixSize >= kMaxPostfix)
        return false;
    m_postfix[m_postfixSize++] = t;
    return true;
}

// Pops and outputs down to the nearest "(", which is dropped. At a closing bracket an empty stack
// is a fault; at the end marker it only ends the popping.
bool Evaluator::popToOpenBracket(bool atEnd)
{
    for (char16_t p = popOp(); p != u'('; p = popOp()) {
        if (p == 0)
            return atEnd;
        if (!output(p))
            return false;
    }
    return true;
}

// An operator or a function letter: what outranks it or ranks equal goes out first.
bool Evaluator::pushOperator(char16_t t)
{
    // A letter that begins no function has priority 0 and would empty the whole stack.
    if (OpPriority(t) == 0)
        return false;
    while (m_opTop > 0 && PopsBefore(peekOp(), t)) {
        if (!output(popOp()))
            return false;
    }
    return pushOp(t);
}

bool Evaluator::ToPostfix()
{
    m_postfixSize = 0;
    clearOpStack();
    pushOp(u'(');
    for (int i = 0; i <= kMaxTokens; ++i) {
        const char16_t t = m_tokens[i];
        bool fits = true;
        if (t == kEnd) {
            if (!popToOpenBracket(true))
                return false;
            break;
        }
        if (isNumberToken(t))
            fits = output(t) && (isNumberToken(tokenAt(i + 1)) || output(kSeparator));
        else if (t == u'(')
            fits = pushOp(t);
        else if (t == u')')
            fits = popToOpenBracket(false);
        else
            fits = pushOperator(t);
        if (!fits)
            return false;
    }

    std::copy(m_postfix, m_postfix + m_postfixSize, m_tokens);
    m_tokens[m_postfixSize] = kEnd;
    return true;
}

// One number from its digit and point tokens, built digit by digit in double arithmetic in this
// order (so it may differ in the last bit from a correctly rounded reading); `i` ends past the
// separator.
double Evaluator::readNumber(int &i) const
{
    double v = 0.0;
    while (IsDigitChar(tokenAt(i))) {
        v = v * 10 + (tokenAt(i) - u'0');
        ++i;
    }
    if (tokenAt(i) == u'.') {
        ++i;
        int m = 0;
        while (IsDigitChar(tokenAt(i))) {
            ++m;
            v = v + (tokenAt(i) - u'0') / powerOfTen(m);
            ++i;
        }
    }
    ++i; // over the separator
    return v;
}

// The two-operand operators but the root: `x` is the right operand.
EvalOutcome Evaluator::applyBinary(char16_t t, double x)
{
    if (m_numTop == 0)
        return fault(EvalStatus::Malformed);
    const double y = popNum();
    switch (t) {
    case u'+':
        return checked(y + x);
    case u'-':
        return checked(y - x);
    case u'*':
        return checked(y * x);
    case u'/':
        if (std::fabs(x) < kThreshold)
            return fault(EvalStatus::DivideByZero);
        return checked(y / x);
    default:
        return checked(std::pow(y, x));
    }
}

// y√x, the x-th root of y, through the logarithm: a radicand of 0 or below has none.
EvalOutcome Evaluator::applyRoot(double x)
{
    if (std::fabs(x) < kThreshold)
        return fault(EvalStatus::ZeroRoot);
    if (m_numTop == 0)
        return fault(EvalStatus::Malformed);
    const double y = popNum();
    if (!(y > 0))
        return fault(EvalStatus::Overflow);
    return checked(std::exp(std::log(y) * (1 / x)));
}

// An operator or a function letter on the values at the top of the operand stack.
EvalOutcome Evaluator::applyOperator(char16_t t, double last)
{
    if (m_numTop == 0)
        return fault(EvalStatus::Malformed);
    const double x = popNum();
    switch (t) {
    case u'+':
    case u'-':
    case u'*':
    case u'/':
    case u'^':
        return applyBinary(t, x);
    case u'√':
        return applyRoot(x);
    case u's':
        return checked(std::sin(x));
    case u'c':
        return checked(std::cos(x));
    case u't':
        return checked(std::tan(x));
    case u'e':
        return checked(std::exp(x));
    case u'l':
        if (x < kThreshold)
            return fault(EvalStatus::LnDomain);
        return checked(std::log(x));
    default:
        return checked(last); // the separator left after a second point that ends a number
    }
}

EvalOutcome Evaluator::EvalPostfix()
{
    resetNumStack();
    m_numStack[0] = 0.0;
    double last = 0.0;
    int i = 0;
    while (i <= kMaxTokens) {
        const char16_t t = m_tokens[i];
        if (t == kEnd) {
            if (m_numTop == 0)
                return fault(EvalStatus::Malformed);
            return {EvalStatus::Ok, popNum()};
        }
        if (isNumberToken(t)) {
            if (!pushNum(readNumber(i)))
                return fault(EvalStatus::Malformed);
            continue;
        }
        const EvalOutcome step = applyOperator(t, last);
        if (step.status != EvalStatus::Ok)
            return step;
        last = step.value;
        if (!pushNum(last))
            return fault(EvalStatus::Malformed);
        ++i;
    }
    return fault(EvalStatus::Malformed);
}

EvalOutcome Evaluator::evaluate(const CharList &list)
{
    if (!PrepareTokens(list))
        return fault(EvalStatus::Malformed);
    if (!ToPostfix())
        return fault(EvalStatus::Malformed);
    return EvalPostfix();
}

std::u16string Evaluator::tokens() const
{
    std::u16string out;
    for (int i = 0; i <= kMaxTokens; ++i) {
        out.push_back(m_tokens[i]);
        if (m_tokens[i] == kEnd)
            break;
    }
    return out;
}

} // namespace engine

#include "engine/ExpressionEvaluator.h"

#include <cmath>

namespace engine {

namespace {

constexpr double kThreshold = 1E-7;
constexpr char16_t kSeparator = u' ';
constexpr char16_t kEnd = u'#';

bool IsNumberToken(char16_t t)
{
    return IsDigitChar(t) || t == u'.';
}

} // namespace

int OpPriority(char16_t token)
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

bool PopsBefore(char16_t top, char16_t incoming)
{
    return OpPriority(top) >= OpPriority(incoming);
}

bool Evaluator::PushOp(char16_t t)
{
    if (m_opTop >= kStackCapacity)
        return false;
    m_opStack[++m_opTop] = t;
    return true;
}

char16_t Evaluator::PopOp()
{
    if (m_opTop <= 0)
        return 0;
    return m_opStack[m_opTop--];
}

bool Evaluator::PushNum(double v)
{
    if (m_numTop >= kStackCapacity)
        return false;
    m_numStack[++m_numTop] = v;
    return true;
}

bool Evaluator::PrepareTokens(const CharList &list)
{
    int j = 0;
    int i = 0;
    while (i <= list.n) {
        const char16_t c = list.at(i);
        if (j >= kMaxTokens)
            return false;
        m_tokens[j] = c;
        if (c == u'(' && list.at(i + 1) == u'-') {
            if (j + 1 >= kMaxTokens)
                return false;
            m_tokens[++j] = u'0';
        }
        if (c == u'e' || c == u's' || c == u'c' || c == u't')
            i += 2;
        else if (c == u'l')
            i += 1;
        ++j;
        ++i;
    }
    m_tokens[j] = kEnd;
    return true;
}

bool Evaluator::ToPostfix()
{
    int k = 0;
    auto output = [&](char16_t t) {
        if (k >= kMaxPostfix)
            return false;
        m_postfix[k++] = t;
        return true;
    };

    ClearOpStack();
    PushOp(u'(');
    for (int i = 0; i <= kMaxTokens; ++i) {
        const char16_t t = m_tokens[i];
        if (t == kEnd) {
            for (char16_t p = PopOp(); p != u'(' && p != 0; p = PopOp()) {
                if (!output(p))
                    return false;
            }
            break;
        }
        if (IsNumberToken(t)) {
            if (!output(t))
                return false;
            if (!IsNumberToken(TokenAt(i + 1)) && !output(kSeparator))
                return false;
        } else if (t == u'(') {
            if (!PushOp(t))
                return false;
        } else if (t == u')') {
            for (char16_t p = PopOp(); p != u'('; p = PopOp()) {
                if (p == 0 || !output(p))
                    return false;
            }
        } else {
            // A letter that begins no function has priority 0 and would empty the whole stack.
            if (OpPriority(t) == 0)
                return false;
            while (m_opTop > 0 && PopsBefore(PeekOp(), t)) {
                if (!output(PopOp()))
                    return false;
            }
            if (!PushOp(t))
                return false;
        }
    }

    for (int i = 0; i < k; ++i)
        m_tokens[i] = m_postfix[i];
    m_tokens[k] = kEnd;
    return true;
}

EvalOutcome Evaluator::EvalPostfix()
{
    ResetNumStack();
    m_numStack[0] = 0.0;
    double last = 0.0;
    int i = 0;
    while (i <= kMaxTokens) {
        const char16_t t = m_tokens[i];

        if (t == kEnd) {
            if (m_numTop == 0)
                return {EvalStatus::Malformed};
            return {EvalStatus::Ok, PopNum()};
        }

        if (IsNumberToken(t)) {
            // Built digit by digit in double arithmetic, in this order.
            double v = 0.0;
            while (IsDigitChar(TokenAt(i))) {
                v = v * 10 + (TokenAt(i) - u'0');
                ++i;
            }
            if (TokenAt(i) == u'.') {
                ++i;
                int m = 0;
                while (IsDigitChar(TokenAt(i))) {
                    ++m;
                    v = v + (TokenAt(i) - u'0') / std::pow(10.0, m);
                    ++i;
                }
            }
            ++i; // over the separator
            if (!PushNum(v))
                return {EvalStatus::Malformed};
            continue;
        }

        if (m_numTop == 0)
            return {EvalStatus::Malformed};
        const double x = PopNum();
        double r = last;
        switch (t) {
        case u'+':
        case u'-':
        case u'*':
        case u'/':
        case u'^': {
            if (m_numTop == 0)
                return {EvalStatus::Malformed};
            const double y = PopNum();
            if (t == u'+')
                r = y + x;
            else if (t == u'-')
                r = y - x;
            else if (t == u'*')
                r = y * x;
            else if (t == u'/') {
                if (std::fabs(x) < kThreshold)
                    return {EvalStatus::DivideByZero};
                r = y / x;
            } else {
                r = std::pow(y, x);
            }
            break;
        }
        case u'√': {
            if (std::fabs(x) < kThreshold)
                return {EvalStatus::ZeroRoot};
            if (m_numTop == 0)
                return {EvalStatus::Malformed};
            const double y = PopNum();
            // Through the logarithm: a radicand of 0 or below has no logarithm.
            if (!(y > 0))
                return {EvalStatus::Overflow};
            r = std::exp(std::log(y) * (1 / x));
            break;
        }
        case u's':
            r = std::sin(x);
            break;
        case u'c':
            r = std::cos(x);
            break;
        case u't':
            r = std::tan(x);
            break;
        case u'e':
            r = std::exp(x);
            break;
        case u'l':
            if (x < kThreshold)
                return {EvalStatus::LnDomain};
            r = std::log(x);
            break;
        default:
            r = last; // the separator left after a second point that ends a number
            break;
        }
        if (!std::isfinite(r))
            return {EvalStatus::Overflow};
        last = r;
        if (!PushNum(r))
            return {EvalStatus::Malformed};
        ++i;
    }
    return {EvalStatus::Malformed};
}

EvalOutcome Evaluator::Evaluate(const CharList &list)
{
    if (!PrepareTokens(list))
        return {EvalStatus::Malformed};
    if (!ToPostfix())
        return {EvalStatus::Malformed};
    return EvalPostfix();
}

std::u16string Evaluator::Tokens() const
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

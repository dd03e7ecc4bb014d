#include "engine/ExpressionChecker.h"

#include "engine/Messages.h"

namespace engine {

bool IsDigitChar(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool IsOperatorChar(char16_t c)
{
    switch (c) {
    case u'+':
    case u'-':
    case u'*':
    case u'/':
    case u'^':
    case u'√':
        return true;
    default:
        return false;
    }
}

bool IsFunctionHead(char16_t c)
{
    switch (c) {
    case u's':
    case u'c':
    case u't':
    case u'e':
    case u'l':
        return true;
    default:
        return false;
    }
}

bool IsSymbolChar(char16_t c)
{
    if (IsOperatorChar(c))
        return true;
    switch (c) {
    case u'(':
    case u')':
    case u'.':
    case u's':
    case u'i':
    case u'n':
    case u'c':
    case u'o':
    case u't':
    case u'a':
    case u'e':
    case u'x':
    case u'p':
    case u'l':
        return true;
    default:
        return false;
    }
}

std::u16string NormaliseExpression(std::u16string_view raw, CharList &list)
{
    list.n = -1;
    list.overflow = false;
    std::u16string normalised;
    normalised.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char16_t c = raw[i];
        if (c == u'\r') {
            ++i; // a line break: the character after the carriage return goes too
            continue;
        }
        if (c == u' ')
            continue;
        normalised.push_back(c);
        if (list.n + 1 < CharList::kCapacity)
            list.chars[++list.n] = c;
        else
            list.overflow = true;
    }
    return normalised;
}

namespace {

// The name letters that follow a function head, its opening bracket included.
std::u16string_view FunctionTail(char16_t head)
{
    switch (head) {
    case u'e':
        return u"xp(";
    case u's':
        return u"in(";
    case u'c':
        return u"os(";
    case u't':
        return u"an(";
    case u'l':
        return u"n(";
    default:
        return u"";
    }
}

bool SuccessorPasses(const CharList &list, int i)
{
    const char16_t c = list.at(i);
    const char16_t s = list.at(i + 1);
    if (IsDigitChar(c))
        return s == u'.' || IsDigitChar(s) || IsOperatorChar(s) || s == u')';
    if (c == u'.')
        return IsDigitChar(s);
    if (IsFunctionHead(c)) {
        const std::u16string_view tail = FunctionTail(c);
        for (std::size_t k = 0; k < tail.size(); ++k) {
            if (list.at(i + 1 + static_cast<int>(k)) != tail[k])
                return false;
        }
        return true;
    }
    if (c == u'(')
        return s == u'-' || IsDigitChar(s) || IsFunctionHead(s) || s == u'(';
    if (c == u')')
        return s == u')' || IsOperatorChar(s);
    if (IsOperatorChar(c))
        return IsFunctionHead(s) || IsDigitChar(s) || s == u'(';
    // "i" "n" "o" "a" "x" "p": only the first position is judged against them.
    return i != 0;
}

} // namespace

std::optional<std::u16string_view> CheckExpression(const CharList &list)
{
    const int n = list.n;

    for (int i = 0; i <= n; ++i) {
        const char16_t c = list.at(i);
        if (!IsDigitChar(c) && !IsSymbolChar(c))
            return msg::kIllegalChar;
    }

    int depth = 0;
    for (int i = 0; i <= n; ++i) {
        const char16_t c = list.at(i);
        if (c == u'(')
            ++depth;
        else if (c == u')')
            --depth;
        if (depth < 0)
            return msg::kBrackets;
    }
    if (depth != 0)
        return msg::kBrackets;

    const bool leadingZero = list.at(0) == u'0' && n > 0;
    int points = 0;
    int i = 0;
    while (i < n) {
        const char16_t c = list.at(i);

        if (leadingZero) {
            if (list.at(1) != u'.')
                return msg::kLeadingZero;
        } else if (i > 0 && c == u'0') {
            const char16_t before = list.at(i - 1);
            if (!IsDigitChar(before) && before != u'.' && IsDigitChar(list.at(i + 1)))
                return msg::kInnerZero;
        }

        if (c == u'.') {
            if (++points > 1)
                return msg::kDecimalPoint;
        } else if (IsSymbolChar(c)) {
            points = 0;
        }

        if (!SuccessorPasses(list, i))
            return msg::kWriting;

        if (IsFunctionHead(c))
            i += c == u'l' ? 3 : 4;
        else
            ++i;
    }
    return std::nullopt;
}

} // namespace engine

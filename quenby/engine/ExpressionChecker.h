#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// The character list of one expression: at most 201 characters (UTF-16 code units, as the text
// box counts them), indices 0 to n. A slot beyond the filled part reads as the empty character 0.
struct CharList {
    static constexpr int kCapacity = 201;

    char16_t chars[kCapacity]; // only slots 0 to n are meaningful; at() guards the rest
    int n = -1;                // index of the last filled slot; -1 when empty
    bool overflow = false;     // the normalised text had more characters than fit

    char16_t at(int i) const { return (i >= 0 && i <= n) ? chars[i] : char16_t(0); }
    int count() const { return n + 1; }
};

// The character classes of the checker; the evaluator reads its tokens with them too. They are
// called for every character of every expression, so they live here to be inlined.
constexpr bool IsDigitChar(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

constexpr bool IsOperatorChar(char16_t c)
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

// The first letters of sin, cos, tan, exp and ln.
constexpr bool IsFunctionHead(char16_t c)
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

// The operators, the brackets, the point and the letters of the function names.
constexpr bool IsSymbolChar(char16_t c)
{
    switch (c) {
    case u'+':
    case u'-':
    case u'*':
    case u'/':
    case u'^':
    case u'√':
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

// Drops every blank (U+0020) and every carriage return together with the character right after
// it; fills `list` with what is left (up to its capacity) and gives the whole normalised text.
std::u16string NormaliseExpression(std::u16string_view raw, CharList &list);

// Runs the checks in their fixed order; gives the message of the first fault, or nothing when
// the expression passes.
std::optional<std::u16string_view> CheckExpression(const CharList &list);

} // namespace engine

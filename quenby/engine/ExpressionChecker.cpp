#include "quenby/engine/ExpressionChecker.h"

#include "quenby/engine/Messages.h"

#include <array>
#include <cstdint>

namespace engine {

std::u16string NormaliseExpression(std::u16string_view raw, CharList &list)
{
    list.n = -1;
    list.overflow = false;
    std::size_t i = 0;
    for (; i < raw.size(); ++i) {
        const char16_t c = raw[i];
        if (c == u'\r') {
            ++i; // a line break: the character after the carriage return goes too
            continue;
        }
        if (c == u' ')
            continue;
        if (list.n + 1 == CharList::kCapacity) {
            list.overflow = true;
            break;
        }
        list.chars[++list.n] = c;
    }

    std::u16string normalised(list.chars, static_cast<std::size_t>(list.count()));
    // Longer than the list: the rest of the text still belongs to the normalised text.
    for (; i < raw.size(); ++i) {
        const char16_t c = raw[i];
        if (c == u'\r')
            ++i;
        else if (c != u' ')
            normalised.push_back(c);
    }
    return normalised;
}

namespace {

// What a character is, as bits: the classes that the successor rules ask about, whether it is a
// function head or another letter of a name, and whether it may stand in an expression at all.
// The bits above 16 hold the classes that may follow the character.
enum CharClass : std::uint32_t {
    kDigit = 1u << 0,
    kPoint = 1u << 1,
    kOperator = 1u << 2,
    kMinus = 1u << 3,
    kOpen = 1u << 4,
    kClose = 1u << 5,
    kHead = 1u << 6,
    kNameLetter = 1u << 7,
    kLegal = 1u << 8,
};
constexpr int kSuccessorShift = 16;

constexpr std::uint32_t classify(char16_t c)
{
    std::uint32_t bits = 0;
    std::uint32_t successors = 0;
    if (IsDigitChar(c)) {
        bits = kDigit;
        successors = kPoint | kDigit | kOperator | kClose;
    } else if (c == u'.') {
        bits = kPoint;
        successors = kDigit;
    } else if (IsOperatorChar(c)) {
        bits = kOperator | (c == u'-' ? kMinus : 0u);
        successors = kHead | kDigit | kOpen;
    } else if (c == u'(') {
        bits = kOpen;
        successors = kMinus | kDigit | kHead | kOpen;
    } else if (c == u')') {
        bits = kClose;
        successors = kClose | kOperator;
    } else if (IsFunctionHead(c)) {
        bits = kHead;
    } else if (IsSymbolChar(c)) {
        bits = kNameLetter;
    } else {
        return 0;
    }
    return bits | kLegal | (successors << kSuccessorShift);
}

constexpr std::array<std::uint32_t, 128> kAsciiClasses = [] {
    std::array<std::uint32_t, 128> table {};
    for (char16_t c = 0; c < 128; ++c)
        table[c] = classify(c);
    return table;
}();

// The root sign is the one character beyond ASCII that an expression may hold.
inline std::uint32_t classOf(char16_t c)
{
    if (c < 128)
        return kAsciiClasses[c];
    return c == u'√' ? classify(u'√') : 0;
}

// The name letters that follow a function head, its opening bracket included.
std::u16string_view functionTail(char16_t head)
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

// The successor rule at a judged position i < n whose character is a function head or another
// letter of a name: a head must be followed by the rest of its name and its bracket, the other
// letters fail only at position 0.
bool letterPasses(const CharList &list, int i, std::uint32_t cls)
{
    if (!(cls & kHead))
        return i != 0;
    const std::u16string_view tail = functionTail(list.chars[i]);
    for (std::size_t k = 0; k < tail.size(); ++k) {
        if (list.at(i + 1 + static_cast<int>(k)) != tail[k])
            return false;
    }
    return true;
}

// The first two checks in one pass: a character outside the allowed ones anywhere in the list
// is reported before brackets that do not pair up.
std::optional<std::u16string_view> checkCharactersAndBrackets(const CharList &list)
{
    int depth = 0;
    bool unpaired = false;
    for (int i = 0; i <= list.n; ++i) {
        const std::uint32_t cls = classOf(list.chars[i]);
        if (!(cls & kLegal))
            return msg::kIllegalChar;
        depth += (cls & kOpen) ? 1 : 0;
        depth -= (cls & kClose) ? 1 : 0;
        unpaired |= depth < 0;
    }
    if (unpaired || depth != 0)
        return msg::kBrackets;
    return std::nullopt;
}

// A later number that begins with "0" and another digit (the rule for numbers that do not open
// the expression); i < n.
bool innerZeroFault(const CharList &list, int i)
{
    if (i == 0)
        return false;
    return !(classOf(list.chars[i - 1]) & (kDigit | kPoint)) && IsDigitChar(list.chars[i + 1]);
}

// The judged positions in increasing order: zero rules, then decimal points, then successors.
std::optional<std::u16string_view> scanPositions(const CharList &list)
{
    const int n = list.n;
    // An expression that starts with "0" fails at its first judged position unless "." follows;
    // one that starts with "0." is exempt from the rule for later numbers.
    const bool leadingZero = n > 0 && list.chars[0] == u'0';
    if (leadingZero && list.chars[1] != u'.')
        return msg::kLeadingZero;

    int points = 0;
    int i = 0;
    while (i < n) {
        const char16_t c = list.chars[i];
        const std::uint32_t cls = classOf(c);
        if (c == u'0' && !leadingZero && innerZeroFault(list, i))
            return msg::kInnerZero;

        // Every character but a digit and the point is a symbol: it ends the count of points.
        points = (cls & kPoint) ? points + 1 : (cls & kDigit) ? points : 0;
        if (points > 1)
            return msg::kDecimalPoint;

        if (cls & (kHead | kNameLetter)) {
            if (!letterPasses(list, i, cls))
                return msg::kWriting;
            // After a function head the next judged position follows its opening bracket.
            i += (cls & kHead) ? static_cast<int>(functionTail(c).size()) + 1 : 1;
            continue;
        }
        // The successor exists: i < n.
        if (!((cls >> kSuccessorShift) & classOf(list.chars[i + 1])))
            return msg::kWriting;
        ++i;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::u16string_view> CheckExpression(const CharList &list)
{
    if (const auto fault = checkCharactersAndBrackets(list))
        return fault;
    return scanPositions(list);
}

} // namespace engine

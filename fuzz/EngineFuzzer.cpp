// The calculator's evaluation on any raw text: no crash, no read outside an array, a display that
// is a number text or one of the fixed messages, and a second run on the normalised text that
// gives the same outcome.
//
// The second run differs from the first in one case only, by the program's own rules:
//   - Normalisation drops every blank and every carriage return together with the character
//     after it. A non-empty raw text made only of those (blanks, line breaks) therefore
//     normalises to the empty text: the first run shows "表达式有错误，请检查" (an empty character
//     list reaches the evaluator), while the second run gets the empty text and shows
//     "字符串为空" without any normalised text.
// Everything else repeats exactly: the normalised text holds no blank and no carriage return, so
// normalising it again changes nothing (a carriage return never survives, since the character it
// drops is taken whatever it is, another carriage return included); a text beyond the
// 201-character list is written back whole, so the second run finds it too long as well; and
// nothing else (a line feed without a carriage return before it, a tab, a full-width blank, lone
// surrogates, NUL) is changed by normalisation. Bytes in: see FuzzText.h.
#include "FuzzText.h"

#include "quenby/engine/EvaluateCommand.h"
#include "quenby/engine/Messages.h"

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

namespace {

void fail(const char *what, std::u16string_view text)
{
    std::cerr << "engine fuzzer: " << what << " [";
    for (char16_t c : text)
        std::cerr << ' ' << std::hex << static_cast<unsigned>(c);
    std::cerr << " ]" << std::endl;
    std::abort();
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Reads a run of digits from text[i]; gives how many there were.
std::size_t digitRun(std::u16string_view text, std::size_t &i)
{
    const std::size_t start = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i - start;
}

// After a point: at least one digit, the last one not "0". Gives false for a bad fraction.
bool readFraction(std::u16string_view text, std::size_t &i, std::size_t &digits)
{
    digits = 0;
    if (i >= text.size() || text[i] != u'.')
        return true;
    ++i;
    digits = digitRun(text, i);
    return digits > 0 && text[i - 1] != u'0';
}

// Plain form: at most 15 significant digits, and at most three zeros after "0." (below 1E-4
// the exponent form is used).
bool isPlainNumber(std::u16string_view text, std::size_t whole, std::size_t fraction)
{
    if (text[1] != u'0')
        return whole + fraction <= 15;
    if (fraction == 0)
        return true;   // " 0"
    std::size_t k = 3; // after "0."
    while (k < text.size() && text[k] == u'0')
        ++k;
    return k - 3 <= 3 && text.size() - k <= 15;
}

// Exponent form from text[i] on: "E", a sign and two or three digits; "+" from 15 up and "-"
// below -4 only.
bool isExponent(std::u16string_view text, std::size_t i)
{
    if (i + 1 >= text.size() || text[i] != u'E' || (text[i + 1] != u'+' && text[i + 1] != u'-'))
        return false;
    const bool negative = text[i + 1] == u'-';
    i += 2;
    const std::size_t start = i;
    if (digitRun(text, i) < 2 || i != text.size() || i - start > 3)
        return false;
    int exponent = 0;
    for (std::size_t k = start; k < i; ++k)
        exponent = exponent * 10 + (text[k] - u'0');
    return negative ? exponent > 4 : exponent >= 15;
}

// The number text: a blank or "-", then either plain digits with an optional fraction ("0" alone
// before the point below 1) or a mantissa with one digit before the point and an exponent
// ("E+15", "E-05"); no trailing zeros after the point, at most 15 significant digits.
bool isNumberText(std::u16string_view text)
{
    if (text.size() < 2 || (text[0] != u' ' && text[0] != u'-') || text == u"-0")
        return false;
    std::size_t i = 1;
    const std::size_t whole = digitRun(text, i);
    if (whole == 0 || (whole > 1 && text[1] == u'0'))
        return false;
    std::size_t fraction = 0;
    if (!readFraction(text, i, fraction))
        return false;
    if (i == text.size())
        return isPlainNumber(text, whole, fraction);
    return whole == 1 && text[1] != u'0' && fraction <= 14 && isExponent(text, i);
}

bool isMessage(std::u16string_view text)
{
    namespace msg = engine::msg;
    for (std::u16string_view m : {msg::kIllegalChar, msg::kBrackets, msg::kLeadingZero, msg::kInnerZero,
                                  msg::kDecimalPoint, msg::kWriting, msg::kDivideByZero, msg::kZeroRoot,
                                  msg::kLnDomain, msg::kMalformed, msg::kOverflow}) {
        if (text == m)
            return true;
    }
    return false;
}

void checkDisplay(const engine::Evaluation &run, std::u16string_view raw)
{
    const bool value = run.evaluated && run.status == engine::EvalStatus::Ok;
    if (value && !isNumberText(run.display))
        fail("a value that is not a number text", run.display);
    if (!value && !isMessage(run.display))
        fail("a fault whose display is not one of the messages", run.display);
    if (!run.hasNormalised)
        fail("no normalised text for a non-empty raw text", raw);
    for (char16_t c : run.normalised) {
        if (c == u' ' || c == u'\r')
            fail("a blank or carriage return left in the normalised text", run.normalised);
    }
    if (run.normalised.size() > raw.size())
        fail("a normalised text longer than the raw text", raw);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string raw = fuzztext::decode(data, size);
    const engine::Evaluation first = engine::EvaluateExpression(raw);
    if (raw.empty()) {
        if (first.hasNormalised || first.display != engine::msg::kEmpty)
            fail("the empty text does not give the empty message", first.display);
        return 0;
    }
    checkDisplay(first, raw);

    const engine::Evaluation second = engine::EvaluateExpression(first.normalised);
    if (first.normalised.empty()) {
        if (first.display != engine::msg::kMalformed)
            fail("blanks and line breaks only, but not the malformed message", first.display);
        if (second.hasNormalised || second.display != engine::msg::kEmpty)
            fail("the empty normalised text does not give the empty message", second.display);
        return 0;
    }
    if (second.normalised != first.normalised)
        fail("normalising the normalised text changed it", first.normalised);
    if (second.display != first.display || second.status != first.status
        || second.evaluated != first.evaluated)
        fail("a second run on the normalised text gives another outcome", first.normalised);
    return 0;
}

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// The character list of one expression: at most 201 characters (UTF-16 code units, as the text
// box counts them), indices 0 to n. A slot beyond the filled part reads as the empty character 0.
struct CharList {
    static constexpr int kCapacity = 201;

    char16_t chars[kCapacity] = {};
    int n = -1;            // index of the last filled slot; -1 when empty
    bool overflow = false; // the normalised text had more characters than fit

    char16_t at(int i) const { return (i >= 0 && i <= n) ? chars[i] : char16_t(0); }
    int count() const { return n + 1; }
};

bool IsDigitChar(char16_t c);
bool IsOperatorChar(char16_t c);
bool IsFunctionHead(char16_t c);
bool IsSymbolChar(char16_t c);

// Drops every blank (U+0020) and every carriage return together with the character right after
// it; fills `list` with what is left (up to its capacity) and gives the whole normalised text.
std::u16string NormaliseExpression(std::u16string_view raw, CharList &list);

// Runs the checks in their fixed order; gives the message of the first fault, or nothing when
// the expression passes.
std::optional<std::u16string_view> CheckExpression(const CharList &list);

} // namespace engine

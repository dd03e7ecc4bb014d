#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Fuzzer bytes as UTF-16 code units, so that a fuzzer reaches every code unit a text box can hold
// while plain text files stay readable seeds. The bytes are read as UTF-8, widened so that
// nothing is out of reach: a three-byte sequence may encode a surrogate (ED A0 80 is a lone
// U+D800), a four-byte one gives a surrogate pair, and a byte that begins no valid sequence
// stands for the lone low surrogate U+DC00 + byte (U+DC80 to U+DCFF).
namespace fuzztext {

inline int sequenceLength(std::uint8_t lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The code point of the sequence at data[0..length), or -1 when it is cut short, has a bad
// continuation byte or is overlong or out of range.
inline long decodeSequence(const std::uint8_t *data, std::size_t available, int length)
{
    if (length == 0 || static_cast<std::size_t>(length) > available)
        return -1;
    static constexpr std::uint8_t kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    long cp = data[0] & kLeadMask[length];
    for (int k = 1; k < length; ++k) {
        if ((data[k] & 0xC0) != 0x80)
            return -1;
        cp = (cp << 6) | (data[k] & 0x3F);
    }
    static constexpr long kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF)
        return -1;
    return cp;
}

inline std::u16string decode(const std::uint8_t *data, std::size_t size)
{
    std::u16string out;
    out.reserve(size);
    std::size_t i = 0;
    while (i < size) {
        const int length = sequenceLength(data[i]);
        const long cp = decodeSequence(data + i, size - i, length);
        if (cp < 0) {
            out.push_back(static_cast<char16_t>(0xDC00 + data[i]));
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += static_cast<std::size_t>(length);
    }
    return out;
}

} // namespace fuzztext

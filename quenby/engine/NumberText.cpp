#include "quenby/engine/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace engine {

namespace {

constexpr int kSignificant = 15;

// A fixed buffer the number text is written into, character by character, before it becomes
// the one string returned.
class TextBuffer
{
public:
    void append(char c)
    {
        if (m_size < sizeof m_text)
            m_text[m_size++] = c;
    }
    void append(const char *s)
    {
        while (*s)
            append(*s++);
    }
    void append(const char *s, int n)
    {
        for (int i = 0; i < n; ++i)
            append(s[i]);
    }
    void appendRepeated(int n, char c)
    {
        for (int i = 0; i < n; ++i)
            append(c);
    }
    const char *data() const { return m_text; }
    std::size_t size() const { return m_size; }

private:
    char m_text[48];
    std::size_t m_size = 0;
};

// A positive finite magnitude rounded to 15 significant digits: d.dddddddddddddd × 10^exponent.
struct Rounded {
    char digits[kSignificant];
    int last = 0;     // index of the last digit that is not a trailing zero
    int exponent = 0; // decimal exponent after the rounding
};

// std::to_chars never consults the C locale, so the text is the same under every locale.
Rounded roundToSignificant(double magnitude)
{
    // "d.dddddddddddddde±XXX": at most 1 + 1 + 14 + 2 + 3 characters.
    char text[32];
    const auto written
        = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, kSignificant - 1);
    Rounded r;
    r.digits[0] = text[0];
    for (int i = 1; i < kSignificant; ++i)
        r.digits[i] = text[i + 1];

    const char *exponentSign = text + kSignificant + 2; // after the mantissa and the "e"
    int exponent = 0;
    std::from_chars(exponentSign + 1, written.ptr, exponent);
    r.exponent = *exponentSign == '-' ? -exponent : exponent;

    r.last = kSignificant - 1;
    while (r.last > 0 && r.digits[r.last] == '0')
        --r.last;
    return r;
}

// Mantissa, "E", the sign of the exponent and at least two exponent digits.
void writeExponentForm(const Rounded &r, TextBuffer &out)
{
    out.append(r.digits[0]);
    if (r.last > 0) {
        out.append('.');
        out.append(r.digits + 1, r.last);
    }
    out.append('E');
    out.append(r.exponent < 0 ? '-' : '+');
    const int exponent = std::abs(r.exponent);
    if (exponent < 10)
        out.append('0');
    char digits[8];
    const auto written = std::to_chars(digits, digits + sizeof digits, exponent);
    out.append(digits, static_cast<int>(written.ptr - digits));
}

// Plain decimal form for exponents from -4 to 14: no grouping, a "0" before the point below 1.
void writeFixedForm(const Rounded &r, TextBuffer &out)
{
    if (r.exponent < 0) {
        out.append("0.");
        out.appendRepeated(-r.exponent - 1, '0');
        out.append(r.digits, r.last + 1);
        return;
    }
    out.append(r.digits, r.exponent + 1);
    if (r.last > r.exponent) {
        out.append('.');
        out.append(r.digits + r.exponent + 1, r.last - r.exponent);
    }
}

void write(double value, TextBuffer &out)
{
    if (std::isnan(value)) {
        out.append(" NaN");
        return;
    }
    if (std::isinf(value)) {
        out.append(value < 0 ? "-Inf" : " Inf");
        return;
    }

    out.append(value < 0 ? '-' : ' ');
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0) {
        out.append('0');
        return;
    }

    // A whole number below 1E15 has at most 15 digits: it is its own rounding.
    if (magnitude < 1E15 && magnitude == std::floor(magnitude)) {
        char digits[16];
        const auto written
            = std::to_chars(digits, digits + sizeof digits, static_cast<std::uint64_t>(magnitude));
        out.append(digits, static_cast<int>(written.ptr - digits));
        return;
    }

    const Rounded r = roundToSignificant(magnitude);
    if (r.exponent >= kSignificant || r.exponent < -4)
        writeExponentForm(r, out);
    else
        writeFixedForm(r, out);
}

} // namespace

std::u16string FormatResult(double value)
{
    TextBuffer text;
    write(value, text);
    return std::u16string(text.data(), text.data() + text.size());
}

} // namespace engine

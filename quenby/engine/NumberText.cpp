#include "engine/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace engine {

namespace {

// A fixed buffer for the number text, so that writing it allocates nothing.
class TextBuffer
{
public:
    void operator+=(char c)
    {
        if (m_size < sizeof m_text)
            m_text[m_size++] = c;
    }
    void operator+=(const char *s)
    {
        while (*s)
            *this += *s++;
    }
    void append(const char *s, std::size_t n)
    {
        for (std::size_t i = 0; i < n; ++i)
            *this += s[i];
    }
    void append(std::size_t n, char c)
    {
        for (std::size_t i = 0; i < n; ++i)
            *this += c;
    }
    const char *data() const { return m_text; }
    std::size_t size() const { return m_size; }

private:
    char m_text[48];
    std::size_t m_size = 0;
};

void Write(double value, TextBuffer &out)
{
    if (std::isnan(value)) {
        out += " NaN";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-Inf" : " Inf";
        return;
    }

    out += value < 0 ? '-' : ' ';
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0) {
        out += '0';
        return;
    }

    // %.14e gives the 15 significant digits, correctly rounded, and the exponent after rounding.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", magnitude);
    char digits[16];
    digits[0] = buf[0];
    std::memcpy(digits + 1, buf + 2, 14);
    digits[15] = '\0';
    const int exponent = std::atoi(buf + 17);

    int last = 14; // last significant digit after trailing zeros are dropped
    while (last > 0 && digits[last] == '0')
        --last;

    if (exponent >= 15 || exponent < -4) {
        out += digits[0];
        if (last > 0) {
            out += '.';
            out.append(digits + 1, static_cast<std::size_t>(last));
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        char exp[16];
        std::snprintf(exp, sizeof exp, "%02d", std::abs(exponent));
        out += exp;
        return;
    }

    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(digits, static_cast<std::size_t>(last + 1));
        return;
    }

    out.append(digits, static_cast<std::size_t>(exponent + 1));
    if (last > exponent) {
        out += '.';
        out.append(digits + exponent + 1, static_cast<std::size_t>(last - exponent));
    }
}

} // namespace

std::string FormatResultAscii(double value)
{
    TextBuffer text;
    Write(value, text);
    return std::string(text.data(), text.size());
}

std::u16string FormatResult(double value)
{
    TextBuffer text;
    Write(value, text);
    return std::u16string(text.data(), text.data() + text.size());
}

} // namespace engine

#include "NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace engine {

std::string FormatResultAscii(double value)
{
    if (std::isnan(value))
        return " NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : " Inf";

    std::string out(value < 0 ? "-" : " ");
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0) {
        out += '0';
        return out;
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
        char exp[8];
        std::snprintf(exp, sizeof exp, "%02d", std::abs(exponent));
        out += exp;
        return out;
    }

    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(digits, static_cast<std::size_t>(last + 1));
        return out;
    }

    out.append(digits, static_cast<std::size_t>(exponent + 1));
    if (last > exponent) {
        out += '.';
        out.append(digits + exponent + 1, static_cast<std::size_t>(last - exponent));
    }
    return out;
}

std::u16string FormatResult(double value)
{
    const std::string ascii = FormatResultAscii(value);
    return std::u16string(ascii.begin(), ascii.end());
}

} // namespace engine

#pragma once

#include <string>

namespace engine {

// The number text of the calculator: a blank before a value of 0 or more and "-" before a
// negative one, "." as the decimal point, at most 15 significant digits (the 15th rounded),
// no trailing zeros and no trailing point, a "0" before the point below 1, and exponent form
// from a magnitude of 1E15 up ("E+15") and below 1E-4 ("E-05"), judged after the rounding.
// Whole numbers come out as a blank and their digits: 7 is " 7".
std::u16string FormatResult(double value);

} // namespace engine

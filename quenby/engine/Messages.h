#pragma once

#include <string_view>

// The fixed texts that the evaluation shows in the result box.
namespace engine::msg {

inline constexpr std::u16string_view kEmpty = u"字符串为空";
inline constexpr std::u16string_view kIllegalChar = u"非法字符错误，请改正";
inline constexpr std::u16string_view kBrackets = u"左右括号不匹配，请改正";
inline constexpr std::u16string_view kLeadingZero = u"0位置错误，请检查";
inline constexpr std::u16string_view kInnerZero = u"0位置错误le，请检查";
inline constexpr std::u16string_view kDecimalPoint = u"小数点位置错误，请检查";
inline constexpr std::u16string_view kWriting = u"表达式书写错误，请改正";

inline constexpr std::u16string_view kDivideByZero = u"除数为0错误，请检查";
inline constexpr std::u16string_view kZeroRoot = u"不能开0次方，请检查";
inline constexpr std::u16string_view kLnDomain = u"ln(x)的x<=0错误，请检查";
inline constexpr std::u16string_view kMalformed = u"表达式有错误，请检查";
inline constexpr std::u16string_view kOverflow = u"超过计算器的范围(2^1023-1)，溢出，对不起！";

} // namespace engine::msg

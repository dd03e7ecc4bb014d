#pragma once

#include "quenby/engine/NumberText.h"

#include <QString>

#include <string_view>

// Between the engine's UTF-16 strings and Qt's texts, in one place.
namespace engineText {

// A text as the engine reads it, without a copy; valid while the text lives and is unchanged.
inline std::u16string_view view(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// The number text of the calculator: " 7", " 100", "-3", " 0.5".
inline QString numberText(double value)
{
    return QString::fromStdU16String(engine::FormatResult(value));
}

// One of the ASCII digits 0 to 9 (QChar::isDigit also takes other scripts' digits).
inline bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace engineText

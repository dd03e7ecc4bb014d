#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace drill {

// Reads a typed entry as one whole number in the given locale: blanks around it, a sign, a
// decimal fraction and grouping separators are allowed, and full-width digits and signs count as
// their ASCII forms. A fraction is rounded to the nearest whole number, halves to the even
// neighbour (2.5 gives 2, 3.5 gives 4). Empty text, text that is not a number and numbers outside
// the 32-bit signed range give no value.
std::optional<int> textToNumber(const QString &text, const QLocale &locale = QLocale());

// A whole number as its plain decimal digits, without blank.
QString digitText(qint64 value);

} // namespace drill

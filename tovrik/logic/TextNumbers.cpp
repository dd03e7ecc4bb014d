#include "tovrik/logic/TextNumbers.h"

#include <cmath>
#include <limits>

namespace drill {

std::optional<int> textToNumber(const QString &text, const QLocale &locale)
{
    // Compatibility folding turns full-width digits, signs and points typed with a Chinese input
    // method into their ASCII forms; it leaves ordinary text alone.
    const QString entry = text.normalized(QString::NormalizationForm_KC).trimmed();
    if (entry.isEmpty())
        return std::nullopt;

    bool ok = false;
    const double value = locale.toDouble(entry, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;

    // The default rounding mode sends halves to the even neighbour.
    const double whole = std::nearbyint(value);

    if (whole < static_cast<double>(std::numeric_limits<int>::min())
        || whole > static_cast<double>(std::numeric_limits<int>::max()))
        return std::nullopt;
    return static_cast<int>(whole);
}

QString digitText(qint64 value)
{
    return QString::number(value);
}

} // namespace drill

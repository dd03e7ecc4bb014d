#include "logic/TextNumbers.h"

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

    // Halves go to the even neighbour.
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;

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

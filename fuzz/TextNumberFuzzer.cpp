// The drill's reading of a typed answer on any text, in one of several locales (the first byte
// chooses it): no crash; a value only for a text that holds a digit; the exact number for plain
// digits with an optional fraction (full-width forms included), halves going to the even
// neighbour; no value beyond the 32-bit range.
#include "FuzzText.h"

#include "tovrik/logic/TextNumbers.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>

namespace {

[[noreturn]] void fail(const char *what, const QString &text)
{
    std::cerr << "text-number fuzzer: " << what << ": \"" << text.toStdString() << '"' << std::endl;
    std::abort();
}

QLocale localeFor(std::uint8_t choice)
{
    static constexpr QLocale::Language kLanguages[] = {
        QLocale::C,      QLocale::Chinese, QLocale::English, QLocale::German,  QLocale::French,
        QLocale::Arabic, QLocale::Persian, QLocale::Hindi,   QLocale::Russian, QLocale::Swedish,
    };
    static constexpr QLocale::Territory kTerritories[] = {
        QLocale::AnyTerritory, QLocale::China, QLocale::UnitedStates, QLocale::Germany, QLocale::France,
        QLocale::Egypt,        QLocale::Iran,  QLocale::India,        QLocale::Russia,  QLocale::Sweden,
    };
    const std::size_t i = choice % std::size(kLanguages);
    return QLocale(kLanguages[i], kTerritories[i]);
}

// Digits of 1 to 9 characters; gives their value.
std::optional<long long> shortDigits(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    long long value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

// The exact reading of "digits" or "digits.digits" (each part up to 9 digits): the whole part,
// plus one when the fraction is above a half, or exactly a half and the whole part is odd. An entry
// is read as a double first, so the reading is exact only within a double's 15 significant digits
// ("999999999.499999999" is the double 999999999.5, which rounds to even): longer ones give none.
std::optional<long long> plainReading(const QString &entry)
{
    const qsizetype point = entry.indexOf(QLatin1Char('.'));
    const auto whole = shortDigits(QStringView(entry).left(point < 0 ? entry.size() : point));
    if (!whole || point < 0)
        return whole;
    const QStringView fraction = QStringView(entry).mid(point + 1);
    if (!shortDigits(fraction) || point + fraction.size() > 15)
        return std::nullopt;
    const bool aboveHalf = fraction[0] > QLatin1Char('5')
        || (fraction[0] == QLatin1Char('5')
            && fraction.mid(1).count(QLatin1Char('0')) != fraction.size() - 1);
    const bool half = fraction[0] == QLatin1Char('5') && !aboveHalf;
    return *whole + ((aboveHalf || (half && *whole % 2 != 0)) ? 1 : 0);
}

void checkTextToNumber(const QString &text, const QLocale &locale)
{
    const std::optional<int> number = drill::textToNumber(text, locale);
    bool hasDigit = false;
    for (QChar c : text.normalized(QString::NormalizationForm_KC))
        hasDigit = hasDigit || c.isDigit();
    if (number && !hasDigit)
        fail("a number read from a text without a digit", text);

    // Full-width digits and points fold to ASCII; blanks around the entry are allowed. The plain
    // readings below mean the same in every locale that is tried.
    const QString entry = text.normalized(QString::NormalizationForm_KC).trimmed();
    if (const auto expected = plainReading(entry)) {
        const bool groupingPoint = locale.groupSeparator() == QLatin1String(".");
        const bool pointDecimal = locale.decimalPoint() == QLatin1String(".");
        if (!entry.contains(QLatin1Char('.')) || (pointDecimal && !groupingPoint)) {
            if (!number || *number != *expected)
                fail("plain digits read as another number", text);
        }
    }
    bool allDigits = entry.size() >= 11;
    for (QChar c : entry)
        allDigits = allDigits && c >= QLatin1Char('1') && c <= QLatin1Char('9');
    if (allDigits && number)
        fail("a number beyond the 32-bit range read as a value", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale locale = localeFor(data[0]);
    const QString text = QString::fromStdU16String(fuzztext::decode(data + 1, size - 1));
    checkTextToNumber(text, locale);
    return 0;
}

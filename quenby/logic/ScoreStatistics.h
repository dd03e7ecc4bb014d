#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>

// Marks as a teacher types them into the statistics window, and the fourteen result texts that
// a class's marks give.
namespace stats {

// The largest mark a teacher may enter, a whole number.
inline constexpr int kHighestMark = 150;

// The decimal number read from the start of a mark text: its leading digits and, if a point
// follows them, that point and the digits after it. Reading stops at the first other character
// (a second point included), so "1.2.3" is 1.2 and "0150" is 150; "", "." and "abc" read as 0.
double markValue(QStringView text);

// Whether a typed text may enter the score list: it is not empty, holds only the ASCII digits
// and the point, and its mark value is at most 150. The comparison with 150 is made on the
// digits that markValue reads, exactly: "150.000" is accepted, "150.0000000000000000001" is
// refused although the nearest double of both is 150.
bool IsAcceptableMark(QStringView text);

// Two-decimal rounding: the value times 100 rounded to the nearest whole number, a half going to
// the even neighbour, divided by 100 again. 0.125 gives 0.12 and 0.375 gives 0.38.
double roundToHundredths(double value);

// The positions of the fourteen result texts, in the order of the statistics window's boxes.
enum class Box {
    Sum,       // total and head count
    Average,   // mean, rounded to two decimals
    Deviation, // population standard deviation, rounded to two decimals
    Highest,
    Lowest,
    BandA,     // 85 and more
    BandB,     // 75 to below 85
    BandC,     // 60 to below 75
    BandFail,  // below 60
    Bucket100, // exactly 100
    Bucket90,  // 90 and more (above 100 included)
    Bucket80,
    Bucket70,
    Bucket60,
};
inline constexpr int kBoxCount = 14;

// What one pass over the marks counts up.
struct Tally {
    std::int64_t count = 0;
    double sum = 0.0;
    double squares = 0.0;
    double highest = 0.0; // starts at 0: a list of marks of 0 has 0 as its highest
    double lowest = 0.0;
    std::int64_t bands[4] = {};   // 优, 良, 及格, 不及格
    std::int64_t buckets[5] = {}; // 100, 90, 80, 70, 60
};

// Counts the marks up, each read with markValue.
Tally tally(const QStringList &marks);

// The fourteen result texts of a tally of at least one mark, in Box order.
QStringList formatTally(const Tally &t);

// The fourteen result texts of a list of mark texts, in Box order, for example
// " 255分----共 3人", " 85分", " 4.08", ... for 85, 90, 80. Any number of marks is counted in
// full. An empty list gives an empty list.
QStringList ComputeStatistics(const QStringList &marks);

} // namespace stats

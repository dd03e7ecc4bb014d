#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Marks as a teacher types them into the statistics window, and the fourteen result texts that
// a class's marks give.

// The decimal number read from the start of a mark text: its leading digits and, if a point
// follows them, that point and the digits after it. Reading stops at the first other character
// (a second point included), so "1.2.3" is 1.2 and "0150" is 150; "", "." and "abc" read as 0.
double MarkValue(QStringView text);

// Whether a typed text may enter the score list: it is not empty, holds only the ASCII digits
// and the point, and its mark value is at most 150.
bool IsAcceptableMark(QStringView text);

// Two-decimal rounding: the value times 100 rounded to the nearest whole number, a half going to
// the even neighbour, divided by 100 again. 0.125 gives 0.12 and 0.375 gives 0.38.
double RoundToHundredths(double value);

// The positions of the fourteen result texts, in the order of the statistics window's boxes.
enum StatisticsBox {
    StatSum,       // total and head count
    StatAverage,   // mean, rounded to two decimals
    StatDeviation, // population standard deviation, rounded to two decimals
    StatHighest,
    StatLowest,
    StatBandA,    // 85 and more
    StatBandB,    // 75 to below 85
    StatBandC,    // 60 to below 75
    StatBandFail, // below 60
    Stat100,      // exactly 100
    Stat90,       // 90 and more (above 100 included)
    Stat80,
    Stat70,
    Stat60,
    StatisticsBoxCount
};

// The fourteen result texts of a list of mark texts, in StatisticsBox order, for example
// " 255分----共 3人", " 85分", " 4.08", ... for 85, 90, 80. The marks are read with MarkValue;
// any number of marks is counted in full. An empty list gives an empty list.
QStringList ComputeStatistics(const QStringList &marks);

#pragma once

#include "tovrik/logic/DrillRun.h"

#include <QString>

namespace drill {

// The figures of a drill's report, as the texts their labels show.
struct ReportTexts {
    QString done;
    QString right;
    QString wrong;
    QString score; // empty when nothing was answered
    QString rate;  // answers per minute; empty when no rate is wanted
};

// The share of right answers in per cent, halves rounded up (1 of 8 gives 13); empty when
// nothing was answered.
QString scoreText(int done, int right);

// Answers per minute, rounded down; empty when there are no minutes to divide by.
QString rateText(int done, int minutes);

// All figures of a report. A rate is given only after a drill that ended by time.
ReportTexts reportTexts(int done, int right, int wrong, Ending ending, int minutes);

} // namespace drill

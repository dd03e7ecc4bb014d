#pragma once

#include <QPixmap>
#include <QString>

namespace pictures {

// Looks a picture file up by its bare name: in the current folder first, then beside the
// executable, then in the program's installed data folder (<prefix>/share/<program>).
// Gives the empty string when none of them has it.
QString locate(const QString &fileName, const QString &program);

// Loads a picture file found by locate(); a null pixmap when it is missing or unreadable.
QPixmap load(const QString &fileName, const QString &program);

} // namespace pictures

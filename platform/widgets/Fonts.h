#pragma once

#include <QFont>
#include <QString>

namespace fonts {

// Maps the Windows font names that the window layouts use onto the CJK and Latin faces
// installed here, and gives the application's default font an explicit CJK fallback.
// Call once, after the QApplication exists and before any widget is created.
void installSubstitutes();

// A font of the given family and size in points.
QFont make(const QString &family, double points, bool bold = false, bool italic = false);

} // namespace fonts

#pragma once

#include <QLoggingCategory>
#include <QPixmap>
#include <QString>

// Where a picture was found, or that it was not: debug messages of the category
// "arith.pictures", off unless turned on (QT_LOGGING_RULES="arith.pictures.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcPictures)

namespace pictures {

// Looks a picture file up by its bare name, in this order: the current folder; beside the
// executable; <executable's folder>/../share/<program> (an installation, wherever its prefix
// is); <data folder>/<program> in each of the standard data folders (XDG_DATA_HOME, then
// XDG_DATA_DIRS). Gives the absolute path of the first readable file, or the empty string when
// none of them has it. No folder is fixed when the program is built.
QString locate(const QString &fileName, const QString &program);

// Loads a picture file found by locate(); a null pixmap when it is missing or unreadable.
QPixmap load(const QString &fileName, const QString &program);

} // namespace pictures

#pragma once

#include <QString>
#include <QStringList>

// The help text that the help window shows.
namespace help {

// The lines of the help text, in order, without line breaks; blanks at either end belong to them.
QStringList lines();

// The help text: every line followed by CR LF, the last one included.
QString text();

} // namespace help

#pragma once

#include <QByteArray>

namespace codeset {

// The character set of the current LC_CTYPE locale ("UTF-8", "GB18030" …), as the C library
// names it; "UTF-8" under the C locale, whose plain ASCII cannot hold the programs' Chinese texts
// (Qt itself takes the C locale for UTF-8). Qt's own name for the system's encoding on Windows.
QByteArray ofLocale();

} // namespace codeset

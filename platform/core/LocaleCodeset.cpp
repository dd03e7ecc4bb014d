#include "platform/core/LocaleCodeset.h"

#include <QStringConverter>

#ifndef Q_OS_WIN
#include <langinfo.h>
#endif

namespace codeset {

QByteArray ofLocale()
{
#ifdef Q_OS_WIN
    return QByteArray(QStringConverter::nameForEncoding(QStringConverter::System));
#else
    const QByteArray name(nl_langinfo(CODESET));
    if (name.isEmpty() || name == "ANSI_X3.4-1968" || name == "ASCII" || name == "US-ASCII" || name == "646")
        return QByteArrayLiteral("UTF-8");
    return name;
#endif
}

} // namespace codeset

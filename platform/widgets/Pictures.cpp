#include "widgets/Pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pictures {

QString locate(const QString &fileName, const QString &program)
{
    const QStringList folders = {
        QDir::currentPath(),
        QCoreApplication::applicationDirPath(),
        QStringLiteral(QUENBY_DATA_ROOT) + QLatin1Char('/') + program,
    };
    for (const QString &folder : folders) {
        const QFileInfo info(QDir(folder), fileName);
        if (info.isFile() && info.isReadable())
            return info.absoluteFilePath();
    }
    return QString();
}

QPixmap load(const QString &fileName, const QString &program)
{
    const QString path = locate(fileName, program);
    if (path.isEmpty())
        return QPixmap();
    return QPixmap(path);
}

} // namespace pictures

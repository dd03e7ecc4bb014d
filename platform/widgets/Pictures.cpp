#include "platform/widgets/Pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcPictures, "arith.pictures", QtInfoMsg)

namespace pictures {

namespace {

QString readableFile(const QString &folder, const QString &fileName)
{
    const QFileInfo info(QDir(folder), fileName);
    if (info.isFile() && info.isReadable())
        return QDir::cleanPath(info.absoluteFilePath());
    return QString();
}

} // namespace

QString locate(const QString &fileName, const QString &program)
{
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList folders = {
        QDir::currentPath(),
        programDir,
        programDir + QStringLiteral("/../share/") + program,
    };
    for (const QString &folder : folders) {
        const QString path = readableFile(folder, fileName);
        if (!path.isEmpty()) {
            qCDebug(lcPictures).noquote() << fileName << "found:" << path;
            return path;
        }
    }
    const QString path
        = QStandardPaths::locate(QStandardPaths::GenericDataLocation, program + QLatin1Char('/') + fileName);
    if (!path.isEmpty() && QFileInfo(path).isReadable()) {
        qCDebug(lcPictures).noquote() << fileName << "found:" << path;
        return path;
    }
    qCDebug(lcPictures).noquote() << fileName << "not found";
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

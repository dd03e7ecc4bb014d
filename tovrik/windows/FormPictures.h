#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The pictures of the drill windows: the two faces and the drawn banners.
namespace formPictures {

// The face picture file of a right answer and of a wrong one.
inline const QString kSmileFile = QStringLiteral("face03.ico");
inline const QString kFrownFile = QStringLiteral("face04.ico");

// A face picture by its file name: the file found in the current folder, beside the program or
// in its installed data folder, else the program's own built-in face when the file is missing or
// unreadable. A null icon only for a name the program does not ship.
QIcon face(const QString &fileName);

// The face drawn to fit a square picture widget of the given side in pixels.
QPixmap facePixmap(const QString &fileName, int side);

// A banner picture of the given size: a title and, below it, a one-line notice.
QPixmap banner(QSize size, const QString &title, const QString &notice);

} // namespace formPictures

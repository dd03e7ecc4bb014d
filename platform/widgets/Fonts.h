#pragma once

#include <QFont>
#include <QString>

namespace fonts {

// The faces the window layouts name. installSubstitutes() maps each onto a face installed here.
inline const QString kSong = QStringLiteral("宋体");
inline const QString kHei = QStringLiteral("黑体");
inline const QString kXihei = QStringLiteral("华文细黑");
inline const QString kYouyuan = QStringLiteral("幼圆");
inline const QString kKai = QStringLiteral("楷体_GB2312");
inline const QString kLishu = QStringLiteral("隶书");
inline const QString kHuawenLishu = QStringLiteral("华文隶书");
inline const QString kFangsong = QStringLiteral("仿宋_GB2312");
inline const QString kArial = QStringLiteral("Arial");

// Maps the Windows font names that the window layouts use onto the CJK and Latin faces
// installed here, and gives the application's default font an explicit CJK fallback.
// Call once, after the QApplication exists and before any widget is created.
void installSubstitutes();

// A font of the given family and size in points.
QFont make(const QString &family, double points, bool bold = false, bool italic = false);

} // namespace fonts

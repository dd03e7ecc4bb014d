#include "platform/widgets/Fonts.h"

#include <QApplication>
#include <QStringList>

namespace fonts {

void installSubstitutes()
{
    const QStringList ming = {QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")};
    const QStringList sans = {QStringLiteral("Noto Sans CJK SC")};
    const QStringList kai = {QStringLiteral("AR PL UKai CN")};

    QFont::insertSubstitutions(kSong, ming);
    for (const QString &face : {kHei, kXihei, kYouyuan})
        QFont::insertSubstitutions(face, sans);
    for (const QString &face : {kKai, kLishu, kHuawenLishu})
        QFont::insertSubstitutions(face, kai);
    QFont::insertSubstitutions(kFangsong, {QStringLiteral("AR PL UMing CN")});
    QFont::insertSubstitutions(kArial, {QStringLiteral("Liberation Sans")});

    // Without an explicit fallback the face chosen for Chinese text depends on the locale.
    QFont base = QApplication::font();
    base.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans CJK SC")});
    QApplication::setFont(base);
}

QFont make(const QString &family, double points, bool bold, bool italic)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace fonts

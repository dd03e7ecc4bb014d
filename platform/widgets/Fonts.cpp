#include "widgets/Fonts.h"

#include <QApplication>
#include <QStringList>

namespace fonts {

void installSubstitutes()
{
    const QStringList ming = {QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")};
    const QStringList sans = {QStringLiteral("Noto Sans CJK SC")};
    const QStringList kai = {QStringLiteral("AR PL UKai CN")};

    QFont::insertSubstitutions(QStringLiteral("宋体"), ming);
    for (const char *name : {"黑体", "华文细黑", "幼圆"})
        QFont::insertSubstitutions(QString::fromUtf8(name), sans);
    for (const char *name : {"楷体_GB2312", "隶书", "华文隶书"})
        QFont::insertSubstitutions(QString::fromUtf8(name), kai);
    QFont::insertSubstitutions(QStringLiteral("仿宋_GB2312"), {QStringLiteral("AR PL UMing CN")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});

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

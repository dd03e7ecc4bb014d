#include "quenby/windows/frmAbout.h"

#include "platform/widgets/Fonts.h"
#include "platform/widgets/FormKit.h"

#include <QLabel>
#include <QPixmap>

frmAbout::frmAbout(QWidget *parent) : QWidget(parent)
{
    form::setupFixedWindow(this, QStringLiteral("frmAbout"), QStringLiteral("关于本软件"), 4950, 4125);

    Picture1 = form::add<QLabel>(this, "Picture1", {0, 0, 1620, 1635});
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/quenby/resources/about-abacus.png")));
    Picture1->setAccessibleName(QStringLiteral("算盘图片"));

    const QPalette system = palette();
    // Qt's palette has no desktop colour; the link colour is the one meant to stand out on the
    // window's background in light and dark themes alike.
    const auto addText = [this](const char *name, const QString &text, form::Rect at, const QFont &font,
                                const QColor &colour) {
        QLabel *label = form::addLabel(this, name, text, at, font);
        QPalette coloured = label->palette();
        coloured.setColor(QPalette::WindowText, colour);
        label->setPalette(coloured);
        return label;
    };
    Label1 = addText("Label1", QStringLiteral("欢迎使用"), {2640, 480, 1815, 495},
                     fonts::make(fonts::kXihei, 15, true), system.color(QPalette::Link));
    Label4 = addText("Label4", QStringLiteral("Quenby"), {1800, 1080, 3255, 615},
                     fonts::make(fonts::kHei, 24, true), system.color(QPalette::Highlight));
    Label2 = addText("Label2", QStringLiteral("   本软件于2026年用Qt 6和C++开发，主要供小学教师和学生使用。"),
                     {240, 2160, 4455, 1215}, fonts::make(fonts::kFangsong, 14.25), Qt::black);
    Label2->setWordWrap(true);
    Label3 = addText("Label3", QStringLiteral("联系我们：github.com/quenby/quenby"), {120, 3240, 4695, 495},
                     fonts::make(fonts::kYouyuan, 10.5), system.color(QPalette::ToolTipText));
    for (QLabel *label : {Label1, Label4, Label2, Label3})
        form::fitLineToRow(label);
}

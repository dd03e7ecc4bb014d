#include "windows/frmAbout.h"

#include "widgets/Fonts.h"
#include "widgets/Twips.h"

#include <QLabel>
#include <QPixmap>

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
                  int height, const QFont &font, const QColor &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    twips::place(label, left, top, width, height);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("关于本软件"));
    // A window of fixed size: no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    twips::setClientSize(this, 4950, 4125);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    twips::place(Picture1, 0, 0, 1620, 1635);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/quenby/resources/about-abacus.png")));

    const QPalette system = palette();
    // Qt's palette has no desktop colour; the link colour is the one meant to stand out on the
    // window's background in light and dark themes alike.
    Label1 = makeLabel(this, "Label1", QStringLiteral("欢迎使用"), 2640, 480, 1815, 495,
                       fonts::make(QStringLiteral("华文细黑"), 15, true), system.color(QPalette::Link));
    Label4 = makeLabel(this, "Label4", QStringLiteral("Quenby"), 1800, 1080, 3255, 615,
                       fonts::make(QStringLiteral("黑体"), 24, true), system.color(QPalette::Highlight));
    Label2 = makeLabel(this, "Label2",
                       QStringLiteral("   本软件于2026年用Qt 6和C++开发，主要供小学教师和学生使用。"), 240,
                       2160, 4455, 1215, fonts::make(QStringLiteral("仿宋_GB2312"), 14.25), Qt::black);
    Label2->setWordWrap(true);
    Label3 = makeLabel(this, "Label3", QStringLiteral("联系我们：quenby-team@example.org"), 120, 3240, 4695,
                       495, fonts::make(QStringLiteral("幼圆"), 10.5), system.color(QPalette::ToolTipText));
}

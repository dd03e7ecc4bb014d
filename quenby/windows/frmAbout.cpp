#include "windows/frmAbout.h"

#include "widgets/Fonts.h"
#include "widgets/FormKit.h"

#include <QLabel>
#include <QPixmap>

namespace {

struct LabelRow {
    QLabel *frmAbout::*member;
    const char *name;
    const char16_t *text;
    form::Rect at;
    QFont font;
    QColor colour;
    bool wraps;
};

} // namespace

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
    const LabelRow rows[] = {
        {.member = &frmAbout::Label1,
         .name = "Label1",
         .text = u"欢迎使用",
         .at = {2640, 480, 1815, 495},
         .font = fonts::make(fonts::kXihei, 15, true),
         .colour = system.color(QPalette::Link),
         .wraps = false},
        {.member = &frmAbout::Label4,
         .name = "Label4",
         .text = u"Quenby",
         .at = {1800, 1080, 3255, 615},
         .font = fonts::make(fonts::kHei, 24, true),
         .colour = system.color(QPalette::Highlight),
         .wraps = false},
        {.member = &frmAbout::Label2,
         .name = "Label2",
         .text = u"   本软件于2026年用Qt 6和C++开发，主要供小学教师和学生使用。",
         .at = {240, 2160, 4455, 1215},
         .font = fonts::make(fonts::kFangsong, 14.25),
         .colour = Qt::black,
         .wraps = true},
        {.member = &frmAbout::Label3,
         .name = "Label3",
         .text = u"联系我们：github.com/quenby/quenby",
         .at = {120, 3240, 4695, 495},
         .font = fonts::make(fonts::kYouyuan, 10.5),
         .colour = system.color(QPalette::ToolTipText),
         .wraps = false},
    };
    for (const LabelRow &row : rows) {
        QLabel *label = form::addLabel(this, row.name, QString::fromUtf16(row.text), row.at, row.font);
        QPalette coloured = label->palette();
        coloured.setColor(QPalette::WindowText, row.colour);
        label->setPalette(coloured);
        label->setWordWrap(row.wraps);
        form::fitLineToRow(label);
        this->*row.member = label;
    }
}

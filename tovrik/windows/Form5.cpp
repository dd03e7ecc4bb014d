#include "tovrik/windows/Form5.h"

#include "platform/widgets/Fonts.h"
#include "platform/widgets/FormKit.h"
#include "platform/widgets/Twips.h"
#include "tovrik/logic/ReportFigures.h"
#include "tovrik/windows/FormPictures.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

enum class Face { Words, SmallWords, Figures, Score };

QFont fontOf(Face face)
{
    switch (face) {
    case Face::Words:
        return fonts::make(fonts::kLishu, 15.75);
    case Face::SmallWords:
        return fonts::make(fonts::kLishu, 15);
    case Face::Figures:
        return fonts::make(fonts::kArial, 21.75);
    case Face::Score:
        return fonts::make(fonts::kArial, 18);
    }
    return {};
}

} // namespace

Form5::Form5(QWidget *parent) : QWidget(parent)
{
    form::setupFixedWindow(this, QStringLiteral("Form5"), QStringLiteral("成绩汇报 "), 5700, 4140);
    form::fillBackground(this, form::kCyan, false);

    // A tiny box without behaviour; first in the Tab order, but the Tab key passes it by. It holds
    // nothing, so it offers no edit menu either.
    Text1 = form::add<QLineEdit>(this, "Text1", {3285, 3600, 90, 180});
    Text1->setFocusPolicy(Qt::ClickFocus);
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    form::describe(Text1, QStringLiteral("空白框"));

    addPictures();
    addTexts();

    Command1 = form::add<form::WrappingButton>(this, "Command1", QStringLiteral("退出"),
                                               {4080, 3360, 855, 495}, fontOf(Face::SmallWords));

    setTabOrder(Text1, Command1);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
}

// The texts of the report: the words, and the figures (centred) that FillReport writes.
void Form5::addTexts()
{
    struct TextRow {
        QLabel *Form5::*member; // null for a word FillReport leaves alone
        const char *name;
        const char16_t *text;
        form::Rect at;
        Face face;
        const char16_t *meaning; // what a figure stands for, for a screen reader; null for words
    };
    // clang-format off
    static const TextRow rows[] = {
        {nullptr, "Label1_1", u"共做", {720, 1920, 975, 495}, Face::Words, nullptr},
        {&Form5::Label4, "Label4", u"", {1560, 1860, 855, 495}, Face::Figures, u"共做题数"},
        {nullptr, "Label7_0", u"题", {2640, 1980, 375, 375}, Face::Words, nullptr},
        {&Form5::Label10, "Label10", u"每分", {3360, 2040, 735, 495}, Face::SmallWords, nullptr},
        {&Form5::Label11, "Label11", u"", {4200, 1920, 855, 495}, Face::Figures, u"每分钟做的题数"},
        {&Form5::Label12, "Label12", u"题", {5160, 2040, 375, 375}, Face::SmallWords, nullptr},
        {&Form5::Label5, "Label5", u"", {1560, 2520, 855, 495}, Face::Figures, u"答对题数"},
        {nullptr, "Label7_1", u"题", {2640, 2700, 375, 375}, Face::Words, nullptr},
        {nullptr, "Label8", u"得分", {3720, 2640, 975, 615}, Face::Words, nullptr},
        {&Form5::Label9, "Label9", u"", {4800, 2640, 735, 735}, Face::Score, u"得分"},
        {&Form5::Label6, "Label6", u"", {1560, 3240, 855, 495}, Face::Figures, u"答错题数"},
        {nullptr, "Label7_2", u"题", {2640, 3360, 375, 375}, Face::Words, nullptr},
    };
    // clang-format on
    for (const TextRow &t : rows) {
        const bool figure = t.meaning != nullptr;
        QLabel *shown = form::addLabel(this, t.name, QString::fromUtf16(t.text), t.at, fontOf(t.face),
                                       figure ? Qt::AlignHCenter : Qt::AlignLeft);
        if (figure)
            shown->setAccessibleDescription(QString::fromUtf16(t.meaning));
        if (t.member)
            this->*t.member = shown;
    }
}

void Form5::addPictures()
{
    QLabel *banner = form::addPicture(this, "Image1", {240, 360, 5220, 810});
    banner->setPixmap(formPictures::banner(banner->size(), QStringLiteral("看看我的成绩"), QString()));
    form::setTip(banner, QStringLiteral("虚心使人进步，骄傲使人落后！"));
    form::describe(banner, QStringLiteral("看看我的成绩"));

    const int side = twips::toPixels(480);
    QLabel *smile = form::addPicture(this, "Image2", {840, 2587, 480, 480});
    smile->setPixmap(formPictures::facePixmap(formPictures::kSmileFile, side));
    form::describe(smile, QStringLiteral("答对"));
    QLabel *frown = form::addPicture(this, "Image3", {840, 3240, 480, 480});
    frown->setPixmap(formPictures::facePixmap(formPictures::kFrownFile, side));
    form::describe(frown, QStringLiteral("答错"));
}

void Form5::FillReport(int done, int right, int wrong, drill::Ending ending, int minutes)
{
    const drill::ReportTexts texts = drill::reportTexts(done, right, wrong, ending, minutes);
    Label4->setText(texts.done);
    Label5->setText(texts.right);
    Label6->setText(texts.wrong);
    Label9->setText(texts.score);
    if (ending == drill::Ending::ByTime) {
        Label11->setText(texts.rate);
    } else {
        // The whole per-minute row goes.
        Label10->clear();
        Label11->clear();
        Label12->clear();
    }
}

void Form5::Command1_Click()
{
    close();
}

void Form5::closeEvent(QCloseEvent *event)
{
    // "退出" and the window's close box alike give control back to the menu.
    event->accept();
    emit backToMenu();
}

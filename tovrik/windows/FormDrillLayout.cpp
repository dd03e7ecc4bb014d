// How a drill window is built: the four layouts, the title, the question row, the counts and
// the faces.
#include "tovrik/windows/FormDrill.h"

#include "platform/core/Services.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/FormKit.h"
#include "platform/widgets/Twips.h"
#include "platform/widgets/WindowRegistry.h"
#include "tovrik/logic/TextNumbers.h"
#include "tovrik/windows/FormPictures.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <limits>

namespace {

// The title of a drill: a label in a face, or a drawn banner when it has no text.
struct Title {
    const char *name;
    QString text; // empty for the banner picture
    form::Rect at;
    QString face {};
    double points = 0;
    bool boldItalic = false;
    QColor colour {};
};

// Where the four drill windows differ.
struct DrillLayout {
    QString caption;
    Title title;
    QString exitTip;
    const char *smileName;
    const char *frownName;
    int questionLefts[4]; // Label1 to Label4
    int firstWidth;       // Label1
    int secondWidth;      // Label3
    int questionTop;
    bool centredNumbers;
    form::Rect text1;
    form::Rect image1;
    form::Rect text2;
    int label6Left;
    int label6Top;
    int commandTop;
    int iconTop;
    int frownLeft;
};

const DrillLayout kTimesTable {
    .caption = QStringLiteral("表内乘除法口算训练    "),
    .title = {.name = "Label14_0",
              .text = QStringLiteral("表内乘除法口算训练"),
              .at = {960, 360, 4815, 615},
              .face = fonts::kKai,
              .points = 24,
              .boldItalic = true,
              .colour = QColor(255, 255, 0)},
    .exitTip = QString(),
    .smileName = "Image2",
    .frownName = "Image3",
    .questionLefts = {1680, 2640, 3360, 4200},
    .firstWidth = 615,
    .secondWidth = 615,
    .questionTop = 2640,
    .centredNumbers = true,
    .text1 = {4800, 2520, 1095, 735},
    .image1 = {6240, 2640, 615, 615},
    .text2 = {360, 1200, 495, 270},
    .label6Left = 1440,
    .label6Top = 1200,
    .commandTop = 4440,
    .iconTop = 4680,
    .frownLeft = 2760,
};

const DrillLayout kWithin100 {
    .caption = QStringLiteral("百以内加减法"),
    .title = {.name = "Image2", .text = QString(), .at = {1560, 360, 4695, 795}},
    .exitTip = QStringLiteral("返回主菜单"),
    .smileName = "Image3",
    .frownName = "Image4",
    .questionLefts = {1560, 2280, 2760, 3480},
    .firstWidth = 615,
    .secondWidth = 735,
    .questionTop = 2520,
    .centredNumbers = true,
    .text1 = {3960, 2400, 1215, 855},
    .image1 = {5400, 2520, 735, 735},
    .text2 = {600, 1320, 375, 270},
    .label6Left = 1680,
    .label6Top = 1320,
    .commandTop = 4560,
    .iconTop = 4680,
    .frownLeft = 2760,
};

const DrillLayout kMixed {
    .caption = QStringLiteral("综合训练   "),
    .title = {.name = "Label14_1",
              .text = QStringLiteral("综合训练"),
              .at = {720, 360, 3855, 1095},
              .face = fonts::kLishu,
              .points = 42,
              .colour = QColor(0, 0, 0)},
    .exitTip = QString(),
    .smileName = "Image2",
    .frownName = "Image3",
    .questionLefts = {1440, 2400, 3120, 4080},
    .firstWidth = 615,
    .secondWidth = 615,
    .questionTop = 2160,
    .centredNumbers = false,
    .text1 = {4560, 2040, 1215, 855},
    .image1 = {6000, 2160, 735, 735},
    .text2 = {480, 1560, 375, 495},
    .label6Left = 1800,
    .label6Top = 1320,
    .commandTop = 4440,
    .iconTop = 4747,
    .frownLeft = 2880,
};

const DrillLayout kWithin1000 {
    .caption = QStringLiteral("1000以内加减法口算练习      "),
    .title = {.name = "Label5",
              .text = QStringLiteral("1000以内加减法"),
              .at = {1920, 360, 4455, 735},
              .face = fonts::kHuawenLishu,
              .points = 36,
              .colour = QColor(0, 0, 0)},
    .exitTip = QStringLiteral("返回主菜单"),
    .smileName = "Image3",
    .frownName = "Image4",
    .questionLefts = {720, 2160, 2400, 3480},
    .firstWidth = 1215,
    .secondWidth = 1095,
    .questionTop = 2520,
    .centredNumbers = true,
    .text1 = {3960, 2400, 1215, 855},
    .image1 = {5520, 2520, 735, 735},
    .text2 = {600, 1320, 375, 270},
    .label6Left = 1680,
    .label6Top = 1320,
    .commandTop = 4560,
    .iconTop = 4680,
    .frownLeft = 2760,
};

const DrillLayout &layoutOf(drill::Kind kind)
{
    switch (kind) {
    case drill::Kind::TimesTable:
        return kTimesTable;
    case drill::Kind::AddSubWithin100:
        return kWithin100;
    case drill::Kind::Mixed:
        return kMixed;
    case drill::Kind::AddSubWithin1000:
        return kWithin1000;
    }
    return kTimesTable;
}

} // namespace

FormDrill::FormDrill(drill::Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    const DrillLayout &lay = layoutOf(kind);
    setWindowTitle(lay.caption);
    form::setFixedFrame(this);
    twips::setClientSize(this, 8235, 5400);
    form::fillBackground(this, form::kCyan, true);

    addTitle();
    Text2 = form::add<DrillFocusBox>(this, "Text2", lay.text2);
    Text2->setFocusPolicy(Qt::ClickFocus); // not in the Tab order
    // The focus box holds nothing a pupil could edit: no edit menu.
    Text2->setContextMenuPolicy(Qt::NoContextMenu);
    form::describe(Text2, QStringLiteral("下一题"));
    Label6 = form::addLabel(this, "Label6", QString(), {lay.label6Left, lay.label6Top, 1215, 375},
                            fonts::make(fonts::kArial, 15.75), Qt::AlignHCenter);
    Label6->setAccessibleDescription(QStringLiteral("剩余秒数"));
    addQuestionRow();
    addCountRows();
    addFaceIcons();

    Command1 = form::add<form::WrappingButton>(this, "Command1", QStringLiteral("退出"),
                                               {6960, lay.commandTop, 975, 495},
                                               fonts::make(fonts::kLishu, 14.25));
    if (!lay.exitTip.isEmpty())
        form::setTip(Command1, lay.exitTip);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    // The answer box comes first in the Tab order, then the exit button.
    setTabOrder(Text1, Command1);
    wireFlow();
}

void FormDrill::addTitle()
{
    const Title &title = layoutOf(m_kind).title;
    if (title.text.isEmpty()) {
        QLabel *banner = form::addPicture(this, title.name, title.at);
        const QString words = QStringLiteral("百以内加减法口算训练");
        banner->setPixmap(formPictures::banner(banner->size(), words, QString()));
        form::describe(banner, words);
        return;
    }
    QLabel *label = form::addLabel(this, title.name, title.text, title.at,
                                   fonts::make(title.face, title.points, title.boldItalic, title.boldItalic));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, title.colour);
    label->setPalette(palette);
    form::shrinkFontToFit(label, title.text);
}

// First number, operator, second number, "=", the answer box and the face.
void FormDrill::addQuestionRow()
{
    const DrillLayout &lay = layoutOf(m_kind);
    const QFont font = fonts::make(fonts::kArial, 24);
    const Qt::Alignment numbers = lay.centredNumbers ? Qt::AlignHCenter : Qt::AlignLeft;
    const int top = lay.questionTop;
    const int *left = lay.questionLefts;
    Label1 = form::addLabel(this, "Label1", QString(), {left[0], top, lay.firstWidth, 495}, font, numbers);
    Label2 = form::addLabel(this, "Label2", QString(), {left[1], top, 375, 495}, font);
    Label3 = form::addLabel(this, "Label3", QString(), {left[2], top, lay.secondWidth, 495}, font, numbers);
    QLabel *equals = form::addLabel(this, "Label4", QStringLiteral("="), {left[3], top, 615, 375}, font);
    form::describe(equals, QStringLiteral("等于"));

    Text1 = form::add<DrillAnswerBox>(this, "Text1", lay.text1, font);
    Text1->setMaxLength(std::numeric_limits<int>::max());
    form::describe(Text1, QStringLiteral("答案"), QStringLiteral("输入得数，按回车键"));
    Image1 = form::addPicture(this, "Image1", lay.image1);
}

// The fixed texts and counts below the question row, the same in every drill.
void FormDrill::addCountRows()
{
    struct CountRow {
        QLabel *FormDrill::*member; // null for a word
        const char *name;
        const char16_t *text;
        form::Rect at;
        const char16_t *meaning; // what a count stands for, for a screen reader
    };
    // clang-format off
    static const CountRow rows[] = {
        {nullptr, "Label15", u"第", {600, 4080, 255, 375}, nullptr},
        {&FormDrill::Label11, "Label11", u"", {960, 4080, 735, 375}, u"已答题数"},
        {nullptr, "Label16", u"题", {1800, 4080, 495, 375}, nullptr},
        {&FormDrill::Label12, "Label12", u"", {1080, 4740, 855, 495}, u"答对题数"},
        {nullptr, "Label18", u"题", {2160, 4740, 495, 495}, nullptr},
        {&FormDrill::Label13, "Label13", u"", {3360, 4740, 975, 495}, u"答错题数"},
        {nullptr, "Label20", u"题", {4560, 4740, 735, 495}, nullptr},
    };
    // clang-format on
    const QFont wordFont = fonts::make(fonts::kKai, 14.25);
    const QFont countFont = fonts::make(fonts::kArial, 18);
    for (const CountRow &t : rows) {
        const bool count = t.member != nullptr;
        QLabel *label
            = form::addLabel(this, t.name, QString::fromUtf16(t.text), t.at, count ? countFont : wordFont,
                             count ? Qt::AlignHCenter : Qt::AlignLeft);
        if (count) {
            label->setAccessibleDescription(QString::fromUtf16(t.meaning));
            this->*t.member = label;
        }
    }
}

void FormDrill::addFaceIcons()
{
    const DrillLayout &lay = layoutOf(m_kind);
    const int side = twips::toPixels(480);
    QLabel *smile = form::addPicture(this, lay.smileName, {480, lay.iconTop, 480, 480});
    smile->setPixmap(formPictures::facePixmap(formPictures::kSmileFile, side));
    form::describe(smile, QStringLiteral("答对"));
    QLabel *frown = form::addPicture(this, lay.frownName, {lay.frownLeft, lay.iconTop, 480, 480});
    frown->setPixmap(formPictures::facePixmap(formPictures::kFrownFile, side));
    form::describe(frown, QStringLiteral("答错"));
}

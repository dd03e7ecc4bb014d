#include "quenby/windows/frmKs.h"

#include "platform/core/Clock.h"
#include "platform/core/RandomSource.h"
#include "platform/core/Services.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/FormKit.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using practice::Kind;

namespace {

// The score's colour: a dark red.
const QColor kScoreColour(192, 0, 0);

struct KindButtonRow {
    QPushButton *frmKs::*member;
    const char *name;
    const char16_t *caption;
    Kind kind;
    form::Rect at;
};

// One of the three read-only boxes that hold the question on display.
struct QuestionBoxRow {
    QLineEdit *frmKs::*member;
    const char *name;
    const char16_t *spoken;
    form::Rect at;
};

QLabel *addPlainLabel(QWidget *parent, const char *name, const QString &text, form::Rect at)
{
    return form::addLabel(parent, name, text, at, parent->font());
}

} // namespace

frmKs::frmKs(QWidget *parent) : QWidget(parent)
{
    form::setupFixedWindow(this, QStringLiteral("frmKs"), QStringLiteral("口算练习（学生用）"), 5715, 5865);
    setFont(fonts::make(fonts::kSong, 9));
    addKindButtons();
    addQuestionRow();
    addListAndButtons();
    addBottomRow();

    form::chainTabOrder({txtX, txtZ, cmdOK, List2, cmdRep, cmdAdd1, cmdAdd2, cmdMul, cmdDiv, cmdAdd3, cmdMd,
                         txtOp, txtY, cmdBack});
    txtX->setFocus();
    form::centreOnScreen(this);
    Form_Load();
}

void frmKs::addKindButtons()
{
    // clang-format off
    static const KindButtonRow rows[] = {
        {.member = &frmKs::cmdAdd1, .name = "cmdAdd1", .caption = u"10以内加减", .kind = Kind::AddSub10, .at = {240, 120, 1335, 375}},
        {.member = &frmKs::cmdAdd2, .name = "cmdAdd2", .caption = u"20以内加减", .kind = Kind::AddSub20, .at = {2160, 120, 1335, 375}},
        {.member = &frmKs::cmdAdd3, .name = "cmdAdd3", .caption = u"100以内加减", .kind = Kind::AddSub100, .at = {4080, 120, 1335, 375}},
        {.member = &frmKs::cmdMul, .name = "cmdMul", .caption = u"表内乘法", .kind = Kind::Times, .at = {240, 600, 1335, 375}},
        {.member = &frmKs::cmdDiv, .name = "cmdDiv", .caption = u"表内除法", .kind = Kind::Divide, .at = {2160, 600, 1335, 375}},
        {.member = &frmKs::cmdMd, .name = "cmdMd", .caption = u"较大的乘除", .kind = Kind::LargeMulDiv, .at = {4080, 600, 1335, 375}},
    };
    // clang-format on
    m_kindButtons = new QButtonGroup(this);
    for (const KindButtonRow &row : rows) {
        const QString caption = QString::fromUtf16(row.caption);
        QPushButton *button = form::add<QPushButton>(this, row.name, caption, row.at, font());
        button->setAccessibleName(caption);
        m_kindButtons->addButton(button, static_cast<int>(row.kind));
        this->*row.member = button;
    }
    connect(m_kindButtons, &QButtonGroup::idClicked, this,
            [this](int id) { presentQuestion(static_cast<Kind>(id)); });
}

void frmKs::addQuestionRow()
{
    static const QuestionBoxRow rows[] = {
        {.member = &frmKs::txtX, .name = "txtX", .spoken = u"第一个数", .at = {360, 1560, 615, 375}},
        {.member = &frmKs::txtOp, .name = "txtOp", .spoken = u"运算符号", .at = {960, 1560, 615, 375}},
        {.member = &frmKs::txtY, .name = "txtY", .spoken = u"第二个数", .at = {1560, 1560, 615, 375}},
        {.member = &frmKs::txtZ, .name = "txtZ", .spoken = u"答案", .at = {3000, 1560, 735, 375}},
    };
    for (const QuestionBoxRow &row : rows) {
        auto *box = form::add<QLineEdit>(this, row.name, row.at);
        box->setReadOnly(true);
        box->setAccessibleName(QString::fromUtf16(row.spoken));
        form::useChineseEditMenu(box);
        this->*row.member = box;
    }
    // The sign is larger than its label is high: centred, it shows whole whatever the face's ascent.
    Label1 = form::addLabel(this, "Label1", QStringLiteral("="), {2280, 1680, 375, 255},
                            fonts::make(fonts::kHei, 15.75, true));
    Label1->setAlignment(Qt::AlignCenter);
    txtZ->installEventFilter(this);

    cmdOK = form::add<QPushButton>(this, "cmdOK", QStringLiteral("确定"), {4080, 1560, 1335, 375}, font());
    cmdOK->setAccessibleName(QStringLiteral("确定"));
    cmdOK->setEnabled(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmKs::cmdOK_Click);
}

void frmKs::addListAndButtons()
{
    List2 = form::add<QListWidget>(this, "List2", {360, 2400, 3375, 2760});
    List2->setSortingEnabled(false);
    List2->setAccessibleName(QStringLiteral("判题结果"));

    cmdRep = form::add<form::WrappingButton>(this, "cmdRep", QStringLiteral("再来一次"),
                                             {4080, 2640, 1215, 855}, font());
    cmdBack = form::add<form::WrappingButton>(this, "cmdBack", QStringLiteral("不做了，休息一下"),
                                              {4080, 3960, 1215, 735}, font());
    for (QPushButton *button : {cmdRep, cmdBack})
        button->setAccessibleName(button->text());
    connect(cmdRep, &QPushButton::clicked, this, &frmKs::cmdRep_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmKs::cmdBack_Click);
}

void frmKs::addBottomRow()
{
    Label4 = addPlainLabel(this, "Label4", QStringLiteral("用时："), {360, 5280, 855, 375});
    labTime = addPlainLabel(this, "labTime", QStringLiteral("shijian"), {960, 5280, 855, 375});
    Label2 = addPlainLabel(this, "Label2", QStringLiteral("得分："), {1800, 5280, 855, 375});
    labDefen = form::addLabel(this, "labDefen", QStringLiteral("fenshu"), {2760, 5280, 2775, 375},
                              fonts::make(fonts::kSong, 14.25, true));
    QPalette red = labDefen->palette();
    red.setColor(QPalette::WindowText, kScoreColour);
    labDefen->setPalette(red);
}

void frmKs::Form_Load()
{
    services::random().reseed();
    resetCounts();
}

void frmKs::Form_Unload()
{
    emit closed();
}

void frmKs::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    QWidget::closeEvent(event);
}

bool frmKs::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtZ && event->type() == QEvent::KeyPress)
        return txtZ_KeyDown(static_cast<QKeyEvent *>(event)->key());
    return QWidget::eventFilter(watched, event);
}

// Enter grades the answer, with or without shift keys and whether or not 确定 is enabled (the box
// is read-only then); every other key belongs to the box.
bool frmKs::txtZ_KeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    cmdOK_Click();
    return true;
}

void frmKs::setKindButtonsEnabled(bool enabled)
{
    for (QAbstractButton *button : m_kindButtons->buttons())
        button->setEnabled(enabled);
}

void frmKs::resetCounts()
{
    m_answeredCount = 0;
    m_rightCount = 0;
}

void frmKs::presentQuestion(Kind kind)
{
    setKindButtonsEnabled(false);
    cmdRep->setEnabled(false);
    cmdBack->setEnabled(false);
    cmdOK->setEnabled(true);
    txtZ->setReadOnly(false);
    labDefen->setText(QString());
    m_kind = kind;

    const practice::Question q = practice::drawQuestion(kind, services::random());
    txtOp->setText(q.op);
    txtX->setText(practice::numberText(q.x));
    txtY->setText(practice::numberText(q.y));

    txtZ->clear();
    txtZ->setAccessibleName(QStringLiteral("第%1题答案").arg(m_answeredCount + 1));
    txtZ->setFocus(Qt::OtherFocusReason);
}

void frmKs::cmdOK_Click()
{
    // An empty answer, one with anything but the digits 0 to 9, or no question on display: the
    // text stays in the box for the pupil to correct, and nothing else changes.
    const auto verdict = practice::grade(txtX->text(), txtOp->text(), txtY->text(), txtZ->text());
    if (!verdict)
        return;

    if (m_answeredCount == 0)
        m_startTime = services::clock().now();
    cmdOK->setEnabled(false);
    txtZ->setReadOnly(true);

    List2->addItem(verdict->line);
    if (verdict->right)
        ++m_rightCount;
    ++m_answeredCount;

    // The next question is presented as the kind's own button does.
    if (m_answeredCount < practice::kQuestionsPerSet)
        presentQuestion(m_kind);
    else
        finishSet();
}

void frmKs::finishSet()
{
    txtX->clear();
    txtOp->clear();
    txtY->clear();
    txtZ->clear();
    txtZ->setAccessibleName(QStringLiteral("答案"));

    labDefen->setText(practice::scoreText(practice::score(m_rightCount, m_answeredCount)));
    labTime->setText(practice::timeText(practice::secondsUsed(m_startTime, services::clock().now())));

    cmdRep->setEnabled(true);
    cmdBack->setEnabled(true);
    resetCounts();
}

void frmKs::cmdRep_Click()
{
    resetCounts();
    List2->clear();
    labDefen->setText(QString());
    setKindButtonsEnabled(true);
    cmdRep->setEnabled(false);
    cmdBack->setEnabled(false);
}

// Closing runs Form_Unload, which tells the calculator to come back.
void frmKs::cmdBack_Click()
{
    close();
}

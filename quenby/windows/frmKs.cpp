#include "windows/frmKs.h"

#include "core/Clock.h"
#include "core/RandomSource.h"
#include "core/Services.h"
#include "logic/Practice.h"
#include "widgets/Fonts.h"
#include "widgets/FormKit.h"
#include "widgets/Twips.h"
#include "widgets/WindowRegistry.h"
#include "windows/FrmCal.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// A set has this many questions.
constexpr int QuestionsPerSet = 10;

template <class W> W *makeWidget(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(name));
    twips::place(w, left, top, width, height);
    return w;
}

// A push button whose caption wraps onto further lines when it is wider than the button, as the
// two tall buttons beside the verdict list need. A break after Chinese punctuation is preferred.
class WrappingButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);

        const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                             shownCaption(caption, area.width()), QPalette::ButtonText);
    }

private:
    QString shownCaption(const QString &caption, int width) const
    {
        const QFontMetrics metrics = fontMetrics();
        if (metrics.horizontalAdvance(caption) <= width)
            return caption;
        for (const QChar mark : {QChar(0xFF0C), QChar(0x3001), QChar(0x3002)}) { // ，、。
            const qsizetype at = caption.indexOf(mark);
            if (at < 0 || at + 1 >= caption.size())
                continue;
            const QString first = caption.left(at + 1);
            const QString rest = caption.mid(at + 1);
            if (metrics.horizontalAdvance(first) <= width && metrics.horizontalAdvance(rest) <= width)
                return first + QLatin1Char('\n') + rest;
        }
        return caption;
    }
};

template <class B = QPushButton>
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, int left, int top,
                        int width, int height)
{
    auto *b = makeWidget<B>(parent, name, left, top, width, height);
    b->setText(caption);
    return b;
}

QLineEdit *makeBox(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *box = makeWidget<QLineEdit>(parent, name, left, top, width, height);
    box->setReadOnly(true);
    return box;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, int left, int top, int width,
                  int height)
{
    auto *label = makeWidget<QLabel>(parent, name, left, top, width, height);
    label->setText(caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmKs::frmKs(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmKs"));
    setWindowTitle(QStringLiteral("口算练习（学生用）"));
    // A window of fixed size: no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    twips::setClientSize(this, 5715, 5865);
    setFont(fonts::make(QStringLiteral("宋体"), 9));

    cmdAdd1 = makeButton(this, "cmdAdd1", QStringLiteral("10以内加减"), 240, 120, 1335, 375);
    cmdAdd2 = makeButton(this, "cmdAdd2", QStringLiteral("20以内加减"), 2160, 120, 1335, 375);
    cmdAdd3 = makeButton(this, "cmdAdd3", QStringLiteral("100以内加减"), 4080, 120, 1335, 375);
    cmdMul = makeButton(this, "cmdMul", QStringLiteral("表内乘法"), 240, 600, 1335, 375);
    cmdDiv = makeButton(this, "cmdDiv", QStringLiteral("表内除法"), 2160, 600, 1335, 375);
    cmdMd = makeButton(this, "cmdMd", QStringLiteral("较大的乘除"), 4080, 600, 1335, 375);

    txtX = makeBox(this, "txtX", 360, 1560, 615, 375);
    txtOp = makeBox(this, "txtOp", 960, 1560, 615, 375);
    txtY = makeBox(this, "txtY", 1560, 1560, 615, 375);
    Label1 = makeLabel(this, "Label1", QStringLiteral("="), 2280, 1680, 375, 255);
    Label1->setFont(fonts::make(QStringLiteral("黑体"), 15.75, true));
    // The sign is larger than its label is high: centred, it shows whole whatever the face's ascent.
    Label1->setAlignment(Qt::AlignCenter);
    txtZ = makeBox(this, "txtZ", 3000, 1560, 735, 375);
    cmdOK = makeButton(this, "cmdOK", QStringLiteral("确定"), 4080, 1560, 1335, 375);
    cmdOK->setEnabled(false);

    List2 = makeWidget<QListWidget>(this, "List2", 360, 2400, 3375, 2760);
    List2->setSortingEnabled(false);
    cmdRep = makeButton<WrappingButton>(this, "cmdRep", QStringLiteral("再来一次"), 4080, 2640, 1215, 855);
    cmdBack = makeButton<WrappingButton>(this, "cmdBack", QStringLiteral("不做了，休息一下"), 4080, 3960,
                                         1215, 735);

    Label4 = makeLabel(this, "Label4", QStringLiteral("用时："), 360, 5280, 855, 375);
    labTime = makeLabel(this, "labTime", QStringLiteral("shijian"), 960, 5280, 855, 375);
    Label2 = makeLabel(this, "Label2", QStringLiteral("得分："), 1800, 5280, 855, 375);
    labDefen = makeLabel(this, "labDefen", QStringLiteral("fenshu"), 2760, 5280, 2775, 375);
    labDefen->setFont(fonts::make(QStringLiteral("宋体"), 14.25, true));
    QPalette red = labDefen->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    labDefen->setPalette(red);

    const QList<QWidget *> tabOrder = {txtX,   txtZ,   cmdOK,   List2, cmdRep, cmdAdd1, cmdAdd2,
                                       cmdMul, cmdDiv, cmdAdd3, cmdMd, txtOp,  txtY,    cmdBack};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    txtX->setFocus();

    connect(cmdAdd1, &QPushButton::clicked, this, &frmKs::cmdAdd1_Click);
    connect(cmdAdd2, &QPushButton::clicked, this, &frmKs::cmdAdd2_Click);
    connect(cmdAdd3, &QPushButton::clicked, this, &frmKs::cmdAdd3_Click);
    connect(cmdMul, &QPushButton::clicked, this, &frmKs::cmdMul_Click);
    connect(cmdDiv, &QPushButton::clicked, this, &frmKs::cmdDiv_Click);
    connect(cmdMd, &QPushButton::clicked, this, &frmKs::cmdMd_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmKs::cmdOK_Click);
    connect(cmdRep, &QPushButton::clicked, this, &frmKs::cmdRep_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmKs::cmdBack_Click);
    txtZ->installEventFilter(this);

    form::centreOnScreen(this);
    Form_Load();
}

void frmKs::Form_Load()
{
    if (auto *cal = WindowRegistry::instance().find<FrmCal>())
        cal->hide();
    services::random().reseed();
    m_answeredCount = 0;
    m_rightCount = 0;
    m_wrongCount = 0;
}

void frmKs::Form_Unload()
{
    WindowRegistry::instance().show<FrmCal>();
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

// Enter grades the answer, with or without shift keys and whether or not 确定 is enabled; every
// other key belongs to the box.
bool frmKs::txtZ_KeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    cmdOK_Click();
    return true;
}

void frmKs::cmdAdd1_Click()
{
    presentQuestion(practice::AddSub10);
}
void frmKs::cmdAdd2_Click()
{
    presentQuestion(practice::AddSub20);
}
void frmKs::cmdAdd3_Click()
{
    presentQuestion(practice::AddSub100);
}
void frmKs::cmdMul_Click()
{
    presentQuestion(practice::Times);
}
void frmKs::cmdDiv_Click()
{
    presentQuestion(practice::Divide);
}
void frmKs::cmdMd_Click()
{
    presentQuestion(practice::LargeMulDiv);
}

void frmKs::setKindButtonsEnabled(bool enabled)
{
    for (QPushButton *b : {cmdAdd1, cmdAdd2, cmdAdd3, cmdMul, cmdDiv, cmdMd})
        b->setEnabled(enabled);
}

void frmKs::presentQuestion(int kind)
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
    else
        ++m_wrongCount;
    ++m_answeredCount;

    if (m_answeredCount < QuestionsPerSet) {
        switch (m_kind) {
        case 1:
            cmdAdd1_Click();
            break;
        case 2:
            cmdAdd2_Click();
            break;
        case 3:
            cmdAdd3_Click();
            break;
        case 4:
            cmdMul_Click();
            break;
        case 5:
            cmdDiv_Click();
            break;
        case 6:
            cmdMd_Click();
            break;
        }
        return;
    }
    finishSet();
}

void frmKs::finishSet()
{
    txtX->clear();
    txtOp->clear();
    txtY->clear();
    txtZ->clear();

    labDefen->setText(practice::scoreText(practice::score(m_rightCount, m_answeredCount)));
    labTime->setText(practice::timeText(practice::secondsUsed(m_startTime, services::clock().now())));

    cmdRep->setEnabled(true);
    cmdBack->setEnabled(true);

    m_answeredCount = 0;
    m_rightCount = 0;
    m_wrongCount = 0;
}

void frmKs::cmdRep_Click()
{
    m_answeredCount = 0;
    m_rightCount = 0;
    m_wrongCount = 0;
    List2->clear();
    labDefen->setText(QString());
    setKindButtonsEnabled(true);
    cmdRep->setEnabled(false);
    cmdBack->setEnabled(false);
}

// Closing runs Form_Unload, which brings the calculator back.
void frmKs::cmdBack_Click()
{
    close();
}

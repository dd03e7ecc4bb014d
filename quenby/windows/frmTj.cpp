#include "windows/frmTj.h"

#include "logic/ScoreStatistics.h"
#include "widgets/Fonts.h"
#include "widgets/FormKit.h"
#include "widgets/Twips.h"
#include "widgets/WindowRegistry.h"
#include "windows/FrmCal.h"
#include "windows/frmSave.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>

namespace {

// Light orange behind blue text, the colours of every result box.
const QColor kResultBackground(255, 224, 192);
const QColor kResultText(Qt::blue);

// A result label stands centred beside its box: the box is 400 twips high, the label 255.
constexpr int kLabelOffset = 75;
constexpr int kLabelHeight = 255;
constexpr int kBoxHeight = 400;

} // namespace

frmTj::frmTj(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmTj"));
    setWindowTitle(QStringLiteral("成绩统计（教师用）"));
    // A fixed-size window: nothing to maximise.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    twips::setClientSize(this, 4875, 7620);

    Label1 = new QLabel(QStringLiteral("输入："), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(fonts::make(QStringLiteral("宋体"), 10.5, true));
    twips::place(Label1, 120, 195, 855, 255);

    txtInput = new QLineEdit(this);
    txtInput->setObjectName(QStringLiteral("txtInput"));
    twips::place(txtInput, 600, 120, 855, 375);
    txtInput->installEventFilter(this);

    const QFont buttonFont = fonts::make(QStringLiteral("楷体_GB2312"), 14.25, true);
    auto button = [&](const char *name, const QString &text, int left, int top) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(buttonFont);
        twips::place(b, left, top, 1200, 400);
        return b;
    };
    cmdIn = button("cmdIn", QStringLiteral("--->"), 120, 600);
    cmdOut = button("cmdOut", QStringLiteral("<---"), 120, 1380);
    cmdTongj = button("cmdTongj", QStringLiteral("统计"), 120, 2160);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    twips::place(List1, 1560, 120, 1905, 2400);

    cmdClear = button("cmdClear", QStringLiteral("清除"), 3600, 480);
    cmdSave = button("cmdSave", QStringLiteral("保存"), 3600, 1260);
    cmdBack = button("cmdBack", QStringLiteral("返回"), 3600, 2040);

    lblSum = resultLabel("lblSum", QStringLiteral("总分："), 285, 2880, 1500);
    txtSum = resultBox("txtSum", 1800, 2880, 2868);
    lblAve = resultLabel("lblAve", QStringLiteral("平均分："), 285, 3405, 1500);
    txtAve = resultBox("txtAve", 1800, 3405, 2868);
    lblStd = resultLabel("lblStd", QStringLiteral("标准差："), 285, 3930, 1500);
    txtStd = resultBox("txtStd", 1800, 3930, 2868);
    lblmax = resultLabel("lblmax", QStringLiteral("最高分："), 285, 4455, 1500);
    txtmax = resultBox("txtmax", 1800, 4455, 945);
    lbl100 = resultLabel("lbl100", QStringLiteral("100分："), 2520, 4455, 1140);
    txt100 = resultBox("txt100", 3720, 4455, 945);
    lblmin = resultLabel("lblmin", QStringLiteral("最低分："), 285, 4980, 1500);
    txtmin = resultBox("txtmin", 1800, 4980, 945);
    lbl90 = resultLabel("lbl90", QStringLiteral("90分："), 2520, 4980, 1140);
    txt90 = resultBox("txt90", 3720, 4980, 945);
    lblyo = resultLabel("lblyo", QStringLiteral("优(>=85):"), 285, 5505, 1500);
    txtyo = resultBox("txtyo", 1800, 5505, 945);
    lbl80 = resultLabel("lbl80", QStringLiteral("80分："), 2520, 5505, 1140);
    txt80 = resultBox("txt80", 3720, 5505, 945);
    lblli = resultLabel("lblli", QStringLiteral("良(75~84):"), 285, 6030, 1500);
    txtli = resultBox("txtli", 1800, 6030, 945);
    lbl70 = resultLabel("lbl70", QStringLiteral("70分："), 2520, 6030, 1140);
    txt70 = resultBox("txt70", 3720, 6030, 945);
    lbljg = resultLabel("lbljg", QStringLiteral("及格(60~74):"), 285, 6555, 1500);
    txtjg = resultBox("txtjg", 1800, 6555, 945);
    lbl60 = resultLabel("lbl60", QStringLiteral("60分："), 2520, 6555, 1140);
    txt60 = resultBox("txt60", 3720, 6555, 945);
    lblbjg = resultLabel("lblbjg", QStringLiteral("不及格(<60):"), 285, 7080, 1500);
    txtbjg = resultBox("txtbjg", 1800, 7080, 2865);

    // The second labels of rows 4 to 8 reach under the boxes to their left: their texts stand
    // right-aligned next to their own boxes, and every box lies above every label.
    for (QLabel *label : {lbl100, lbl90, lbl80, lbl70, lbl60})
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel *label : findChildren<QLabel *>())
        label->lower();

    m_results = {txtSum, txtAve, txtStd, txtmax, txtmin, txtyo, txtli,
                 txtjg,  txtbjg, txt100, txt90,  txt80,  txt70, txt60};

    // The entry box first, then the buttons and the list, then the results row by row.
    QWidget *order[]
        = {txtInput, cmdIn,  cmdOut, cmdTongj, List1, cmdClear, cmdSave, cmdBack, txtSum, txtAve, txtStd,
           txtmax,   txt100, txtmin, txt90,    txtyo, txt80,    txtli,   txt70,   txtjg,  txt60,  txtbjg};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(cmdIn, &QPushButton::clicked, this, &frmTj::cmdIn_Click);
    connect(cmdOut, &QPushButton::clicked, this, &frmTj::cmdOut_Click);
    connect(cmdTongj, &QPushButton::clicked, this, &frmTj::cmdTongj_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmTj::cmdClear_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmTj::cmdSave_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmTj::cmdBack_Click);

    txtInput->setFocus();
    form::centreOnScreen(this);
}

QLabel *frmTj::resultLabel(const char *name, const QString &text, int left, int boxTop, int width)
{
    const QFont font = fonts::make(QStringLiteral("幼圆"), 12);
    auto *label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    twips::place(label, left, boxTop + kLabelOffset, width, kLabelHeight);
    return label;
}

QLineEdit *frmTj::resultBox(const char *name, int left, int top, int width)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    QPalette palette = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, kResultBackground);
        palette.setColor(group, QPalette::Text, kResultText);
    }
    box->setPalette(palette);
    twips::place(box, left, top, width, kBoxHeight);
    return box;
}

int frmTj::markCount() const
{
    return List1->count();
}

QStringList frmTj::markTexts() const
{
    QStringList marks;
    marks.reserve(List1->count());
    for (int i = 0; i < List1->count(); ++i)
        marks << List1->item(i)->text();
    return marks;
}

QStringList frmTj::resultTexts() const
{
    QStringList texts;
    for (const QLineEdit *box : m_results)
        texts << box->text();
    return texts;
}

void frmTj::cmdIn_Click()
{
    const QString mark = txtInput->text();
    // A text that is no mark is ignored without a word; it stays in the box to be corrected.
    if (!IsAcceptableMark(mark))
        return;
    List1->addItem(mark);
    List1->scrollToBottom();
    txtInput->clear();
    txtInput->setFocus();
}

void frmTj::cmdOut_Click()
{
    // Only a selected mark is taken out; with none selected nothing is removed.
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    if (!selected.isEmpty()) {
        delete List1->takeItem(List1->row(selected.front()));
        // The next "<---" needs a new choice: no neighbour is selected in its place.
        List1->clearSelection();
        List1->setCurrentItem(nullptr);
    }
    txtInput->setFocus();
}

void frmTj::cmdTongj_Click()
{
    txtInput->setFocus();
    if (List1->count() == 0)
        return;
    const QStringList texts = ComputeStatistics(markTexts());
    for (std::size_t i = 0; i < m_results.size(); ++i) {
        m_results[i]->setText(texts.value(static_cast<qsizetype>(i)));
        m_results[i]->setCursorPosition(0);
    }
}

void frmTj::cmdClear_Click()
{
    List1->clear();
    for (QLineEdit *box : m_results)
        box->clear();
    txtInput->setFocus();
}

void frmTj::cmdSave_Click()
{
    // The calculator's boxes are emptied at once, whether or not the teacher then saves, so
    // the save dialog has only the marks to write.
    if (FrmCal *calculator = WindowRegistry::instance().find<FrmCal>())
        calculator->clearBoxes();
    WindowRegistry::instance().show<frmSave>();
}

void frmTj::cmdBack_Click()
{
    if (frmSave *dialog = WindowRegistry::instance().find<frmSave>())
        dialog->hide();
    close();
    WindowRegistry::instance().show<FrmCal>();
}

void frmTj::txtInput_KeyDown(int keyCode, int /*shift*/)
{
    if (keyCode == 13)
        cmdIn_Click();
}

void frmTj::Form_Unload()
{
    // Leaving the statistics brings the calculator back, a fresh one if it had been closed.
    WindowRegistry::instance().show<FrmCal>();
}

void frmTj::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

bool frmTj::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtInput && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers();
        const int shift = (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0)
            | (mods & Qt::AltModifier ? 4 : 0);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        txtInput_KeyDown(enter ? 13 : key->key(), shift);
        if (enter)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

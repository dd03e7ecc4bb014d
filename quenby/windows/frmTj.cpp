#include "quenby/windows/frmTj.h"

#include "quenby/windows/MarkBox.h"

#include "platform/core/Clock.h"
#include "platform/core/Services.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/FormKit.h"
#include "platform/widgets/WindowRegistry.h"
#include "quenby/logic/ClassReport.h"
#include "quenby/logic/ExportText.h"
#include "quenby/logic/ScoreStatistics.h"
#include "quenby/report/ReportPages.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPalette>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

#include <utility>

namespace {

// Light orange behind blue text, the colours of every result box.
const QColor kResultBackground(255, 224, 192);
const QColor kResultText(Qt::blue);

// A result label stands centred beside its box: the box is 400 twips high, the label 255.
constexpr int kLabelOffset = 75;
constexpr int kLabelHeight = 255;
constexpr int kBoxHeight = 400;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 400;

// The two columns of result rows: label and box on the left, and a second label and box to the right
// in rows 4 to 8.
enum class Column { First, Second };

struct ColumnPlace {
    int labelLeft;
    int labelWidth;
    int boxLeft;
};

ColumnPlace placeOf(Column column)
{
    if (column == Column::First)
        return {.labelLeft = 285, .labelWidth = 1500, .boxLeft = 1800};
    return {.labelLeft = 2520, .labelWidth = 1140, .boxLeft = 3720};
}

// One result box with its label.
struct ResultRow {
    QLineEdit *frmTj::*member;
    const char *box;
    const char *label;
    const char16_t *caption;
    Column column;
    int top;
    int width;
};

// What a screen reader says for a result box: its label without the colon.
QString spokenName(const QString &caption)
{
    QString name = caption;
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QChar(0xFF1A)))
        name.chop(1);
    return name;
}

void paintResultBox(QLineEdit *box)
{
    box->setReadOnly(true);
    QPalette palette = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, kResultBackground);
        palette.setColor(group, QPalette::Text, kResultText);
    }
    box->setPalette(palette);
}

} // namespace

frmTj::frmTj(QWidget *parent) : QWidget(parent)
{
    form::setupFixedWindow(this, QStringLiteral("frmTj"), QStringLiteral("成绩统计（教师用）"), 4875, 7620);
    addEntryControls();
    addButtons();
    addResults();
    addReportPrinting();

    // The entry box first, then the buttons and the list, then the results row by row.
    form::chainTabOrder({txtInput, cmdIn,  cmdOut, cmdTongj, List1,  cmdClear, cmdSave, cmdBack,
                         txtSum,   txtAve, txtStd, txtmax,   txt100, txtmin,   txt90,   txtyo,
                         txt80,    txtli,  txt70,  txtjg,    txt60,  txtbjg});
    txtInput->setFocus();
    form::centreOnScreen(this);
}

frmTj::~frmTj()
{
    // The list's model still signals while the list is destroyed, when this window is gone.
    List1->model()->disconnect(this);
}

void frmTj::addEntryControls()
{
    Label1 = form::addLabel(this, "Label1", QStringLiteral("输入："), {120, 195, 855, 255},
                            fonts::make(fonts::kSong, 10.5, true));
    auto *marks = form::add<MarkBox>(this, "txtInput", {600, 120, 855, 375});
    txtInput = marks;
    txtInput->setAccessibleName(QStringLiteral("分数输入"));
    form::useChineseEditMenu(txtInput, [marks] { marks->pasteFrom(); });
    connect(marks, &MarkBox::marksPasted, this, &frmTj::addPastedMarks);
    // Enter adds the mark as "--->" does.
    connect(txtInput, &QLineEdit::returnPressed, this, &frmTj::cmdIn_Click);

    List1 = form::add<QListWidget>(this, "List1", {1560, 120, 1905, 2400});
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setAccessibleName(QStringLiteral("分数列表"));
}

void frmTj::addButtons()
{
    // Each with the name a screen reader says for it.
    const QFont font = fonts::make(fonts::kKai, 14.25, true);
    const auto addButton = [this, &font](const char *name, const QString &caption, const QString &spoken,
                                         int left, int top, void (frmTj::*slot)()) {
        auto *button
            = form::add<QPushButton>(this, name, caption, {left, top, kButtonWidth, kButtonHeight}, font);
        button->setAccessibleName(spoken);
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    // clang-format off
    cmdIn = addButton("cmdIn", QStringLiteral("--->"), QStringLiteral("加入列表"), 120, 600, &frmTj::cmdIn_Click);
    cmdOut = addButton("cmdOut", QStringLiteral("<---"), QStringLiteral("移出列表"), 120, 1380, &frmTj::cmdOut_Click);
    cmdTongj = addButton("cmdTongj", QStringLiteral("统计"), QStringLiteral("统计"), 120, 2160, &frmTj::cmdTongj_Click);
    cmdClear = addButton("cmdClear", QStringLiteral("清除"), QStringLiteral("清除"), 3600, 480, &frmTj::cmdClear_Click);
    cmdSave = addButton("cmdSave", QStringLiteral("保存"), QStringLiteral("保存"), 3600, 1260, &frmTj::cmdSave_Click);
    cmdBack = addButton("cmdBack", QStringLiteral("返回"), QStringLiteral("返回"), 3600, 2040, &frmTj::cmdBack_Click);
    // clang-format on
}

void frmTj::addResults()
{
    // In the order of the statistics' texts.
    // clang-format off
    static const ResultRow rows[] = {
        {.member = &frmTj::txtSum, .box = "txtSum", .label = "lblSum", .caption = u"总分：", .column = Column::First, .top = 2880, .width = 2868},
        {.member = &frmTj::txtAve, .box = "txtAve", .label = "lblAve", .caption = u"平均分：", .column = Column::First, .top = 3405, .width = 2868},
        {.member = &frmTj::txtStd, .box = "txtStd", .label = "lblStd", .caption = u"标准差：", .column = Column::First, .top = 3930, .width = 2868},
        {.member = &frmTj::txtmax, .box = "txtmax", .label = "lblmax", .caption = u"最高分：", .column = Column::First, .top = 4455, .width = 945},
        {.member = &frmTj::txtmin, .box = "txtmin", .label = "lblmin", .caption = u"最低分：", .column = Column::First, .top = 4980, .width = 945},
        {.member = &frmTj::txtyo, .box = "txtyo", .label = "lblyo", .caption = u"优(>=85):", .column = Column::First, .top = 5505, .width = 945},
        {.member = &frmTj::txtli, .box = "txtli", .label = "lblli", .caption = u"良(75~84):", .column = Column::First, .top = 6030, .width = 945},
        {.member = &frmTj::txtjg, .box = "txtjg", .label = "lbljg", .caption = u"及格(60~74):", .column = Column::First, .top = 6555, .width = 945},
        {.member = &frmTj::txtbjg, .box = "txtbjg", .label = "lblbjg", .caption = u"不及格(<60):", .column = Column::First, .top = 7080, .width = 2865},
        {.member = &frmTj::txt100, .box = "txt100", .label = "lbl100", .caption = u"100分：", .column = Column::Second, .top = 4455, .width = 945},
        {.member = &frmTj::txt90, .box = "txt90", .label = "lbl90", .caption = u"90分：", .column = Column::Second, .top = 4980, .width = 945},
        {.member = &frmTj::txt80, .box = "txt80", .label = "lbl80", .caption = u"80分：", .column = Column::Second, .top = 5505, .width = 945},
        {.member = &frmTj::txt70, .box = "txt70", .label = "lbl70", .caption = u"70分：", .column = Column::Second, .top = 6030, .width = 945},
        {.member = &frmTj::txt60, .box = "txt60", .label = "lbl60", .caption = u"60分：", .column = Column::Second, .top = 6555, .width = 945},
    };
    // clang-format on
    const QFont labelFont = fonts::make(fonts::kYouyuan, 12);
    std::size_t i = 0;
    for (const ResultRow &row : rows) {
        // The second labels of rows 4 to 8 reach under the boxes to their left: their texts stand
        // right-aligned next to their own boxes.
        const ColumnPlace at = placeOf(row.column);
        const Qt::Alignment align = row.column == Column::First ? Qt::AlignLeft : Qt::AlignRight;
        const QString caption = QString::fromUtf16(row.caption);
        QLabel *label = form::addLabel(this, row.label, caption,
                                       {at.labelLeft, row.top + kLabelOffset, at.labelWidth, kLabelHeight},
                                       labelFont, align);
        // Every box lies above every label.
        label->lower();
        QLineEdit *box = form::add<QLineEdit>(this, row.box, {at.boxLeft, row.top, row.width, kBoxHeight});
        paintResultBox(box);
        box->setAccessibleName(spokenName(caption));
        form::useChineseEditMenu(box);
        label->setBuddy(box);
        this->*row.member = box;
        m_results[i++] = box;
    }
}

void frmTj::addReportPrinting()
{
    m_printReport = new QAction(QStringLiteral("打印成绩报告…"), this);
    m_printReport->setObjectName(QStringLiteral("actPrintReport"));
    m_printReport->setShortcut(QKeySequence::Print);
    m_printReport->setShortcutContext(Qt::WindowShortcut);
    m_printReport->setEnabled(false);
    addAction(m_printReport);
    connect(m_printReport, &QAction::triggered, this, &frmTj::printReport);
    // The list's own right-click menu holds just this entry.
    List1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(List1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        auto *menu = new QMenu(List1);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addAction(m_printReport);
        menu->popup(List1->viewport()->mapToGlobal(at));
    });
    QAbstractItemModel *model = List1->model();
    const auto follow = [this] { m_printReport->setEnabled(List1->count() > 0); };
    connect(model, &QAbstractItemModel::rowsInserted, this, follow);
    connect(model, &QAbstractItemModel::rowsRemoved, this, follow);
    connect(model, &QAbstractItemModel::modelReset, this, follow);
}

QAction *frmTj::printReportAction() const
{
    return m_printReport;
}

void frmTj::printReport()
{
    if (List1->count() == 0)
        return;
    const classreport::Content content
        = classreport::makeContent(markTexts(), exporttext::timeStampText(services::clock().now()));
    auto *printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageLayout(reportpages::pageLayout());
    printer->setDocName(content.title);
    auto *preview = new QPrintPreviewDialog(printer, this);
    preview->setObjectName(QStringLiteral("reportPreview"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(QStringLiteral("打印预览 - ") + content.title);
    connect(preview, &QPrintPreviewDialog::paintRequested, preview,
            [content](QPrinter *target) { reportpages::paint(*target, content); });
    connect(preview, &QObject::destroyed, [printer] { delete printer; });
    preview->resize(preview->sizeHint().expandedTo(QSize(800, 700)));
    preview->open();
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
    if (!stats::IsAcceptableMark(mark))
        return;
    List1->addItem(mark);
    List1->scrollToBottom();
    txtInput->clear();
    txtInput->setFocus();
}

void frmTj::addPastedMarks(const QStringList &marks)
{
    List1->addItems(marks);
    List1->scrollToBottom();
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
    const QStringList texts = stats::ComputeStatistics(markTexts());
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

void frmTj::setContentSource(std::function<SaveContent()> source)
{
    m_contentSource = std::move(source);
}

void frmTj::cmdSave_Click()
{
    emit savingMarks();
    WindowRegistry::instance().show<frmSave>()->setContentSource(m_contentSource);
}

void frmTj::cmdBack_Click()
{
    if (frmSave *dialog = WindowRegistry::instance().find<frmSave>())
        dialog->hide();
    close();
}

void frmTj::Form_Unload()
{
    // Leaving the statistics brings the calculator back, a fresh one if it had been closed.
    emit closed();
}

void frmTj::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

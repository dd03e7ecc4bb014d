#include "windows/FrmCal.h"

#include "engine/EvaluateCommand.h"
#include "logic/CaretEditing.h"
#include "widgets/Fonts.h"
#include "widgets/FormKit.h"
#include "widgets/Twips.h"
#include "widgets/WindowRegistry.h"
#include "windows/frmAbout.h"
#include "windows/frmHelp.h"
#include "windows/frmKs.h"
#include "windows/frmSave.h"
#include "windows/frmTj.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <string_view>

namespace {

const QString kSong = QStringLiteral("宋体");

// The expression box: a plain text box that tells the window about its keys and mouse buttons,
// and leaves the clipboard keys to the window's own clipboard commands.
class ExpressionBox : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

    std::function<void(QKeyEvent *)> onKeyDown;
    std::function<void(QMouseEvent *)> onMouseDown;
    std::function<void(QMouseEvent *)> onMouseUp;
    std::function<void()> afterInput;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::ShortcutOverride) {
            auto *key = static_cast<QKeyEvent *>(e);
            if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut)
                || key->matches(QKeySequence::Paste)) {
                // Not ours: the window's copy, cut and paste take these keys.
                e->ignore();
                return true;
            }
        }
        return QPlainTextEdit::event(e);
    }

    void keyPressEvent(QKeyEvent *e) override
    {
        if (onKeyDown)
            onKeyDown(e);
        QPlainTextEdit::keyPressEvent(e);
        if (afterInput)
            afterInput();
    }

    void inputMethodEvent(QInputMethodEvent *e) override
    {
        QPlainTextEdit::inputMethodEvent(e);
        if (afterInput)
            afterInput();
    }

    void mousePressEvent(QMouseEvent *e) override
    {
        QPlainTextEdit::mousePressEvent(e);
        if (onMouseDown)
            onMouseDown(e);
    }

    void mouseReleaseEvent(QMouseEvent *e) override
    {
        QPlainTextEdit::mouseReleaseEvent(e);
        if (onMouseUp)
            onMouseUp(e);
    }
};

std::u16string_view view(const QString &s)
{
    return std::u16string_view(reinterpret_cast<const char16_t *>(s.utf16()), s.size());
}

// Makes one change to a text box through its document, so that the box's own undo keeps working.
void applyEdit(QPlainTextEdit *box, const caret::Edit &edit)
{
    if (!edit.changesText())
        return;
    QTextCursor cursor(box->document());
    cursor.setPosition(edit.from);
    cursor.setPosition(edit.to, QTextCursor::KeepAnchor);
    if (edit.insert.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(edit.insert);
}

int boxLength(const QPlainTextEdit *box)
{
    return box->document()->characterCount() - 1;
}

// The keypad: index, caption, tooltip, left, top, width. Heights are all 615.
struct KeyCell {
    int index;
    const char *caption;
    const char *tip;
    int left;
    int top;
    int width;
};

constexpr int kCol[] = {240, 1080, 1920, 2820, 3720};
constexpr int kRow[] = {3240, 3960, 4680, 5400, 6120};
constexpr int kKey = 615;
constexpr int kWide = 750;

const KeyCell kKeypad[] = {
    {0, "(", "左括号", kCol[0], kRow[0], kKey},     {1, ")", "右括号", kCol[1], kRow[0], kKey},
    {2, "^", "乘方", kCol[2], kRow[0], kKey},       {3, "√", "开方", kCol[3], kRow[0], kKey},
    {15, "exp()", "指数", kCol[4], kRow[0], kWide}, {4, "7", "数字7", kCol[0], kRow[1], kKey},
    {5, "8", "数字8", kCol[1], kRow[1], kKey},      {6, "9", "数字9", kCol[2], kRow[1], kKey},
    {7, "/", "除法", kCol[3], kRow[1], kKey},       {20, "ln()", "自然对数", kCol[4], kRow[1], kWide},
    {8, "4", "数字4", kCol[0], kRow[2], kKey},      {9, "5", "数字5", kCol[1], kRow[2], kKey},
    {10, "6", "数字6", kCol[2], kRow[2], kKey},     {11, "*", "乘法", kCol[3], kRow[2], kKey},
    {21, "sin()", "正弦", kCol[4], kRow[2], kWide}, {12, "1", "数字1", kCol[0], kRow[3], kKey},
    {13, "2", "数字2", kCol[1], kRow[3], kKey},     {14, "3", "数字3", kCol[2], kRow[3], kKey},
    {18, "-", "减法", kCol[3], kRow[3], kKey},      {22, "cos()", "余弦", kCol[4], kRow[3], kWide},
    {17, "0", "数字0", 240, kRow[4], 1200},         {16, ".", "小数点", 1560, kRow[4], 1200},
    {19, "+", "加法", kCol[3], kRow[4], kKey},      {23, "tan()", "正切", kCol[4], kRow[4], kWide},
};

// Keyboard order of the keypad: rows 1 to 4 without column 5, then "0", "." and "+", then
// column 5 from the top.
constexpr int kKeypadTabOrder[]
    = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 18, 17, 16, 19, 15, 20, 21, 22, 23};

// The toolbar: key, caption and picture of buttons 1 to 8.
struct ToolCell {
    const char *key;
    const char *caption;
};

const ToolCell kToolbar[] = {
    {"save", "保存"},   {"copy", "复制"},    {"cut", "剪切"},    {"paste", "粘贴"},
    {"tongji", "统计"}, {"kousuan", "口算"}, {"notice", "帮助"}, {"exit", "退出"},
};

QIcon resourceIcon(const QString &fileName)
{
    return QIcon(QStringLiteral(":/quenby/resources/") + fileName);
}

} // namespace

FrmCal::FrmCal(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quenby"));
    // The window's own face: every widget without a font of its own, the menus included, uses it.
    setFont(fonts::make(kSong, 9));
    setWindowIcon(resourceIcon(QStringLiteral("quenby.png")));
    // A fixed-size window: nothing to maximise.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    // The only pop-up menu of this window is mnuEdit over txtIn.
    setContextMenuPolicy(Qt::NoContextMenu);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    twips::setClientSize(client, 4740, 7140);
    setCentralWidget(client);

    buildMenus();
    buildToolbar();
    buildBoxesAndButtons();
    buildKeypad();
    buildStatusBar();
    setTabOrder();

    // The client area has a fixed size, so the window has too; the menu bar comes on top of it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    form::centreOnScreen(this);

    Form_Load();
}

void FrmCal::Form_Load()
{
    txtIn->setPlainText(QString());
    txtOut->setPlainText(QString());
    m_caretPos = 0;
    m_clipText.clear();
    txtIn_Change();
    txtIn->setFocus(Qt::OtherFocusReason);
}

void FrmCal::buildMenus()
{
    auto addEntry = [this](QMenu *menu, const char *name, const char *caption, void (FrmCal::*slot)()) {
        QAction *action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    mnuFile = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    addEntry(mnuFile, "mnuFileSave", "保存", &FrmCal::mnuFileSave_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    addEntry(mnuFile, "muFileExit", "退出", &FrmCal::muFileExit_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));

    // The clipboard entries take every clipboard key of the platform (Ctrl+C first, also
    // Ctrl+Insert and the like), so that none of them reaches the box's own clipboard.
    mnuEdit = menuBar()->addMenu(QStringLiteral("编辑(&E)"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    addEntry(mnuEdit, "mnuEditCopy", "复制", &FrmCal::mnuEditCopy_Click)->setShortcuts(QKeySequence::Copy);
    addEntry(mnuEdit, "mnuEditCut", "剪切", &FrmCal::mnuEditCut_Click)->setShortcuts(QKeySequence::Cut);
    addEntry(mnuEdit, "mnuEditPaste", "粘贴", &FrmCal::mnuEditPaste_Click)->setShortcuts(QKeySequence::Paste);

    mnuJx = menuBar()->addMenu(QStringLiteral("伙伴程序(&K)"));
    mnuJx->setObjectName(QStringLiteral("mnuJx"));
    addEntry(mnuJx, "mnuJxTj", "成绩统计（教师用）", &FrmCal::mnuJxTj_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    addEntry(mnuJx, "mnuJxKs", "口算练习（学生用）", &FrmCal::mnuJxKs_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));

    mnuHelp = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    addEntry(mnuHelp, "mnuHelpHelp", "帮助", &FrmCal::mnuHelpHelp_Click);
    addEntry(mnuHelp, "mnuHelpNotice", "关于", &FrmCal::mnuHelpNotice_Click);
}

void FrmCal::buildToolbar()
{
    Toolbar1 = new QToolBar(centralWidget());
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setFont(fonts::make(kSong, 9));
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // Eight equal buttons side by side fill the width of the window.
    Toolbar1->setStyleSheet(QStringLiteral("QToolBar { border: none; padding: 0px; spacing: 0px; }"));
    twips::place(Toolbar1, 0, 0, 4740, 855);
    const int buttonWidth = twips::toPixels(4740) / 8;

    for (int i = 0; i < 8; ++i) {
        const int number = i + 1;
        const QString key = QLatin1String(kToolbar[i].key);
        QAction *action = Toolbar1->addAction(resourceIcon(QStringLiteral("toolbar-%1.png").arg(key)),
                                              QString::fromUtf8(kToolbar[i].caption));
        action->setObjectName(key);
        action->setData(number);
        if (QWidget *button = Toolbar1->widgetForAction(action)) {
            button->setObjectName(key);
            button->setFixedWidth(buttonWidth);
        }
        // Queued, so that the button has finished with its click before the command runs: the
        // last button ends the program and takes the button with it.
        connect(
            action, &QAction::triggered, this, [this, number] { Toolbar1_ButtonClick(number); },
            Qt::QueuedConnection);
    }
}

void FrmCal::buildBoxesAndButtons()
{
    QWidget *client = centralWidget();

    auto *box = new ExpressionBox(client);
    txtIn = box;
    txtIn->setObjectName(QStringLiteral("txtIn"));
    txtIn->setFont(fonts::make(kSong, 10.5));
    txtIn->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtIn->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtIn->setTabChangesFocus(true);
    txtIn->setContextMenuPolicy(Qt::NoContextMenu);
    twips::place(txtIn, 240, 840, 4215, 975);
    box->onKeyDown = [this](QKeyEvent *e) { txtIn_KeyDown(e->key(), e->modifiers()); };
    box->afterInput = [this] { followCaret(); };
    box->onMouseDown
        = [this](QMouseEvent *e) { txtIn_MouseDown(e->button(), e->modifiers(), e->position()); };
    box->onMouseUp = [this](QMouseEvent *e) {
        txtIn_MouseUp(e->button(), e->modifiers(), e->position());
        if (e->button() == Qt::RightButton)
            e->accept();
    };
    connect(txtIn, &QPlainTextEdit::textChanged, this, &FrmCal::txtIn_Change);

    auto makeButton = [client](const char *name, const char *caption, const char *tip) {
        auto *button = new QPushButton(QString::fromUtf8(caption), client);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(QString::fromUtf8(tip));
        button->setFont(fonts::make(kSong, 9));
        return button;
    };

    cmdCal = makeButton("cmdCal", "=", "求值");
    cmdCal->setFont(fonts::make(QStringLiteral("黑体"), 15.75, true));
    twips::place(cmdCal, 240, 1920, 615, 495);
    connect(cmdCal, &QPushButton::clicked, this, &FrmCal::cmdCal_Click);

    txtOut = new QPlainTextEdit(client);
    txtOut->setObjectName(QStringLiteral("txtOut"));
    txtOut->setReadOnly(true);
    txtOut->setFont(fonts::make(kSong, 12));
    txtOut->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtOut->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtOut->setTabChangesFocus(true);
    QPalette outPalette = txtOut->palette();
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        outPalette.setColor(group, QPalette::Text, Qt::blue);
        outPalette.setColor(group, QPalette::Base, buttonFace);
    }
    txtOut->setPalette(outPalette);
    twips::place(txtOut, 960, 1920, 3495, 495);

    cmdClr = makeButton("cmdClr", "CLR", "清除");
    twips::place(cmdClr, 240, 2520, 1200, 615);
    connect(cmdClr, &QPushButton::clicked, this, &FrmCal::cmdClr_Click);

    cmdLeft = makeButton("cmdLeft", "←", "光标左移");
    twips::place(cmdLeft, 1560, 2520, 750, 615);
    connect(cmdLeft, &QPushButton::clicked, this, &FrmCal::cmdLeft_Click);

    cmdRight = makeButton("cmdRight", "→", "光标右移");
    twips::place(cmdRight, 2400, 2520, 750, 615);
    connect(cmdRight, &QPushButton::clicked, this, &FrmCal::cmdRight_Click);

    cmdBack = makeButton("cmdBack", "Backspace", "向左删除");
    twips::place(cmdBack, 3240, 2520, 1200, 615);
    connect(cmdBack, &QPushButton::clicked, this, &FrmCal::cmdBack_Click);
}

void FrmCal::buildKeypad()
{
    for (const KeyCell &cell : kKeypad) {
        const QString caption = QString::fromUtf8(cell.caption);
        auto *button = new QPushButton(caption, centralWidget());
        button->setObjectName(QStringLiteral("Cmd_%1").arg(cell.index));
        button->setToolTip(QString::fromUtf8(cell.tip));
        const bool digitOrPoint = caption.size() == 1 && (caption[0].isDigit() || caption[0] == u'.');
        if (digitOrPoint)
            button->setFont(fonts::make(kSong, 12));
        else if (caption == u"^")
            button->setFont(fonts::make(kSong, 15.75));
        else
            button->setFont(fonts::make(kSong, 9, true));
        twips::place(button, cell.left, cell.top, cell.width, kKey);
        const int index = cell.index;
        connect(button, &QPushButton::clicked, this, [this, index] { Cmd_Click(index); });
        Cmd[index] = button;
    }
}

void FrmCal::buildStatusBar()
{
    StatusBar1 = new QStatusBar(centralWidget());
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFont(fonts::make(kSong, 9));
    twips::place(StatusBar1, 0, 6765, 4740, 375);

    auto makePanel = [this](const char *name) {
        auto *panel = new QLabel(StatusBar1);
        panel->setObjectName(QLatin1String(name));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
        return panel;
    };
    Panels_1 = makePanel("Panels_1");
    Panels_1->setText(QStringLiteral("提示"));
    Panels_1->setMinimumWidth(twips::toPixels(1440));
    Panels_2 = makePanel("Panels_2");
    StatusBar1->addWidget(Panels_1);
    StatusBar1->addWidget(Panels_2, 1);
}

void FrmCal::setTabOrder()
{
    QList<QWidget *> order = {txtIn, cmdCal, cmdClr, cmdLeft, cmdRight, cmdBack};
    for (int index : kKeypadTabOrder)
        order.append(Cmd[index]);
    order.append(txtOut);
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

QString FrmCal::inputText() const
{
    return caret::toCrLf(txtIn->toPlainText());
}

QString FrmCal::outputText() const
{
    return txtOut->toPlainText();
}

void FrmCal::clearBoxes()
{
    applyEdit(txtIn, caret::Edit {0, boxLength(txtIn), QString(), 0});
    txtOut->setPlainText(QString());
}

QString FrmCal::boxText() const
{
    return txtIn->toPlainText();
}

int FrmCal::restoreCaret()
{
    const int pos = caret::restore(boxText(), m_caretPos);
    placeCaret(pos);
    return pos;
}

void FrmCal::placeCaret(int pos)
{
    txtIn->setFocus(Qt::OtherFocusReason);
    QTextCursor cursor = txtIn->textCursor();
    cursor.setPosition(std::clamp(pos, 0, boxLength(txtIn)));
    txtIn->setTextCursor(cursor);
}

void FrmCal::followCaret()
{
    m_caretPos = txtIn->textCursor().position();
}

void FrmCal::Cmd_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(Cmd.size()) || !Cmd[index])
        return;
    restoreCaret();
    const caret::Edit edit = caret::insertAt(boxText(), m_caretPos, Cmd[index]->text());
    m_caretPos = edit.caretPos;
    applyEdit(txtIn, edit);
    placeCaret(m_caretPos);
}

void FrmCal::cmdLeft_Click()
{
    restoreCaret();
    m_caretPos = caret::left(boxText(), m_caretPos);
    placeCaret(m_caretPos);
}

void FrmCal::cmdRight_Click()
{
    restoreCaret();
    m_caretPos = caret::right(boxText(), m_caretPos);
    placeCaret(m_caretPos);
}

void FrmCal::cmdBack_Click()
{
    restoreCaret();
    const caret::Edit edit = caret::backspace(boxText(), m_caretPos);
    if (!edit.changesText())
        return;
    m_caretPos = edit.caretPos;
    applyEdit(txtIn, edit);
    placeCaret(m_caretPos);
}

void FrmCal::cmdClr_Click()
{
    clearBoxes();
}

void FrmCal::cmdCal_Click()
{
    txtOut->setPlainText(QString());
    const engine::Evaluation result = engine::EvaluateExpression(view(inputText()));
    if (result.hasNormalised) {
        const QString normalised = QString::fromStdU16String(result.normalised);
        const QString current = boxText();
        if (normalised != current) {
            // The caret stays beside the same character; the kept position is not touched.
            QTextCursor cursor = txtIn->textCursor();
            const int caretThere = caret::caretAfterNormalising(current, cursor.position());
            applyEdit(txtIn, caret::Edit {0, static_cast<int>(current.size()), normalised, 0});
            cursor.setPosition(std::clamp(caretThere, 0, boxLength(txtIn)));
            txtIn->setTextCursor(cursor);
        }
    }
    txtOut->setPlainText(QString::fromStdU16String(result.display));
}

void FrmCal::txtIn_Change()
{
    Panels_2->setText(caret::countPanelText(boxText()));
}

void FrmCal::txtIn_KeyDown(int key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        cmdCal_Click();
}

void FrmCal::txtIn_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, const QPointF &)
{
    followCaret();
}

void FrmCal::txtIn_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, const QPointF &pos)
{
    if (button != Qt::RightButton)
        return;
    QWidget *surface = txtIn->viewport();
    if (!surface->rect().contains(pos.toPoint()))
        return;
    mnuEdit->popup(surface->mapToGlobal(pos.toPoint()));
}

void FrmCal::mnuEditCopy_Click()
{
    m_clipText = txtIn->textCursor().selectedText();
    m_clipText.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

void FrmCal::mnuEditCut_Click()
{
    const QTextCursor selection = txtIn->textCursor();
    const QString text = boxText();
    const caret::Edit edit = caret::cut(text, selection.anchor(), selection.position());
    m_caretPos = edit.caretPos;
    m_clipText = text.mid(edit.from, edit.to - edit.from);
    applyEdit(txtIn, edit);
    placeCaret(m_caretPos);
}

void FrmCal::mnuEditPaste_Click()
{
    restoreCaret();
    const caret::Edit edit = caret::insertAt(boxText(), m_caretPos, m_clipText);
    m_caretPos = edit.caretPos;
    applyEdit(txtIn, edit);
    placeCaret(m_caretPos);
}

void FrmCal::mnuFileSave_Click()
{
    WindowRegistry::instance().show<frmSave>();
}

void FrmCal::muFileExit_Click()
{
    close();
}

void FrmCal::mnuJxTj_Click()
{
    WindowRegistry::instance().show<frmTj>();
}

void FrmCal::mnuJxKs_Click()
{
    // The practice window hides this one itself when it opens.
    WindowRegistry::instance().show<frmKs>();
}

void FrmCal::mnuHelpHelp_Click()
{
    WindowRegistry::instance().show<frmHelp>();
}

void FrmCal::mnuHelpNotice_Click()
{
    WindowRegistry::instance().show<frmAbout>();
}

void FrmCal::Toolbar1_ButtonClick(int number)
{
    switch (number) {
    case 1:
        mnuFileSave_Click();
        break;
    case 2:
        mnuEditCopy_Click();
        break;
    case 3:
        mnuEditCut_Click();
        break;
    case 4:
        mnuEditPaste_Click();
        break;
    case 5:
        WindowRegistry::instance().show<frmTj>();
        hide();
        break;
    case 6:
        hide();
        WindowRegistry::instance().show<frmKs>();
        break;
    case 7:
        mnuHelpHelp_Click();
        break;
    case 8:
        // Ends the program at once: every window goes without its closing handling.
        WindowRegistry::instance().destroyAll();
        QCoreApplication::quit();
        break;
    default:
        break;
    }
}

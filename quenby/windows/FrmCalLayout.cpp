// How the calculator window is built: its controls, menus, toolbar and status bar, from tables.
#include "quenby/windows/FrmCal.h"

#include "platform/widgets/Fonts.h"
#include "platform/widgets/FormKit.h"
#include "platform/widgets/Twips.h"
#include "quenby/windows/ExpressionBox.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include <initializer_list>

namespace {

// The faces of the window's controls.
enum class Face { Song, Hei };

QFont faceFont(Face face, double points, bool bold = false)
{
    return fonts::make(face == Face::Hei ? fonts::kHei : fonts::kSong, points, bold);
}

// The three faces of the keypad: digits and the point, the power sign, everything else.
enum class KeyFace { Digit, Power, Sign };

QFont keyFont(KeyFace face)
{
    switch (face) {
    case KeyFace::Digit:
        return faceFont(Face::Song, 12);
    case KeyFace::Power:
        return faceFont(Face::Song, 15.75);
    case KeyFace::Sign:
        break;
    }
    return faceFont(Face::Song, 9, true);
}

// One keypad button. `spoken` is its accessible name where the caption is a sign that a screen
// reader would not say well; digits are read as they stand.
struct KeyCell {
    int index;
    const char *caption;
    const char *tip;
    const char *spoken;
    form::Rect at;
    KeyFace face;
};

constexpr int kCol[] = {240, 1080, 1920, 2820, 3720};
constexpr int kRow[] = {3240, 3960, 4680, 5400, 6120};
constexpr int kKey = 615;
constexpr int kWide = 750;
constexpr int kDouble = 1200;

constexpr form::Rect key(int col, int row)
{
    return {kCol[col], kRow[row], col == 4 ? kWide : kKey, kKey};
}

// clang-format off
const KeyCell kKeypad[] = {
    {.index = 0, .caption = "(", .tip = "左括号", .spoken = "左括号", .at = key(0, 0), .face = KeyFace::Sign},
    {.index = 1, .caption = ")", .tip = "右括号", .spoken = "右括号", .at = key(1, 0), .face = KeyFace::Sign},
    {.index = 2, .caption = "^", .tip = "乘方", .spoken = "乘方符号", .at = key(2, 0), .face = KeyFace::Power},
    {.index = 3, .caption = "√", .tip = "开方", .spoken = "根号", .at = key(3, 0), .face = KeyFace::Sign},
    {.index = 15, .caption = "exp()", .tip = "指数", .spoken = "指数函数", .at = key(4, 0), .face = KeyFace::Sign},
    {.index = 4, .caption = "7", .tip = "数字7", .spoken = nullptr, .at = key(0, 1), .face = KeyFace::Digit},
    {.index = 5, .caption = "8", .tip = "数字8", .spoken = nullptr, .at = key(1, 1), .face = KeyFace::Digit},
    {.index = 6, .caption = "9", .tip = "数字9", .spoken = nullptr, .at = key(2, 1), .face = KeyFace::Digit},
    {.index = 7, .caption = "/", .tip = "除法", .spoken = "除号", .at = key(3, 1), .face = KeyFace::Sign},
    {.index = 20, .caption = "ln()", .tip = "自然对数", .spoken = "自然对数函数", .at = key(4, 1), .face = KeyFace::Sign},
    {.index = 8, .caption = "4", .tip = "数字4", .spoken = nullptr, .at = key(0, 2), .face = KeyFace::Digit},
    {.index = 9, .caption = "5", .tip = "数字5", .spoken = nullptr, .at = key(1, 2), .face = KeyFace::Digit},
    {.index = 10, .caption = "6", .tip = "数字6", .spoken = nullptr, .at = key(2, 2), .face = KeyFace::Digit},
    {.index = 11, .caption = "*", .tip = "乘法", .spoken = "乘号", .at = key(3, 2), .face = KeyFace::Sign},
    {.index = 21, .caption = "sin()", .tip = "正弦", .spoken = "正弦函数", .at = key(4, 2), .face = KeyFace::Sign},
    {.index = 12, .caption = "1", .tip = "数字1", .spoken = nullptr, .at = key(0, 3), .face = KeyFace::Digit},
    {.index = 13, .caption = "2", .tip = "数字2", .spoken = nullptr, .at = key(1, 3), .face = KeyFace::Digit},
    {.index = 14, .caption = "3", .tip = "数字3", .spoken = nullptr, .at = key(2, 3), .face = KeyFace::Digit},
    {.index = 18, .caption = "-", .tip = "减法", .spoken = "减号", .at = key(3, 3), .face = KeyFace::Sign},
    {.index = 22, .caption = "cos()", .tip = "余弦", .spoken = "余弦函数", .at = key(4, 3), .face = KeyFace::Sign},
    {.index = 17, .caption = "0", .tip = "数字0", .spoken = nullptr, .at = {240, kRow[4], kDouble, kKey},
     .face = KeyFace::Digit},
    {.index = 16, .caption = ".", .tip = "小数点", .spoken = "小数点", .at = {1560, kRow[4], kDouble, kKey},
     .face = KeyFace::Digit},
    {.index = 19, .caption = "+", .tip = "加法", .spoken = "加号", .at = key(3, 4), .face = KeyFace::Sign},
    {.index = 23, .caption = "tan()", .tip = "正切", .spoken = "正切函数", .at = key(4, 4), .face = KeyFace::Sign},
};
// clang-format on

// Keyboard order of the keypad: rows 1 to 4 without column 5, then "0", "." and "+", then
// column 5 from the top.
constexpr int kKeypadTabOrder[]
    = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 18, 17, 16, 19, 15, 20, 21, 22, 23};

// The toolbar: key and caption of buttons 1 to 8.
struct ToolCell {
    const char *key;
    const char *caption;
};

const ToolCell kToolbar[] = {
    {"save", "保存"},   {"copy", "复制"},    {"cut", "剪切"},    {"paste", "粘贴"},
    {"tongji", "统计"}, {"kousuan", "口算"}, {"notice", "帮助"}, {"exit", "退出"},
};

// One menu entry: its shortcut is either a platform's set of keys or one portable key text.
struct MenuCell {
    const char *name;
    const char *caption;
    void (FrmCal::*command)();
    QKeySequence::StandardKey standardKeys = QKeySequence::UnknownKey;
    const char *shortcut = nullptr;
};

QMenu *addMenu(FrmCal *window, const char *name, const char *title, std::initializer_list<MenuCell> entries)
{
    QMenu *menu = window->menuBar()->addMenu(QString::fromUtf8(title));
    menu->setObjectName(QLatin1String(name));
    for (const MenuCell &entry : entries) {
        QAction *action = menu->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QLatin1String(entry.name));
        if (entry.standardKeys != QKeySequence::UnknownKey)
            action->setShortcuts(entry.standardKeys);
        else if (entry.shortcut)
            action->setShortcut(QKeySequence(QLatin1String(entry.shortcut), QKeySequence::PortableText));
        QObject::connect(action, &QAction::triggered, window, entry.command);
    }
    return menu;
}

// One of the buttons above the keypad. `spoken` is its accessible name: what the button does,
// where the caption is a sign or not Chinese.
struct ButtonCell {
    QPushButton *FrmCal::*member;
    const char *name;
    const char *caption;
    const char *tip;
    const char *spoken;
    form::Rect at;
    void (FrmCal::*click)();
};

QPushButton *makeButton(FrmCal *window, QWidget *parent, const ButtonCell &cell)
{
    auto *button = form::add<QPushButton>(parent, cell.name, QString::fromUtf8(cell.caption), cell.at,
                                          faceFont(Face::Song, 9));
    form::setTip(button, QString::fromUtf8(cell.tip));
    form::describe(button, QString::fromUtf8(cell.spoken));
    QObject::connect(button, &QPushButton::clicked, window, cell.click);
    return button;
}

QIcon resourceIcon(const QString &fileName)
{
    return QIcon(QStringLiteral(":/quenby/resources/") + fileName);
}

} // namespace

FrmCal::FrmCal(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmCal"));
    setWindowTitle(QStringLiteral("Quenby"));
    form::setFixedFrame(this);
    // The window's own face: every widget without a font of its own, the menus included, uses it.
    setFont(faceFont(Face::Song, 9));
    setWindowIcon(resourceIcon(QStringLiteral("quenby.png")));
    // The only pop-up menus of this window are mnuEdit over txtIn and the result box's menu.
    setContextMenuPolicy(Qt::NoContextMenu);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    twips::setClientSize(client, 4740, 7140);
    setCentralWidget(client);

    buildMenus();
    buildToolbar();
    buildBoxes();
    buildButtons();
    buildKeypad();
    buildStatusBar();
    buildResultMenu();
    chainTabOrder();

    // The client area has a fixed size, so the window has too; the menu bar comes on top of it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    form::centreOnScreen(this);

    Form_Load();
}

void FrmCal::buildMenus()
{
    mnuFile = addMenu(this, "mnuFile", "文件(&F)",
                      {
                          {.name = "mnuFileSave",
                           .caption = "保存",
                           .command = &FrmCal::mnuFileSave_Click,
                           .shortcut = "Ctrl+S"},
                          {.name = "muFileExit",
                           .caption = "退出",
                           .command = &FrmCal::muFileExit_Click,
                           .shortcut = "Ctrl+E"},
                      });
    // The clipboard entries take every clipboard key of the platform (Ctrl+C first, also
    // Ctrl+Insert and the like), so that none of them reaches a box's own clipboard.
    mnuEdit = addMenu(this, "mnuEdit", "编辑(&E)",
                      {
                          {.name = "mnuEditCopy",
                           .caption = "复制",
                           .command = &FrmCal::mnuEditCopy_Click,
                           .standardKeys = QKeySequence::Copy},
                          {.name = "mnuEditCut",
                           .caption = "剪切",
                           .command = &FrmCal::mnuEditCut_Click,
                           .standardKeys = QKeySequence::Cut},
                          {.name = "mnuEditPaste",
                           .caption = "粘贴",
                           .command = &FrmCal::mnuEditPaste_Click,
                           .standardKeys = QKeySequence::Paste},
                      });
    mnuJx = addMenu(this, "mnuJx", "伙伴程序(&K)",
                    {
                        {.name = "mnuJxTj",
                         .caption = "成绩统计（教师用）",
                         .command = &FrmCal::mnuJxTj_Click,
                         .shortcut = "Ctrl+T"},
                        {.name = "mnuJxKs",
                         .caption = "口算练习（学生用）",
                         .command = &FrmCal::mnuJxKs_Click,
                         .shortcut = "Ctrl+K"},
                    });
    mnuHelp
        = addMenu(this, "mnuHelp", "帮助(&H)",
                  {
                      {.name = "mnuHelpHelp", .caption = "帮助", .command = &FrmCal::mnuHelpHelp_Click},
                      {.name = "mnuHelpNotice", .caption = "关于", .command = &FrmCal::mnuHelpNotice_Click},
                  });
}

void FrmCal::buildToolbar()
{
    Toolbar1 = form::add<QToolBar>(centralWidget(), "Toolbar1", {0, 0, 4740, 855}, faceFont(Face::Song, 9));
    Toolbar1->setAccessibleName(QStringLiteral("工具栏"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // Eight equal buttons side by side fill the width of the window.
    Toolbar1->setStyleSheet(QStringLiteral("QToolBar { border: none; padding: 0px; spacing: 0px; }"));
    const int buttonWidth = twips::toPixels(4740) / 8;

    for (int number = 1; number <= 8; ++number) {
        const ToolCell &cell = kToolbar[number - 1];
        const QString key = QLatin1String(cell.key);
        QAction *action = Toolbar1->addAction(resourceIcon(QStringLiteral("toolbar-%1.png").arg(key)),
                                              QString::fromUtf8(cell.caption));
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

void FrmCal::buildBoxes()
{
    txtIn = form::add<ExpressionBox>(centralWidget(), "txtIn", {240, 840, 4215, 975},
                                     faceFont(Face::Song, 10.5));
    txtIn->setAccessibleName(QStringLiteral("表达式"));
    txtIn->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtIn->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtIn->setTabChangesFocus(true);
    txtIn->setContextMenuPolicy(Qt::NoContextMenu);
    txtIn->setAcceptDrops(false);
    connect(txtIn, &ExpressionBox::keyDown, this, &FrmCal::txtIn_KeyDown);
    connect(txtIn, &ExpressionBox::inputHandled, this, &FrmCal::followCaret);
    connect(txtIn, &ExpressionBox::mouseDown, this, &FrmCal::txtIn_MouseDown);
    connect(txtIn, &ExpressionBox::mouseUp, this, &FrmCal::txtIn_MouseUp);
    connect(txtIn, &QPlainTextEdit::textChanged, this, &FrmCal::txtIn_Change);

    txtOut = form::add<WindowClipboardBox>(centralWidget(), "txtOut", {960, 1920, 3495, 495},
                                           faceFont(Face::Song, 12));
    txtOut->setAccessibleName(QStringLiteral("结果"));
    txtOut->setReadOnly(true);
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
}

void FrmCal::buildButtons()
{
    const ButtonCell cells[] = {
        {.member = &FrmCal::cmdCal,
         .name = "cmdCal",
         .caption = "=",
         .tip = "求值",
         .spoken = "等于",
         .at = {240, 1920, 615, 495},
         .click = &FrmCal::cmdCal_Click},
        {.member = &FrmCal::cmdClr,
         .name = "cmdClr",
         .caption = "CLR",
         .tip = "清除",
         .spoken = "清除",
         .at = {240, 2520, 1200, 615},
         .click = &FrmCal::cmdClr_Click},
        {.member = &FrmCal::cmdLeft,
         .name = "cmdLeft",
         .caption = "←",
         .tip = "光标左移",
         .spoken = "左移光标",
         .at = {1560, 2520, 750, 615},
         .click = &FrmCal::cmdLeft_Click},
        {.member = &FrmCal::cmdRight,
         .name = "cmdRight",
         .caption = "→",
         .tip = "光标右移",
         .spoken = "右移光标",
         .at = {2400, 2520, 750, 615},
         .click = &FrmCal::cmdRight_Click},
        {.member = &FrmCal::cmdBack,
         .name = "cmdBack",
         .caption = "Backspace",
         .tip = "向左删除",
         .spoken = "退格",
         .at = {3240, 2520, 1200, 615},
         .click = &FrmCal::cmdBack_Click},
    };
    for (const ButtonCell &cell : cells)
        this->*cell.member = makeButton(this, centralWidget(), cell);
    cmdCal->setFont(faceFont(Face::Hei, 15.75, true));
}

void FrmCal::buildKeypad()
{
    Cmd = new QButtonGroup(this);
    Cmd->setObjectName(QStringLiteral("Cmd"));
    for (const KeyCell &cell : kKeypad) {
        const QByteArray name = "Cmd_" + QByteArray::number(cell.index);
        auto *button = form::add<QPushButton>(centralWidget(), name.constData(),
                                              QString::fromUtf8(cell.caption), cell.at, keyFont(cell.face));
        form::setTip(button, QString::fromUtf8(cell.tip));
        if (cell.spoken)
            form::describe(button, QString::fromUtf8(cell.spoken));
        Cmd->addButton(button, cell.index);
    }
    connect(Cmd, &QButtonGroup::idClicked, this, &FrmCal::Cmd_Click);
}

void FrmCal::buildStatusBar()
{
    StatusBar1
        = form::add<QStatusBar>(centralWidget(), "StatusBar1", {0, 6765, 4740, 375}, faceFont(Face::Song, 9));
    StatusBar1->setAccessibleName(QStringLiteral("状态栏"));
    StatusBar1->setSizeGripEnabled(false);

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

void FrmCal::buildResultMenu()
{
    // The result box's own pop-up menu: a value is taken out of the program from here. Its entries
    // show no keys, since Ctrl+C in this window is the expression box's own copy.
    resultMenu = new QMenu(this);
    resultMenu->setObjectName(QStringLiteral("resultMenu"));
    QAction *copy = resultMenu->addAction(QStringLiteral("复制(&C)"));
    copy->setObjectName(QStringLiteral("resultCopy"));
    connect(copy, &QAction::triggered, this, &FrmCal::copyResult);
    QAction *selectAll = resultMenu->addAction(QStringLiteral("全选(&A)"));
    selectAll->setObjectName(QStringLiteral("resultSelectAll"));
    connect(selectAll, &QAction::triggered, txtOut, &QPlainTextEdit::selectAll);
    txtOut->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtOut, &QWidget::customContextMenuRequested, this, &FrmCal::showResultMenu);
}

void FrmCal::chainTabOrder()
{
    form::chainTabOrder({txtIn, cmdCal, cmdClr, cmdLeft, cmdRight, cmdBack});
    QWidget *previous = cmdBack;
    for (int index : kKeypadTabOrder) {
        QWidget::setTabOrder(previous, Cmd->button(index));
        previous = Cmd->button(index);
    }
    QWidget::setTabOrder(previous, txtOut);
}

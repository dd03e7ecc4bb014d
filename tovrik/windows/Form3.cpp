#include "windows/Form3.h"

#include "core/Dialogs.h"
#include "core/Services.h"
#include "logic/TextNumbers.h"
#include "widgets/Fonts.h"
#include "widgets/Twips.h"
#include "widgets/WindowRegistry.h"
#include "windows/Form1.h"
#include "windows/Form2.h"
#include "windows/Form4.h"
#include "windows/Form7.h"
#include "windows/FormPictures.h"
#include "windows/FormWidgets.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString RefusalText = QStringLiteral("对不起，请重新选择");
const QString RefusalTitle = QStringLiteral("训练形式选择错误");

using formWidgets::makeLabel;

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text, const QString &tip)
{
    auto *button = new FormButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(fonts::make(QStringLiteral("隶书"), 15));
    button->setToolTip(tip);
    return button;
}

} // namespace

Form3::Form3(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Tovrik     "));
    twips::setClientSize(this, 8265, 5580);
    formWidgets::fixedSizeFrame(this);
    formWidgets::paintCyan(this, false);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    twips::place(Image1, 1560, 360, 5550, 1080);
    Image1->setPixmap(formPictures::banner(Image1->size(), QStringLiteral("小学生口算训练"),
                                           QStringLiteral("欢迎老师和同学们提出宝贵意见和建议！")));

    Frame1 = new QGroupBox(QStringLiteral("训练形式：任选其一"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFont(fonts::make(QStringLiteral("隶书"), 14.25));
    Frame1->setToolTip(QStringLiteral("先选择训练形式，再选择练习内容！"));
    twips::place(Frame1, 2160, 1800, 3375, 1575);

    const QFont optionFont = fonts::make(QStringLiteral("仿宋_GB2312"), 14.25);
    Option1 = new QRadioButton(QStringLiteral("按时间进行训练"), Frame1);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setFont(optionFont);
    Option1->setToolTip(
        QStringLiteral("给定训练时间，测试口算的速度。综合训练项目每分能做60题以上就可以参加区口算比赛了。"));
    twips::place(Option1, 360, 360, 2655, 540);

    Option2 = new QRadioButton(QStringLiteral("按题目量进行训练"), Frame1);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setFont(optionFont);
    Option2->setToolTip(QStringLiteral("给定训练的题数，测试口算的正确率。"));
    twips::place(Option2, 360, 840, 2895, 540);

    const QFont numberFont = fonts::make(QStringLiteral("Arial"), 24);
    const QFont unitFont = fonts::make(QStringLiteral("仿宋_GB2312"), 18);
    Label1 = makeLabel(this, "Label1", QString(), numberFont, Qt::AlignHCenter);
    twips::place(Label1, 5040, 2040, 1815, 495);
    Label3 = makeLabel(this, "Label3", QStringLiteral("分"), unitFont);
    twips::place(Label3, 6840, 2160, 615, 495);
    Label2 = makeLabel(this, "Label2", QString(), numberFont, Qt::AlignHCenter);
    twips::place(Label2, 4920, 2640, 2055, 495);
    Label4 = makeLabel(this, "Label4", QStringLiteral("题"), unitFont);
    twips::place(Label4, 6840, 2640, 615, 495);

    Command5 = makeButton(this, "Command5", QStringLiteral("1000以内加减法"),
                          QStringLiteral("练习进行20以内加减法"));
    twips::place(Command5, 840, 4080, 1335, 615);
    Command1
        = makeButton(this, "Command1", QStringLiteral("表内乘除法"), QStringLiteral("进行表内乘除法的练习"));
    twips::place(Command1, 2280, 4080, 1335, 615);
    Command2 = makeButton(this, "Command2", QStringLiteral("百以内加减法"),
                          QStringLiteral("练习进行百以内加减法"));
    twips::place(Command2, 3720, 4080, 1335, 615);
    Command4 = makeButton(this, "Command4", QStringLiteral("综合训练"),
                          QStringLiteral("表内乘除法和百以内加减法口算混合训练"));
    twips::place(Command4, 5160, 4080, 1335, 615);
    Command3 = makeButton(this, "Command3", QStringLiteral("退出"), QStringLiteral("退出本程序"));
    twips::place(Command3, 6600, 4080, 1095, 615);

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Option1);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, Command5);
    Command1->setFocus();

    connect(Option1, &QRadioButton::clicked, this, &Form3::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form3::Option2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form3::Command5_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);

    Form_Load();
}

QString Form3::minutesText() const
{
    return Label1->text();
}

QString Form3::questionsText() const
{
    return Label2->text();
}

void Form3::Form_Load()
{
    twips::moveTo(this, 500, 500);
    Label3->hide();
    Label4->hide();
    Label1->clear();
    Label2->clear();
    m_minutesChosen = 0;
    m_questionsChosen = 0;
}

void Form3::clearOptions()
{
    // An exclusive group never lets its last checked button go, so lift that for a moment.
    Option1->setAutoExclusive(false);
    Option2->setAutoExclusive(false);
    Option1->setChecked(false);
    Option2->setChecked(false);
    Option1->setAutoExclusive(true);
    Option2->setAutoExclusive(true);
}

void Form3::refuse()
{
    services::dialogs().inform(this, RefusalText, RefusalTitle);
    clearOptions();
}

void Form3::Option1_Click()
{
    const QString answer = services::dialogs().input(
        this, QStringLiteral("欢迎，请问您想练多少时间啊？(以分钟计算,最少 1 分钟)"));
    if (const std::optional<int> minutes = textToNumber(answer))
        m_minutesChosen = *minutes;
    if (m_minutesChosen < 1) {
        refuse();
        return;
    }
    Label2->hide();
    Label4->hide();
    Label1->setText(digitText(m_minutesChosen));
    Label1->show();
    Label3->show();
}

void Form3::Option2_Click()
{
    Label1->hide();
    Label3->hide();
    Label2->show();
    Label4->show();
    const QString answer
        = services::dialogs().input(this, QStringLiteral("欢迎，请问您想练习多少题啊？（最少1题） "));
    if (const std::optional<int> questions = textToNumber(answer))
        m_questionsChosen = *questions;
    if (m_questionsChosen < 1) {
        refuse();
        return;
    }
    Label2->setText(digitText(m_questionsChosen));
}

template <class W> void Form3::openDrill()
{
    if (!Option1->isChecked() && m_questionsChosen < 1) {
        refuse();
        return;
    }
    if (!Option2->isChecked() && m_minutesChosen < 1) {
        refuse();
        return;
    }
    // Opening the drill reads the minutes from Label1; showing it presents the first question.
    W *drill = WindowRegistry::instance().show<W>();
    hide();
    m_minutesChosen = 0;
    m_questionsChosen = 0;
    if (auto *answerBox = static_cast<QWidget *>(drill)->findChild<QLineEdit *>(QStringLiteral("Text1")))
        answerBox->clear();
}

void Form3::Command1_Click()
{
    openDrill<Form1>();
}

void Form3::Command2_Click()
{
    openDrill<Form2>();
}

void Form3::Command4_Click()
{
    openDrill<Form4>();
}

void Form3::Command5_Click()
{
    openDrill<Form7>();
}

void Form3::Command3_Click()
{
    // Ends the program at once: the event loop stops and main deletes every window.
    hide();
    QCoreApplication::exit(0);
}

void Form3::closeEvent(QCloseEvent *event)
{
    // The menu is the last window on show when its close box is used: the program ends.
    event->accept();
    QCoreApplication::exit(0);
}

void Form3::ReturnToMenu()
{
    Form3 *menu = WindowRegistry::instance().show<Form3>();
    menu->Label1->clear();
    menu->Label2->clear();
    menu->clearOptions();
}

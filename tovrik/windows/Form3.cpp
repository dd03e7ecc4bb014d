#include "tovrik/windows/Form3.h"

#include "platform/core/Dialogs.h"
#include "platform/core/Services.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/FormKit.h"
#include "platform/widgets/Twips.h"
#include "platform/widgets/WindowRegistry.h"
#include "tovrik/logic/TextNumbers.h"
#include "tovrik/windows/Form1.h"
#include "tovrik/windows/Form2.h"
#include "tovrik/windows/Form4.h"
#include "tovrik/windows/Form5.h"
#include "tovrik/windows/Form7.h"
#include "tovrik/windows/FormPictures.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <optional>

namespace {

const QString kRefusalText = QStringLiteral("对不起，请重新选择");
const QString kRefusalTitle = QStringLiteral("训练形式选择错误");

// The drill window of a kind, opened (not yet shown) when it is not open. A window opened now is
// told how to give control back: leaving the drill, or the report it hands over to, brings the
// menu back.
template <class W> FormDrill *drillWindow()
{
    WindowRegistry &registry = WindowRegistry::instance();
    if (W *open = registry.find<W>())
        return open;
    W *drill = registry.open<W>();
    QObject::connect(drill, &FormDrill::backToMenu, drill, &Form3::ReturnToMenu);
    QObject::connect(drill, &FormDrill::reportShown, drill, [](Form5 *report) {
        QObject::connect(report, &Form5::backToMenu, report, &Form3::ReturnToMenu, Qt::SingleShotConnection);
    });
    return drill;
}

FormDrill *openDrillWindow(drill::Kind kind)
{
    switch (kind) {
    case drill::Kind::TimesTable:
        return drillWindow<Form1>();
    case drill::Kind::AddSubWithin100:
        return drillWindow<Form2>();
    case drill::Kind::Mixed:
        return drillWindow<Form4>();
    case drill::Kind::AddSubWithin1000:
        return drillWindow<Form7>();
    }
    return nullptr;
}

} // namespace

Form3::Form3(QWidget *parent) : QWidget(parent)
{
    form::setupFixedWindow(this, QStringLiteral("Form3"), QStringLiteral("Tovrik     "), 8265, 5580);
    form::fillBackground(this, form::kCyan, false);

    QLabel *banner = form::addPicture(this, "Image1", {1560, 360, 5550, 1080});
    const QString title = QStringLiteral("小学生口算训练");
    const QString notice = QStringLiteral("欢迎老师和同学们提出宝贵意见和建议！");
    banner->setPixmap(formPictures::banner(banner->size(), title, notice));
    form::describe(banner, title, notice);

    addChoice();
    addButtons();

    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(m_drillButtons, &QButtonGroup::idClicked, this,
            [this](int id) { openDrill(static_cast<drill::Kind>(id)); });
    connect(Option1, &QRadioButton::clicked, this, &Form3::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form3::Option2_Click);

    Form_Load();
}

// The frame with the two training forms, and the number rows beside it.
void Form3::addChoice()
{
    Frame1
        = form::add<QGroupBox>(this, "Frame1", {2160, 1800, 3375, 1575}, fonts::make(fonts::kLishu, 14.25));
    Frame1->setTitle(QStringLiteral("训练形式：任选其一"));
    form::setTip(Frame1, QStringLiteral("先选择训练形式，再选择练习内容！"));

    const QFont optionFont = fonts::make(fonts::kFangsong, 14.25);
    Option1 = form::add<QRadioButton>(Frame1, "Option1", QStringLiteral("按时间进行训练"),
                                      {360, 360, 2655, 540}, optionFont);
    form::setTip(Option1,
                 QStringLiteral("给定训练时间，测试口算的速度。综合训练项目每分能做60题以上就可以参加"
                                "区口算比赛了。"));
    Option2 = form::add<QRadioButton>(Frame1, "Option2", QStringLiteral("按题目量进行训练"),
                                      {360, 840, 2895, 540}, optionFont);
    form::setTip(Option2, QStringLiteral("给定训练的题数，测试口算的正确率。"));

    const QFont numberFont = fonts::make(fonts::kArial, 24);
    const QFont unitFont = fonts::make(fonts::kFangsong, 18);
    Label1 = form::addLabel(this, "Label1", QString(), {5040, 2040, 1815, 495}, numberFont, Qt::AlignHCenter);
    Label1->setAccessibleDescription(QStringLiteral("训练时间（分钟）"));
    Label3 = form::addLabel(this, "Label3", QStringLiteral("分"), {6840, 2160, 615, 495}, unitFont);
    Label2 = form::addLabel(this, "Label2", QString(), {4920, 2640, 2055, 495}, numberFont, Qt::AlignHCenter);
    Label2->setAccessibleDescription(QStringLiteral("训练题数"));
    Label4 = form::addLabel(this, "Label4", QStringLiteral("题"), {6840, 2640, 615, 495}, unitFont);
}

// The row of five buttons; the drill buttons answer through one group, by the kind they open.
void Form3::addButtons()
{
    struct ButtonRow {
        QPushButton *Form3::*member;
        const char *name;
        const char16_t *caption;
        form::Rect at;
        const char16_t *tip;
        std::optional<drill::Kind> opens; // none for "退出"
    };
    // clang-format off
    static const ButtonRow rows[] = {
        {&Form3::Command5, "Command5", u"1000以内加减法", {840, 4080, 1335, 615}, u"练习进行20以内加减法", drill::Kind::AddSubWithin1000},
        {&Form3::Command1, "Command1", u"表内乘除法", {2280, 4080, 1335, 615}, u"进行表内乘除法的练习", drill::Kind::TimesTable},
        {&Form3::Command2, "Command2", u"百以内加减法", {3720, 4080, 1335, 615}, u"练习进行百以内加减法", drill::Kind::AddSubWithin100},
        {&Form3::Command4, "Command4", u"综合训练", {5160, 4080, 1335, 615}, u"表内乘除法和百以内加减法口算混合训练", drill::Kind::Mixed},
        {&Form3::Command3, "Command3", u"退出", {6600, 4080, 1095, 615}, u"退出本程序", std::nullopt},
    };
    // clang-format on
    m_drillButtons = new QButtonGroup(this);
    const QFont font = fonts::make(fonts::kLishu, 15);
    for (const ButtonRow &b : rows) {
        QPushButton *button
            = form::add<form::WrappingButton>(this, b.name, QString::fromUtf16(b.caption), b.at, font);
        form::setTip(button, QString::fromUtf16(b.tip));
        if (b.opens)
            m_drillButtons->addButton(button, static_cast<int>(*b.opens));
        this->*b.member = button;
    }
    // The keyboard order of the menu; the first button has the focus when the window is shown.
    form::chainTabOrder({Command1, Command2, Command3, Command4, Option1, Option2, Command5});
    Command1->setFocus();
}

void Form3::Form_Load()
{
    twips::moveTo(this, 500, 500);
    m_choice = {};
    showChoice();
}

// Shows the choice: the training form on the option buttons, the number rows and their limits.
void Form3::showChoice()
{
    showRows();
    showForm(m_choice.form());
}

// The number rows on show and the limits they hold.
void Form3::showRows()
{
    const drill::Limits limits = m_choice.limits();
    Label1->setText(limits.minutes > 0 ? drill::digitText(limits.minutes) : QString());
    Label2->setText(limits.questions > 0 ? drill::digitText(limits.questions) : QString());
    const drill::ShownRows rows = m_choice.rows();
    Label1->setVisible(rows.minutes);
    Label3->setVisible(rows.minutesUnit);
    Label2->setVisible(rows.questions);
    Label4->setVisible(rows.questionsUnit);
}

void Form3::showForm(drill::TrainingForm form)
{
    // An exclusive group never lets its last checked button go, so lift that for a moment.
    Option1->setAutoExclusive(false);
    Option2->setAutoExclusive(false);
    Option1->setChecked(form == drill::TrainingForm::ByTime);
    Option2->setChecked(form == drill::TrainingForm::ByCount);
    Option1->setAutoExclusive(true);
    Option2->setAutoExclusive(true);
}

// The refusal of a training form or a drill button; the choice has unpicked its form by then.
void Form3::refuse()
{
    services::dialogs().inform(this, kRefusalText, kRefusalTitle);
    showChoice();
}

void Form3::Option1_Click()
{
    const QString answer = services::dialogs().input(
        this, QStringLiteral("欢迎，请问您想练多少时间啊？(以分钟计算,最少 1 分钟)"));
    if (!m_choice.chooseTime(answer)) {
        refuse();
        return;
    }
    showChoice();
}

void Form3::Option2_Click()
{
    // The question row shows while its number is asked, beside the button just checked.
    m_choice.pickCount();
    showRows();
    const QString answer
        = services::dialogs().input(this, QStringLiteral("欢迎，请问您想练习多少题啊？（最少1题） "));
    if (!m_choice.chooseCount(answer)) {
        refuse();
        return;
    }
    showChoice();
}

void Form3::openDrill(drill::Kind kind)
{
    const std::optional<drill::Limits> limits = m_choice.open();
    if (!limits) {
        refuse();
        return;
    }
    // The drill loads with the limits the labels show; showing it presents the first question in
    // its empty answer box.
    FormDrill *drill = openDrillWindow(kind);
    drill->Form_Load(*limits);
    drill->show();
    drill->raise();
    drill->activateWindow();
    hide();
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
    menu->m_choice.returnToMenu();
    menu->showChoice();
}

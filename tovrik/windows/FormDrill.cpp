#include "windows/FormDrill.h"

#include "core/Services.h"
#include "logic/TextNumbers.h"
#include "widgets/Fonts.h"
#include "widgets/Twips.h"
#include "widgets/WindowRegistry.h"
#include "windows/Form3.h"
#include "windows/Form5.h"
#include "windows/FormPictures.h"
#include "windows/FormWidgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <limits>

void DrillAnswerBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Coming back to the window, or out of a popup, is not a new question.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (gotFocus)
        gotFocus();
}

void DrillAnswerBox::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && enterPressed) {
        if (enterPressed()) {
            event->accept();
            return;
        }
        // A wrong answer: the Enter goes on to the box, which answers it with the warning beep.
        if (beep)
            beep();
    }
    QLineEdit::keyPressEvent(event);
}

void DrillFocusBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (gotFocus)
        gotFocus(event->reason());
}

namespace {

struct Rect {
    int left, top, width, height;
};

// Where the four drill windows differ.
struct DrillLayout {
    QString caption;
    const char *titleName; // a label, or the banner picture when titleText is empty
    QString titleText;
    Rect title;
    QString titleFont;
    double titlePoints;
    bool titleBoldItalic;
    QColor titleColour;
    QString exitTip;
    const char *smileName;
    const char *frownName;
    int label1Left, label2Left, label3Left, label4Left;
    int label1Width, label3Width;
    int questionTop;
    bool centredNumbers;
    Rect text1;
    Rect image1;
    Rect text2;
    int label6Left, label6Top;
    int commandTop;
    int iconTop;
    int frownLeft;
};

const DrillLayout &layoutOf(Drill drill)
{
    static const DrillLayout form1 {QStringLiteral("表内乘除法口算训练    "),
                                    "Label14_0",
                                    QStringLiteral("表内乘除法口算训练"),
                                    {960, 360, 4815, 615},
                                    QStringLiteral("楷体_GB2312"),
                                    24,
                                    true,
                                    QColor(255, 255, 0),
                                    QString(),
                                    "Image2",
                                    "Image3",
                                    1680,
                                    2640,
                                    3360,
                                    4200,
                                    615,
                                    615,
                                    2640,
                                    true,
                                    {4800, 2520, 1095, 735},
                                    {6240, 2640, 615, 615},
                                    {360, 1200, 495, 270},
                                    1440,
                                    1200,
                                    4440,
                                    4680,
                                    2760};
    static const DrillLayout form2 {QStringLiteral("百以内加减法"),
                                    "Image2",
                                    QString(),
                                    {1560, 360, 4695, 795},
                                    QString(),
                                    0,
                                    false,
                                    QColor(),
                                    QStringLiteral("返回主菜单"),
                                    "Image3",
                                    "Image4",
                                    1560,
                                    2280,
                                    2760,
                                    3480,
                                    615,
                                    735,
                                    2520,
                                    true,
                                    {3960, 2400, 1215, 855},
                                    {5400, 2520, 735, 735},
                                    {600, 1320, 375, 270},
                                    1680,
                                    1320,
                                    4560,
                                    4680,
                                    2760};
    static const DrillLayout form4 {QStringLiteral("综合训练   "),
                                    "Label14_1",
                                    QStringLiteral("综合训练"),
                                    {720, 360, 3855, 1095},
                                    QStringLiteral("隶书"),
                                    42,
                                    false,
                                    QColor(0, 0, 0),
                                    QString(),
                                    "Image2",
                                    "Image3",
                                    1440,
                                    2400,
                                    3120,
                                    4080,
                                    615,
                                    615,
                                    2160,
                                    false,
                                    {4560, 2040, 1215, 855},
                                    {6000, 2160, 735, 735},
                                    {480, 1560, 375, 495},
                                    1800,
                                    1320,
                                    4440,
                                    4747,
                                    2880};
    static const DrillLayout form7 {QStringLiteral("1000以内加减法口算练习      "),
                                    "Label5",
                                    QStringLiteral("1000以内加减法"),
                                    {1920, 360, 4455, 735},
                                    QStringLiteral("华文隶书"),
                                    36,
                                    false,
                                    QColor(0, 0, 0),
                                    QStringLiteral("返回主菜单"),
                                    "Image3",
                                    "Image4",
                                    720,
                                    2160,
                                    2400,
                                    3480,
                                    1215,
                                    1095,
                                    2520,
                                    true,
                                    {3960, 2400, 1215, 855},
                                    {5520, 2520, 735, 735},
                                    {600, 1320, 375, 270},
                                    1680,
                                    1320,
                                    4560,
                                    4680,
                                    2760};
    switch (drill) {
    case Drill::Form1:
        return form1;
    case Drill::Form2:
        return form2;
    case Drill::Form4:
        return form4;
    case Drill::Form7:
        return form7;
    }
    return form1;
}

void place(QWidget *w, const Rect &r)
{
    twips::place(w, r.left, r.top, r.width, r.height);
}

using formWidgets::makeLabel;
using formWidgets::makePicture;

int menuNumber(QString (Form3::*text)() const)
{
    // A menu that is not open counts as empty labels.
    const Form3 *menu = WindowRegistry::instance().find<Form3>();
    return menu ? leadingNumber((menu->*text)()) : 0;
}

} // namespace

FormDrill::FormDrill(Drill drill, QWidget *parent) : QWidget(parent), m_drill(drill)
{
    const DrillLayout &lay = layoutOf(drill);
    setWindowTitle(lay.caption);
    twips::setClientSize(this, 8235, 5400);
    formWidgets::fixedSizeFrame(this);
    formWidgets::paintCyan(this, true);

    if (lay.titleText.isEmpty()) {
        QLabel *banner = makePicture(this, lay.titleName);
        place(banner, lay.title);
        banner->setPixmap(
            formPictures::banner(banner->size(), QStringLiteral("百以内加减法口算训练"), QString()));
    } else {
        QLabel *title = makeLabel(
            this, lay.titleName, lay.titleText,
            fonts::make(lay.titleFont, lay.titlePoints, lay.titleBoldItalic, lay.titleBoldItalic));
        QPalette titlePalette = title->palette();
        titlePalette.setColor(QPalette::WindowText, lay.titleColour);
        title->setPalette(titlePalette);
        place(title, lay.title);
        formWidgets::fitToWidth(title);
    }

    Text2 = new DrillFocusBox(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setFocusPolicy(Qt::ClickFocus); // not in the Tab order
    place(Text2, lay.text2);

    Label6
        = makeLabel(this, "Label6", QString(), fonts::make(QStringLiteral("Arial"), 15.75), Qt::AlignHCenter);
    twips::place(Label6, lay.label6Left, lay.label6Top, 1215, 375);

    const QFont questionFont = fonts::make(QStringLiteral("Arial"), 24);
    const Qt::Alignment numbers = lay.centredNumbers ? Qt::AlignHCenter : Qt::AlignLeft;
    Label1 = makeLabel(this, "Label1", QString(), questionFont, numbers);
    twips::place(Label1, lay.label1Left, lay.questionTop, lay.label1Width, 495);
    Label2 = makeLabel(this, "Label2", QString(), questionFont);
    twips::place(Label2, lay.label2Left, lay.questionTop, 375, 495);
    Label3 = makeLabel(this, "Label3", QString(), questionFont, numbers);
    twips::place(Label3, lay.label3Left, lay.questionTop, lay.label3Width, 495);
    Label4 = makeLabel(this, "Label4", QStringLiteral("="), questionFont);
    twips::place(Label4, lay.label4Left, lay.questionTop, 615, 375);

    Text1 = new DrillAnswerBox(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(questionFont);
    Text1->setMaxLength(std::numeric_limits<int>::max());
    place(Text1, lay.text1);

    Image1 = makePicture(this, "Image1");
    place(Image1, lay.image1);

    const QFont unitFont = fonts::make(QStringLiteral("楷体_GB2312"), 14.25);
    const QFont countFont = fonts::make(QStringLiteral("Arial"), 18);
    twips::place(makeLabel(this, "Label15", QStringLiteral("第"), unitFont), 600, 4080, 255, 375);
    Label11 = makeLabel(this, "Label11", QString(), countFont, Qt::AlignHCenter);
    twips::place(Label11, 960, 4080, 735, 375);
    twips::place(makeLabel(this, "Label16", QStringLiteral("题"), unitFont), 1800, 4080, 495, 375);

    const int iconSide = twips::toPixels(480);
    QLabel *smile = makePicture(this, lay.smileName);
    twips::place(smile, 480, lay.iconTop, 480, 480);
    smile->setPixmap(formPictures::facePixmap(formPictures::SmileFile, iconSide));
    Label12 = makeLabel(this, "Label12", QString(), countFont, Qt::AlignHCenter);
    twips::place(Label12, 1080, 4740, 855, 495);
    twips::place(makeLabel(this, "Label18", QStringLiteral("题"), unitFont), 2160, 4740, 495, 495);

    QLabel *frown = makePicture(this, lay.frownName);
    twips::place(frown, lay.frownLeft, lay.iconTop, 480, 480);
    frown->setPixmap(formPictures::facePixmap(formPictures::FrownFile, iconSide));
    Label13 = makeLabel(this, "Label13", QString(), countFont, Qt::AlignHCenter);
    twips::place(Label13, 3360, 4740, 975, 495);
    twips::place(makeLabel(this, "Label20", QStringLiteral("题"), unitFont), 4560, 4740, 735, 495);

    Command1 = new FormButton(QStringLiteral("退出"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(fonts::make(QStringLiteral("隶书"), 14.25));
    Command1->setToolTip(lay.exitTip);
    twips::place(Command1, 6960, lay.commandTop, 975, 495);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    // The answer box comes first in the Tab order, then the exit button.
    setTabOrder(Text1, Command1);

    Text1->gotFocus = [this] { Text1_GotFocus(); };
    Text1->enterPressed = [this] { return Text1_Enter(); };
    Text1->beep = [this] { beep(); };
    Text2->gotFocus = [this](Qt::FocusReason reason) {
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
            // Only the window came back: hand the focus on without counting anything.
            Text1->setFocus(reason);
            return;
        }
        Text2_GotFocus();
    };
    connect(Timer1, &QTimer::timeout, this, &FormDrill::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &FormDrill::Command1_Click);

    Form_Load();
}

void FormDrill::Form_Load()
{
    twips::moveTo(this, 500, 500);
    Label11->setText(QStringLiteral("0"));
    Label12->setText(QStringLiteral("0"));
    Label13->setText(QStringLiteral("0"));
    const int minutes = menuNumber(&Form3::minutesText);
    m_run = DrillRun(minutes);
    if (!m_run.timed()) {
        Timer1->stop();
        Label6->setEnabled(false);
    } else {
        Timer1->start();
    }
}

void FormDrill::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // The answer box takes the focus and the first question goes up. While the window is not yet
    // active the focus only arrives later, with the window, so the question is presented here.
    const int before = m_presentations;
    Text1->setFocus(Qt::OtherFocusReason);
    if (m_presentations == before)
        PresentQuestion();
}

void FormDrill::Text1_GotFocus()
{
    PresentQuestion();
}

void FormDrill::PresentQuestion()
{
    const Question q = DrawQuestion(m_drill, services::random());
    Label1->setText(digitText(q.first));
    Label2->setText(q.op);
    Label3->setText(digitText(q.second));
    m_rightAnswer = q.answer;
    ++m_presentations;
}

bool FormDrill::Text1_Enter()
{
    if (m_ended)
        return true;
    const bool right = m_run.grade(Text1->text(), m_rightAnswer);
    const QPixmap face = formPictures::facePixmap(right ? formPictures::SmileFile : formPictures::FrownFile,
                                                  Image1->width());
    if (!face.isNull())
        Image1->setPixmap(face);

    const int before = m_countSteps;
    Text2->setFocus(Qt::OtherFocusReason);
    // The focus cannot move while the window is not the active one; the answer still counts.
    if (m_countSteps == before)
        Text2_GotFocus();
    return right;
}

void FormDrill::Text2_GotFocus()
{
    if (m_ended)
        return;
    ++m_countSteps;

    const int before = m_presentations;
    Text1->setFocus(Qt::OtherFocusReason);
    if (m_presentations == before)
        PresentQuestion();

    if (m_run.countAnswer(menuNumber(&Form3::questionsText))) {
        endDrill(false);
        return;
    }
    Text1->clear();
    showCounts();
}

void FormDrill::showCounts()
{
    Label11->setText(digitText(m_run.done()));
    Label12->setText(digitText(m_run.right()));
    Label13->setText(digitText(m_run.wrong()));
}

void FormDrill::Timer1_Timer()
{
    if (m_ended || !m_run.timed())
        return;
    const bool timeIsUp = m_run.tick();
    Label6->setText(digitText(m_run.secondsLeft()));
    if (timeIsUp)
        endDrill(true);
}

void FormDrill::endDrill(bool byTime)
{
    m_ended = true;
    Timer1->stop();
    Form5 *report = WindowRegistry::instance().show<Form5>();
    close();
    report->FillReport(m_run.done(), m_run.right(), m_run.wrong(), byTime);
    m_run.clearCounts();
}

void FormDrill::Command1_Click()
{
    close();
}

void FormDrill::closeEvent(QCloseEvent *event)
{
    Timer1->stop();
    event->accept();
    if (m_ended)
        return;
    // "退出", or the window's close box: the drill is left and the menu comes back.
    m_ended = true;
    m_run.clearCounts();
    Form3::ReturnToMenu();
}

void FormDrill::beep()
{
    QApplication::beep();
}

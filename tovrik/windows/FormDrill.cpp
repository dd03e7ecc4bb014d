// What a drill window does: the cycle of questions and answers on the focus, the clock, the end.
// How it is built is in FormDrillLayout.cpp.
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

// How a screen reader speaks an operator; "x" alone would be read as a letter.
QString spokenOperator(const QString &op)
{
    if (op == QLatin1String("x"))
        return QStringLiteral("乘");
    if (op == QStringLiteral("\u00F7"))
        return QStringLiteral("除以");
    if (op == QLatin1String("+"))
        return QStringLiteral("加");
    if (op == QLatin1String("-"))
        return QStringLiteral("减");
    return op;
}

} // namespace

void FormDrill::wireFlow()
{
    connect(Text1, &DrillAnswerBox::gotFocus, this, &FormDrill::Text1_GotFocus);
    connect(Text1, &DrillAnswerBox::enterPressed, this, &FormDrill::Text1_Enter);
    connect(Text1, &DrillAnswerBox::warningBeep, this, &QApplication::beep);
    connect(Text2, &DrillFocusBox::gotFocus, this, &FormDrill::focusBoxEntered);
    connect(Timer1, &QTimer::timeout, this, &FormDrill::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &FormDrill::Command1_Click);
}

// Moves the focus to a box whose focus-in runs the step; where the focus cannot move (the window
// is not the active one), runs the step here. Either way the step runs once.
void FormDrill::handOver(QLineEdit *box, void (FormDrill::*step)())
{
    const int before = m_stepsRun;
    box->setFocus(Qt::OtherFocusReason);
    if (m_stepsRun == before)
        (this->*step)();
}

void FormDrill::Form_Load(const drill::Limits &limits)
{
    twips::moveTo(this, 500, 500);
    Label11->setText(QStringLiteral("0"));
    Label12->setText(QStringLiteral("0"));
    Label13->setText(QStringLiteral("0"));
    m_limits = limits;
    m_run = drill::DrillRun(limits.minutes);
    Label6->setEnabled(m_run.timed());
    if (m_run.timed())
        Timer1->start();
    else
        Timer1->stop();
}

void FormDrill::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // The answer box takes the focus and the first question goes up. While the window is not yet
    // active the focus only arrives later, with the window, so the question is presented at once.
    handOver(Text1, &FormDrill::PresentQuestion);
}

void FormDrill::Text1_GotFocus()
{
    PresentQuestion();
}

void FormDrill::PresentQuestion()
{
    const drill::Question q = drill::DrawQuestion(m_kind, services::random());
    Label1->setText(drill::digitText(q.first));
    Label2->setText(q.op);
    Label2->setAccessibleName(spokenOperator(q.op));
    Label3->setText(drill::digitText(q.second));
    m_rightAnswer = q.answer;
    ++m_stepsRun;
}

void FormDrill::Text1_Enter()
{
    if (m_ended) {
        Text1->takeEnter();
        return;
    }
    const bool right = m_run.grade(Text1->text(), m_rightAnswer);
    showFace(right);
    handOver(Text2, &FormDrill::Text2_GotFocus);
    if (right)
        Text1->takeEnter();
}

// The face of a right or a wrong answer, with a name a screen reader speaks.
void FormDrill::showFace(bool right)
{
    const QPixmap face = formPictures::facePixmap(right ? formPictures::kSmileFile : formPictures::kFrownFile,
                                                  Image1->width());
    if (face.isNull())
        return;
    Image1->setPixmap(face);
    Image1->setAccessibleName(right ? QStringLiteral("答对了") : QStringLiteral("答错了"));
    QAccessibleEvent nameChanged(Image1, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
}

void FormDrill::Text2_GotFocus()
{
    if (m_ended)
        return;
    ++m_stepsRun;
    handOver(Text1, &FormDrill::PresentQuestion);

    if (m_run.countAnswer(m_limits.questions)) {
        endDrill(drill::Ending::ByCount);
        return;
    }
    Text1->clear();
    showCounts();
}

void FormDrill::focusBoxEntered(Qt::FocusReason reason)
{
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        // Only the window came back: hand the focus on without counting anything.
        Text1->setFocus(reason);
        return;
    }
    Text2_GotFocus();
}

void FormDrill::showCounts()
{
    Label11->setText(drill::digitText(m_run.done()));
    Label12->setText(drill::digitText(m_run.right()));
    Label13->setText(drill::digitText(m_run.wrong()));
}

void FormDrill::Timer1_Timer()
{
    if (m_ended || !m_run.timed())
        return;
    const bool timeIsUp = m_run.tick();
    Label6->setText(drill::digitText(m_run.secondsLeft()));
    if (timeIsUp)
        endDrill(drill::Ending::ByTime);
}

void FormDrill::endDrill(drill::Ending ending)
{
    m_ended = true;
    Timer1->stop();
    Form5 *report = WindowRegistry::instance().show<Form5>();
    close();
    report->FillReport(m_run.done(), m_run.right(), m_run.wrong(), ending, m_limits.minutes);
    m_run.clearCounts();
    emit reportShown(report);
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
    emit backToMenu();
}

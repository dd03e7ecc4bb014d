#pragma once

#include "tovrik/logic/DrillQuestions.h"
#include "tovrik/logic/DrillRun.h"
#include "tovrik/windows/DrillBoxes.h"
#include "tovrik/windows/Form5.h"

#include <QLineEdit>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

// One drill window. The four drills share this behaviour and differ only in their questions,
// captions, titles and a few positions; Form1, Form2, Form4 and Form7 are its thin subclasses.
//
// The drill runs on the focus, in a cycle of two hand-overs:
//  1. The answer box receives the focus (the window shown, a Tab back, a hand-over): a question
//     is drawn and shown (PresentQuestion).
//  2. Enter in the answer box grades the typed answer and shows the face (Text1_Enter).
//  3. The focus is handed to the focus box; its focus-in (or a click into it) counts the answer
//     (Text2_GotFocus).
//  4. The focus box hands the focus back to the answer box, which is step 1 for the next
//     question; then the count may end the drill, or the box is emptied and the counts shown.
// A hand-over (handOver) runs its step exactly once: through the focus-in where the focus moves,
// or by itself where it cannot (while the window is not the active one). Coming back to the
// window, or out of a popup, moves the focus without a step.
class FormDrill : public QWidget
{
    Q_OBJECT

public:
    explicit FormDrill(drill::Kind kind, QWidget *parent = nullptr);

    drill::Kind kind() const { return m_kind; }
    // The limits the drill runs with, as the menu handed them over.
    drill::Limits limits() const { return m_limits; }

    // Loads the drill with the limits chosen on the menu: minutes make it a timed drill, and the
    // number of questions (0 for none) ends it by count.
    void Form_Load(const drill::Limits &limits);

signals:
    // The drill was left by "退出" or the window's close box, before it ended.
    void backToMenu();
    // The drill ended and handed over to its report, now on show and filled in.
    void reportShown(Form5 *report);

public slots:
    void Text1_GotFocus();
    void Text2_GotFocus();
    void Timer1_Timer();
    void Command1_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void addTitle();
    void addQuestionRow();
    void addCountRows();
    void addFaceIcons();
    void wireFlow();
    void handOver(QLineEdit *box, void (FormDrill::*step)());
    void focusBoxEntered(Qt::FocusReason reason);
    void PresentQuestion();
    void Text1_Enter();
    void showFace(bool right);
    void showCounts();
    void endDrill(drill::Ending ending);

    DrillAnswerBox *Text1 = nullptr;
    DrillFocusBox *Text2 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label13 = nullptr;
    QPushButton *Command1 = nullptr;
    QTimer *Timer1 = nullptr;

    drill::Kind m_kind;
    drill::Limits m_limits;
    drill::DrillRun m_run;
    int m_rightAnswer = 0;
    int m_stepsRun = 0; // questions presented and answers counted so far
    bool m_shownOnce = false;
    bool m_ended = false; // the drill is over or left; nothing more may count
};

#pragma once

#include <QLineEdit>

class QFocusEvent;
class QKeyEvent;

// The answer box of a drill: a new question each time it receives the focus (but not when its
// window is merely activated again), and the answer graded on Enter.
class DrillAnswerBox : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // True for the keys that grade an answer: Enter, on the main keys or the keypad, alone or with
    // Shift. Ctrl+Enter and Alt+Enter type no Enter character and grade nothing.
    static bool isEnter(const QKeyEvent *event);

    // The window's answer to enterPressed for a right answer: the Enter ends there. Without it the
    // Enter goes on to the box, which answers it with the warning beep.
    void takeEnter() { m_enterTaken = true; }

signals:
    // The focus came for a new question; coming back to the window, or out of a popup, is none.
    void gotFocus();
    void enterPressed();
    void warningBeep();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_enterTaken = false;
};

// The small focus box of a drill: receiving the focus counts an answer and hands the focus back.
class DrillFocusBox : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    void gotFocus(Qt::FocusReason reason);

protected:
    void focusInEvent(QFocusEvent *event) override;
};

#include "tovrik/windows/DrillBoxes.h"

#include <QFocusEvent>
#include <QKeyEvent>

bool DrillAnswerBox::isEnter(const QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    // Shift+Enter still types the Enter character; with Ctrl, Alt or the logo key it is a chord.
    const Qt::KeyboardModifiers chord = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return chord == Qt::NoModifier;
}

void DrillAnswerBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    emit gotFocus();
}

void DrillAnswerBox::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event)) {
        m_enterTaken = false;
        emit enterPressed();
        if (m_enterTaken) {
            event->accept();
            return;
        }
        // A wrong answer: the Enter goes on to the box, which answers it with the warning beep.
        emit warningBeep();
    }
    QLineEdit::keyPressEvent(event);
}

void DrillFocusBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    emit gotFocus(event->reason());
}

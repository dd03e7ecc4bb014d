#include "quenby/windows/MarkBox.h"

#include "quenby/logic/MarkPaste.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

MarkBox::MarkBox(QWidget *parent) : QLineEdit(parent) { }

void MarkBox::pasteFrom(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const stats::PastedMarks pasted = stats::readPastedMarks(QGuiApplication::clipboard()->text(mode));
    if (!pasted.severalEntries) {
        insert(pasted.single);
        return;
    }
    insert(pasted.refused);
    if (!pasted.accepted.isEmpty())
        emit marksPasted(pasted.accepted);
}

void MarkBox::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Paste) {
        pasteFrom();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void MarkBox::mouseReleaseEvent(QMouseEvent *event)
{
    // The X11 middle-button paste, where the line edit would insert the selection's text.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
        && !isReadOnly()) {
        deselect();
        pasteFrom(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

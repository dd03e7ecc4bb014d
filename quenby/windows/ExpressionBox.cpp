#include "quenby/windows/ExpressionBox.h"

#include "quenby/logic/CaretEditing.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

bool WindowClipboardBox::event(QEvent *e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(e);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut)
            || key->matches(QKeySequence::Paste)) {
            e->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(e);
}

QString ExpressionBox::rawText() const
{
    // toPlainText() would turn a no-break space into a blank.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

int ExpressionBox::length() const
{
    return document()->characterCount() - 1;
}

void ExpressionBox::apply(const caret::Edit &edit)
{
    if (!edit.changesText())
        return;
    QTextCursor cursor(document());
    cursor.setPosition(edit.from);
    cursor.setPosition(edit.to, QTextCursor::KeepAnchor);
    if (edit.insert.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(edit.insert);
}

void ExpressionBox::placeCaret(int pos)
{
    setFocus(Qt::OtherFocusReason);
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(pos, 0, length()));
    setTextCursor(cursor);
}

void ExpressionBox::keyPressEvent(QKeyEvent *e)
{
    emit keyDown(e);
    WindowClipboardBox::keyPressEvent(e);
    emit inputHandled();
}

void ExpressionBox::inputMethodEvent(QInputMethodEvent *e)
{
    WindowClipboardBox::inputMethodEvent(e);
    emit inputHandled();
}

void ExpressionBox::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && !(e->modifiers() & Qt::ShiftModifier)) {
        QTextCursor cursor = textCursor();
        cursor.clearSelection();
        setTextCursor(cursor);
    }
    if (e->button() == Qt::MiddleButton)
        e->accept();
    else
        WindowClipboardBox::mousePressEvent(e);
    emit mouseDown(e);
}

void ExpressionBox::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::MiddleButton)
        e->accept();
    else
        WindowClipboardBox::mouseReleaseEvent(e);
    emit mouseUp(e);
}

bool ExpressionBox::canInsertFromMimeData(const QMimeData *) const
{
    return false;
}

void ExpressionBox::insertFromMimeData(const QMimeData *) { }

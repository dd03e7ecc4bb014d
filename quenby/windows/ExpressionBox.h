#pragma once

#include <QPlainTextEdit>

class QKeyEvent;
class QMouseEvent;

namespace caret {
struct Edit;
}

// A text box of the calculator window: the clipboard keys belong to the window's own clipboard
// commands, whichever box has the focus.
class WindowClipboardBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool event(QEvent *e) override;
};

// The expression box: tells the window about its keys and mouse buttons, and takes no text from
// outside the window: no drops, no middle-button paste of the selection, and no drags of its
// text (a click inside a selection places the caret there, as a click anywhere else does).
class ExpressionBox : public WindowClipboardBox
{
    Q_OBJECT

public:
    using WindowClipboardBox::WindowClipboardBox;

    // The text exactly as it stands, one "\n" per line break.
    QString rawText() const;
    // The number of caret positions after the first: one per character and line break.
    int length() const;
    // Makes one change through the document, so that the box's own undo keeps working.
    void apply(const caret::Edit &edit);
    // Takes the focus and puts the caret at `pos` (at most the end of the text).
    void placeCaret(int pos);

signals:
    // A key, before the box handles it.
    void keyDown(QKeyEvent *event);
    // A mouse button, after the box has placed its caret for it.
    void mouseDown(QMouseEvent *event);
    // A mouse button released, after the box has handled it.
    void mouseUp(QMouseEvent *event);
    // The box has handled a key or the input method's text: its caret may stand elsewhere now.
    void inputHandled();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};

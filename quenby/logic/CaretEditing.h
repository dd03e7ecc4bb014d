#pragma once

#include <QString>
#include <QStringView>

// The text and caret arithmetic of the calculator's expression box.
//
// Everything here works on the box's own text, where a line break is one character ("\n"), and
// positions count UTF-16 code units from the start, as the box's caret does. The kept caret
// position of the window is a position in that same text; the CR LF form that the rest of the
// program sees (two characters per line break) is made only by toCrLf() and crLfLength().
// A step to the left or right, and a deletion, never splits a surrogate pair.
namespace caret {

// One change to the box: the characters from `from` up to `to` give way to `insert`, and the
// window's kept caret position becomes `caretPos`.
struct Edit {
    int from = 0;
    int to = 0;
    QString insert;
    int caretPos = 0;

    bool changesText() const { return from != to || !insert.isEmpty(); }
};

// The caret that the kept position puts in `text`: the position itself, the end of the text when
// the position lies beyond it, 0 for a negative one, and never inside a surrogate pair.
int restore(QStringView text, int caretPos);

// Insertion at the restored caret (keypad buttons and paste); the caret ends after the insertion.
Edit insertAt(QStringView text, int caretPos, const QString &insert);

// Deletes the one character before the restored caret. At the start of the text nothing changes,
// and the kept position keeps its value.
Edit backspace(QStringView text, int caretPos);

// The kept position after one step to the left or right from the restored caret; no step at the
// start or the end of the text.
int left(QStringView text, int caretPos);
int right(QStringView text, int caretPos);

// Cut of the selection between two positions (in either order): the selected characters go and
// the kept position becomes the start of the selection.
Edit cut(QStringView text, int anchor, int position);

// The text with the edit made.
QString apply(QStringView text, const Edit &edit);

// The box's text with every line break as CR LF, and its length in that form.
QString toCrLf(QStringView boxText);
int crLfLength(QStringView boxText);

// Where a caret at `caret` in the box's text stands once the evaluation has dropped the blanks and
// line breaks: beside the same character of the normalised text.
int caretAfterNormalising(QStringView boxText, int caret);

// The character-count panel of the status bar: "字符总数：" and the number text of the length,
// a line break counting two characters.
QString countPanelText(QStringView boxText);

} // namespace caret

#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <initializer_list>

class QFontMetrics;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The small kit both programs build their fixed-size windows with: every window is a table of
// controls, each at a rectangle in twips with a face from fonts::.
namespace form {

// A rectangle in twips (1/1440 inch) inside the client area.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Sets up a top-level window of fixed size: object name, caption, a frame with a title, the system
// menu, minimise and close but nothing to maximise, and the client area's size in twips.
void setupFixedWindow(QWidget *window, const QString &objectName, const QString &caption, int clientWidth,
                      int clientHeight);

// The frame flags of a fixed-size window, for windows whose size is set otherwise.
void setFixedFrame(QWidget *window);

// Gives a control its object name, its place in twips and, when given, its font.
void place(QWidget *control, const char *objectName, Rect at);
void place(QWidget *control, const char *objectName, Rect at, const QFont &font);

// Creates a control of type W in parent, named and placed; W's constructor takes the parent.
template <class W> W *add(QWidget *parent, const char *objectName, Rect at)
{
    auto *control = new W(parent);
    place(control, objectName, at);
    return control;
}

template <class W> W *add(QWidget *parent, const char *objectName, Rect at, const QFont &font)
{
    auto *control = new W(parent);
    place(control, objectName, at, font);
    return control;
}

// The same with a caption, for buttons, labels and check boxes.
template <class W>
W *add(QWidget *parent, const char *objectName, const QString &caption, Rect at, const QFont &font)
{
    auto *control = add<W>(parent, objectName, at, font);
    control->setText(caption);
    return control;
}

// A label whose text stands at its top, as the window layouts place their texts. Where the font's
// line is taller than the row, the label grows to the line, centred on the row, so no character
// is cut.
QLabel *addLabel(QWidget *parent, const char *objectName, const QString &text, Rect at, const QFont &font,
                 Qt::Alignment horizontal = Qt::AlignLeft);

// Fits a label made by addLabel to its row again, after its font or its wrapping changed.
void fitLineToRow(QLabel *label);

// The lines a caption takes in width: each as long as fits, broken after a blank or full-width
// punctuation where the line has one, between two characters only where it has none.
QStringList wrapCaption(const QString &caption, const QFontMetrics &metrics, int width);

// A caption's lines as a wrapping button draws them in area: each centred in its box, the boxes
// one under the other, centred as a block.
struct CaptionLine {
    QString text;
    QRect box;
};
QList<CaptionLine> layoutCaption(const QString &caption, const QFontMetrics &metrics, const QRect &area);

// Shrinks a control's font, keeping its face, until text fits the control's width; a stand-in for a
// title face can be wider than the face the layout had in mind.
void shrinkFontToFit(QWidget *control, const QString &text);

// Sets the keyboard order: each control follows the one before it.
void chainTabOrder(std::initializer_list<QWidget *> controls);

// Centres a top-level window, frame included, on its screen. Until the window manager has framed
// the window the frame is estimated from the windows framed before; once the frame is known the
// window is centred again.
void centreOnScreen(QWidget *window);

// A push button whose caption wraps onto further lines (by wrapCaption) when the button is too
// narrow for it, as the long Chinese captions need.
class WrappingButton : public QPushButton
{
public:
    explicit WrappingButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The cyan (red 0, green 255, blue 255) that several window layouts give as their background.
inline constexpr QColor kCyan {0, 255, 255};

// Fills a window's background, and its labels', with a colour; with textBoxes, its text boxes too.
void fillBackground(QWidget *window, const QColor &colour, bool textBoxes);

// An empty picture widget, named and placed, its picture at the top left.
QLabel *addPicture(QWidget *parent, const char *objectName, Rect at);

// Gives a control the name and, when there is one, the description a screen reader speaks.
void describe(QWidget *control, const QString &name, const QString &description = QString());

// Gives a control its tooltip and the same text as the description a screen reader speaks.
void setTip(QWidget *control, const QString &tip);
// Gives a one-line box the usual edit menu on the right button (undo, redo, cut, copy, paste,
// delete, select all) with Chinese texts, whether or not Qt's own translations are installed.
// With paste given, the menu's paste entry calls it instead of the box's own paste.
void useChineseEditMenu(QLineEdit *box, std::function<void()> paste = {});

// Gives a read-only text box a menu with copy and select all, with Chinese texts.
void useChineseCopyMenu(QPlainTextEdit *box);

} // namespace form

#pragma once

#include <QPushButton>
#include <QString>

class QFont;
class QLabel;
class QWidget;

// Small pieces shared by the windows of the program.
namespace formWidgets {

// The background of every window and its labels.
inline constexpr QColor Cyan {0, 255, 255};

// A fixed-size window: title, system menu, minimise and close, nothing to maximise.
void fixedSizeFrame(QWidget *window);

// Gives a window its cyan background; with textBoxes, its text boxes too.
void paintCyan(QWidget *window, bool textBoxes);

// A label with its text at the top, as the window layouts place their texts.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font,
                  Qt::Alignment horizontal = Qt::AlignLeft);

// An empty picture widget.
QLabel *makePicture(QWidget *parent, const char *name);

// Shrinks a one-line label's font, keeping its face, until the whole text fits the label's
// width; the installed stand-in for a title face can be wider than the face the layout had in mind.
void fitToWidth(QLabel *label);

} // namespace formWidgets

// A push button whose caption wraps onto a second line when the button is too narrow for it,
// as the long Chinese captions of the menu need.
class FormButton : public QPushButton
{
public:
    FormButton(const QString &text, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

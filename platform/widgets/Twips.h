#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Window layouts are given in twips (1/1440 inch); at 96 logical dots per inch 15 twips make a pixel.
// Qt scales logical pixels for high-DPI screens itself.
namespace twips {

int toPixels(int twips);
QRect rect(int left, int top, int width, int height);
QSize size(int width, int height);

// Places a child widget inside its parent's client area.
void place(QWidget *widget, int left, int top, int width, int height);

// Fixes the client area of a top-level window.
void setClientSize(QWidget *window, int width, int height);

// Moves a top-level window so that its frame's top-left corner stands at the given screen position.
void moveTo(QWidget *window, int left, int top);

} // namespace twips

#include "platform/widgets/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QtMath>

namespace twips {

int toPixels(int twips)
{
    return qRound(twips / 15.0);
}

QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

QSize size(int width, int height)
{
    return QSize(toPixels(width), toPixels(height));
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(rect(left, top, width, height));
}

void setClientSize(QWidget *window, int width, int height)
{
    window->setFixedSize(size(width, height));
}

void moveTo(QWidget *window, int left, int top)
{
    window->move(toPixels(left), toPixels(top));
}

} // namespace twips

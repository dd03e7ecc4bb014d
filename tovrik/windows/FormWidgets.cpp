#include "windows/FormWidgets.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace formWidgets {

void fixedSizeFrame(QWidget *window)
{
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void paintCyan(QWidget *window, bool textBoxes)
{
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, Cyan);
    if (textBoxes)
        pal.setColor(QPalette::Base, Cyan);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font,
                  Qt::Alignment horizontal)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignTop | horizontal);
    return label;
}

QLabel *makePicture(QWidget *parent, const char *name)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    return picture;
}

void fitToWidth(QLabel *label)
{
    QFont font = label->font();
    while (font.pointSizeF() > 8 && QFontMetricsF(font).horizontalAdvance(label->text()) > label->width())
        font.setPointSizeF(font.pointSizeF() - 0.75);
    label->setFont(font);
}

} // namespace formWidgets

FormButton::FormButton(const QString &text, QWidget *parent) : QPushButton(text, parent) { }

void FormButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);

    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    area.adjust(1, 0, -1, 0);
    if (isDown() || isChecked())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    p.drawItemText(area, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

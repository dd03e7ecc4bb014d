#include "tovrik/windows/FormPictures.h"

#include "platform/widgets/Fonts.h"
#include "platform/widgets/Pictures.h"

#include <QFile>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace formPictures {

namespace {

// The largest pixel size up to maxPixels at which the text fits the width.
QFont fitted(QFont font, const QString &text, qreal width, int maxPixels)
{
    for (int px = maxPixels; px > 8; --px) {
        font.setPixelSize(px);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            return font;
    }
    font.setPixelSize(8);
    return font;
}

} // namespace

QIcon face(const QString &fileName)
{
    const QString path = pictures::locate(fileName, QStringLiteral("tovrik"));
    if (!path.isEmpty()) {
        QIcon icon(path);
        if (!icon.availableSizes().isEmpty())
            return icon;
    }
    const QString builtIn = QStringLiteral(":/tovrik/resources/") + fileName;
    if (QFile::exists(builtIn)) {
        qCDebug(lcPictures).noquote() << fileName << "built-in:" << builtIn;
        return QIcon(builtIn);
    }
    return QIcon();
}

QPixmap facePixmap(const QString &fileName, int side)
{
    const QIcon icon = face(fileName);
    if (icon.isNull())
        return QPixmap();
    return icon.pixmap(QSize(side, side));
}

QPixmap banner(QSize size, const QString &title, const QString &notice)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF frame = QRectF(pixmap.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient sky(frame.topLeft(), frame.bottomLeft());
    sky.setColorAt(0.0, QColor(255, 244, 190));
    sky.setColorAt(1.0, QColor(255, 206, 120));
    p.setBrush(sky);
    p.setPen(QPen(QColor(200, 90, 20), 3));
    p.drawRoundedRect(frame, 10, 10);

    // A few coloured dots along both ends, like beads on a counting frame.
    const QColor beads[] = {QColor(230, 60, 60), QColor(60, 140, 230), QColor(60, 180, 90)};
    const qreal r = qMax<qreal>(3.0, size.height() / 14.0);
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(beads[i]);
        const qreal y = frame.top() + frame.height() * (i + 1) / 4.0;
        p.drawEllipse(QPointF(frame.left() + 3 * r, y), r, r);
        p.drawEllipse(QPointF(frame.right() - 3 * r, y), r, r);
    }

    const QRectF text = frame.adjusted(7 * r, 2, -7 * r, -2);
    const bool withNotice = !notice.isEmpty();
    const QRectF titleRect
        = withNotice ? QRectF(text.left(), text.top(), text.width(), text.height() * 0.62) : text;
    p.setFont(fitted(fonts::make(fonts::kLishu, 10), title, titleRect.width(),
                     qMax(10, int(titleRect.height() * 0.78))));
    p.setPen(QColor(170, 30, 20));
    p.drawText(titleRect, Qt::AlignCenter, title);

    if (withNotice) {
        const QRectF noticeRect(text.left(), titleRect.bottom(), text.width(),
                                text.bottom() - titleRect.bottom());
        p.setFont(fitted(fonts::make(fonts::kKai, 10), notice, noticeRect.width(),
                         qMax(9, int(noticeRect.height() * 0.72))));
        p.setPen(QColor(40, 60, 140));
        p.drawText(noticeRect, Qt::AlignCenter, notice);
    }
    return pixmap;
}

} // namespace formPictures

#include "platform/widgets/FormKit.h"

#include "platform/widgets/Twips.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace form {

namespace {

// Where a label made by addLabel keeps its row, the rectangle its twips give.
constexpr const char *kRowProperty = "form.row";

// The smallest size a shrunk font may reach, and the step it shrinks by.
constexpr double kSmallestPoints = 8;
constexpr double kShrinkStep = 0.75;

// How long to wait for a window manager's frame, and how often to look.
constexpr int kFrameWaitMs = 5000;
constexpr int kFrameLookMs = 10;

// The frame of the last window a window manager framed: the best guess for the next one.
QMargins g_lastFrame;

QMargins frameOf(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    if (handle && window->isVisible()) {
        const QMargins margins = handle->frameMargins();
        if (!margins.isNull())
            return margins;
    }
    return {};
}

void moveToCentre(QWidget *window, const QMargins &frame)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize framed = window->size().grownBy(frame);
    // A top-level window's position is its frame's top-left corner.
    window->move(available.left() + (available.width() - framed.width()) / 2,
                 available.top() + (available.height() - framed.height()) / 2);
}

// Looks for the frame until the window manager has given the window one, then centres again.
void centreOnceFramed(QWidget *window)
{
    auto *timer = new QTimer(window);
    timer->setInterval(kFrameLookMs);
    const int tries = kFrameWaitMs / kFrameLookMs;
    QObject::connect(timer, &QTimer::timeout, window, [window, timer, left = tries]() mutable {
        const QMargins frame = frameOf(window);
        if (frame.isNull() && --left > 0)
            return;
        timer->stop();
        timer->deleteLater();
        if (!frame.isNull()) {
            g_lastFrame = frame;
            moveToCentre(window, frame);
        }
    });
    timer->start();
}

} // namespace

void setFixedFrame(QWidget *window)
{
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void setupFixedWindow(QWidget *window, const QString &objectName, const QString &caption, int clientWidth,
                      int clientHeight)
{
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    setFixedFrame(window);
    twips::setClientSize(window, clientWidth, clientHeight);
}

void place(QWidget *control, const char *objectName, Rect at)
{
    control->setObjectName(QLatin1String(objectName));
    twips::place(control, at.left, at.top, at.width, at.height);
}

void place(QWidget *control, const char *objectName, Rect at, const QFont &font)
{
    place(control, objectName, at);
    control->setFont(font);
}

QLabel *addLabel(QWidget *parent, const char *objectName, const QString &text, Rect at, const QFont &font,
                 Qt::Alignment horizontal)
{
    auto *label = add<QLabel>(parent, objectName, text, at, font);
    label->setAlignment(Qt::AlignTop | horizontal);
    label->setProperty(kRowProperty, twips::rect(at.left, at.top, at.width, at.height));
    fitLineToRow(label);
    return label;
}

void fitLineToRow(QLabel *label)
{
    const QVariant row = label->property(kRowProperty);
    if (!row.isValid())
        return;
    QRect place = row.toRect();
    // A wrapped text has its lines inside the row.
    if (label->wordWrap()) {
        label->setGeometry(place);
        return;
    }
    const QFontMetrics metrics(label->font());
    const QRect text
        = metrics.boundingRect(QRect(QPoint(0, 0), place.size()), int(label->alignment()), label->text());
    const int line = std::max({metrics.height(), metrics.lineSpacing(), text.height()});
    if (line > place.height()) {
        const int grown = line - place.height();
        place.adjust(0, -(grown / 2), 0, grown - grown / 2);
    }
    // A caption wider than its row grows away from the side it is aligned to.
    if (text.width() > place.width()) {
        const int grown = text.width() - place.width();
        const Qt::Alignment side = label->alignment() & Qt::AlignHorizontal_Mask;
        const int left = side & Qt::AlignRight ? grown : side & Qt::AlignHCenter ? grown / 2 : 0;
        place.adjust(-left, 0, grown - left, 0);
    }
    label->setGeometry(place);
}

void shrinkFontToFit(QWidget *control, const QString &text)
{
    const QVariant row = control->property(kRowProperty);
    const int width = row.isValid() ? row.toRect().width() : control->width();
    QFont font = control->font();
    while (font.pointSizeF() > kSmallestPoints && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPointSizeF(font.pointSizeF() - kShrinkStep);
    control->setFont(font);
    if (auto *label = qobject_cast<QLabel *>(control))
        fitLineToRow(label);
}

namespace {

// Full-width punctuation after which a caption may break, as a blank may.
bool breaksAfter(QChar c)
{
    static const QString kPunctuation = QStringLiteral("，。、；：！？）》」』】…—");
    return c.isSpace() || kPunctuation.contains(c);
}

// The length of the longest start of text that fits width, at least one character.
qsizetype fittingLength(QStringView text, const QFontMetrics &metrics, int width)
{
    qsizetype length = text.size();
    while (length > 1 && metrics.horizontalAdvance(text.left(length).toString()) > width)
        --length;
    return length;
}

} // namespace

QStringList wrapCaption(const QString &caption, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    QStringView rest(caption);
    while (!rest.isEmpty()) {
        qsizetype length = fittingLength(rest, metrics, width);
        if (length < rest.size()) {
            qsizetype natural = length;
            while (natural > 0 && !breaksAfter(rest[natural - 1]))
                --natural;
            if (natural > 0)
                length = natural;
        }
        lines << rest.left(length).toString().trimmed();
        rest = rest.mid(length);
        while (!rest.isEmpty() && rest.front().isSpace())
            rest = rest.mid(1);
    }
    return lines;
}

void chainTabOrder(std::initializer_list<QWidget *> controls)
{
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void centreOnScreen(QWidget *window)
{
    const QMargins frame = frameOf(window);
    if (!frame.isNull()) {
        g_lastFrame = frame;
        moveToCentre(window, frame);
        return;
    }
    moveToCentre(window, g_lastFrame);
    // Platforms without window frames (offscreen) never report one; nothing to correct there.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        centreOnceFramed(window);
}

WrappingButton::WrappingButton(QWidget *parent) : QPushButton(parent) { }

void WrappingButton::paintEvent(QPaintEvent *)
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
    for (const CaptionLine &line : layoutCaption(caption, fontMetrics(), area))
        p.drawItemText(line.box, Qt::AlignCenter | Qt::TextShowMnemonic, option.palette, isEnabled(),
                       line.text, QPalette::ButtonText);
}

QList<CaptionLine> layoutCaption(const QString &caption, const QFontMetrics &metrics, const QRect &area)
{
    const QStringList lines = wrapCaption(caption, metrics, area.width());
    // Lines closer than the font's own spacing where they would not fit otherwise: the ink of a
    // line is far lower than the font's line.
    const int count = int(lines.size());
    const int step = std::min(metrics.lineSpacing(), area.height() / std::max(count, 1));
    const int top = area.top() + (area.height() - step * count) / 2;
    QList<CaptionLine> laid;
    for (int i = 0; i < count; ++i)
        laid.append({lines[i], QRect(area.left(), top + i * step, area.width(), step)});
    return laid;
}

void fillBackground(QWidget *window, const QColor &colour, bool textBoxes)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, colour);
    if (textBoxes)
        palette.setColor(QPalette::Base, colour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

QLabel *addPicture(QWidget *parent, const char *objectName, Rect at)
{
    auto *picture = add<QLabel>(parent, objectName, at);
    picture->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    return picture;
}

void describe(QWidget *control, const QString &name, const QString &description)
{
    control->setAccessibleName(name);
    if (!description.isEmpty())
        control->setAccessibleDescription(description);
}

void setTip(QWidget *control, const QString &tip)
{
    control->setToolTip(tip);
    control->setAccessibleDescription(tip);
}

namespace {

// An entry of a context menu: its Chinese text with its access key, and its key shown beside it.
QAction *addMenuEntry(QMenu *menu, const QString &text, const QKeySequence &key, bool enabled)
{
    QAction *action = menu->addAction(text);
    action->setShortcut(key);
    action->setEnabled(enabled);
    return action;
}

// Opens a menu built on demand at a point on the screen, and deletes it once closed.
template <class Build> void popUp(QWidget *box, const QPoint &globalAt, Build build)
{
    auto *menu = new QMenu(box);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    build(menu);
    menu->popup(globalAt);
}

} // namespace

void useChineseEditMenu(QLineEdit *box, std::function<void()> paste)
{
    if (!paste)
        paste = [box] { box->paste(); };
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, box, [box, paste](const QPoint &at) {
        popUp(box, box->mapToGlobal(at), [box, paste](QMenu *menu) {
            const bool editable = !box->isReadOnly();
            const bool selected = box->hasSelectedText() && box->echoMode() == QLineEdit::Normal;
            QObject::connect(addMenuEntry(menu, QStringLiteral("撤销(&U)"), QKeySequence::Undo,
                                          editable && box->isUndoAvailable()),
                             &QAction::triggered, box, &QLineEdit::undo);
            QObject::connect(addMenuEntry(menu, QStringLiteral("重做(&R)"), QKeySequence::Redo,
                                          editable && box->isRedoAvailable()),
                             &QAction::triggered, box, &QLineEdit::redo);
            menu->addSeparator();
            QObject::connect(
                addMenuEntry(menu, QStringLiteral("剪切(&T)"), QKeySequence::Cut, editable && selected),
                &QAction::triggered, box, &QLineEdit::cut);
            QObject::connect(addMenuEntry(menu, QStringLiteral("复制(&C)"), QKeySequence::Copy, selected),
                             &QAction::triggered, box, &QLineEdit::copy);
            QObject::connect(addMenuEntry(menu, QStringLiteral("粘贴(&P)"), QKeySequence::Paste, editable),
                             &QAction::triggered, box, paste);
            QObject::connect(
                addMenuEntry(menu, QStringLiteral("删除(&D)"), QKeySequence(), editable && selected),
                &QAction::triggered, box, &QLineEdit::del);
            menu->addSeparator();
            QObject::connect(addMenuEntry(menu, QStringLiteral("全选(&A)"), QKeySequence::SelectAll,
                                          !box->text().isEmpty()),
                             &QAction::triggered, box, &QLineEdit::selectAll);
        });
    });
}

void useChineseCopyMenu(QPlainTextEdit *box)
{
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(box, &QWidget::customContextMenuRequested, box, [box](const QPoint &at) {
        // A scroll area reports the point in its viewport.
        popUp(box, box->viewport()->mapToGlobal(at), [box](QMenu *menu) {
            QObject::connect(addMenuEntry(menu, QStringLiteral("复制(&C)"), QKeySequence::Copy,
                                          box->textCursor().hasSelection()),
                             &QAction::triggered, box, &QPlainTextEdit::copy);
            menu->addSeparator();
            QObject::connect(addMenuEntry(menu, QStringLiteral("全选(&A)"), QKeySequence::SelectAll,
                                          !box->document()->isEmpty()),
                             &QAction::triggered, box, &QPlainTextEdit::selectAll);
        });
    });
}

} // namespace form

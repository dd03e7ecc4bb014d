// Every text of every window of both programs is whole, with the fonts installed here: a label's,
// button's, box's or list's line fits its widget (a wrapped text fits in its lines, a wrapped
// caption breaks at a natural place), a window's title fits its title bar, and every text keeps
// at least a 3:1 contrast to its background, under a light and a dark desktop theme alike.

#include "EveryWindow.h"
#include "platform/widgets/FormKit.h"
#include "platform/widgets/WindowRegistry.h"
#include "quenby/QuenbyStartup.h"
#include "support/WindowTest.h"
#include "tovrik/TovrikStartup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include <cmath>

namespace {

QString nameOf(const QWidget *w)
{
    return QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
}

// The text as drawn: mnemonics' ampersands take no room.
QString shown(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(1), QLatin1Char('&'));
    return text;
}

double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Where a text of the widget is cut, or empty.
QString cutText(QWidget *w)
{
    const QFontMetrics metrics(w->font());
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return {};
        const QRect area = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = metrics.boundingRect(area, flags, shown(label->text()));
        if (needed.height() > area.height() || (!label->wordWrap() && needed.width() > area.width()))
            return QStringLiteral("needs %1x%2, has %3x%4")
                .arg(needed.width())
                .arg(needed.height())
                .arg(area.width())
                .arg(area.height());
        return {};
    }
    if (auto *button = qobject_cast<QPushButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        QRect drawn = area.adjusted(1, 0, -1, 0);
        const QList<form::CaptionLine> lines = dynamic_cast<form::WrappingButton *>(button)
            ? form::layoutCaption(shown(button->text()), metrics, drawn)
            : QList<form::CaptionLine> {{shown(button->text()), area}};
        // Each line stands centred in its box; its ink must stay inside the button's border.
        const QRect inside = button->rect().adjusted(1, 1, -1, -1);
        for (const form::CaptionLine &line : lines) {
            const QRect ink = metrics.tightBoundingRect(line.text);
            const int baseline
                = line.box.top() + (line.box.height() - metrics.height()) / 2 + metrics.ascent();
            if (ink.width() > line.box.width() || baseline + ink.top() < inside.top()
                || baseline + ink.bottom() > inside.bottom())
                return QStringLiteral("line \"%1\" of %2: ink %3..%4 in %5..%6, %7 wide in %8")
                    .arg(line.text)
                    .arg(lines.size())
                    .arg(baseline + ink.top())
                    .arg(baseline + ink.bottom())
                    .arg(inside.top())
                    .arg(inside.bottom())
                    .arg(ink.width())
                    .arg(line.box.width());
        }
        return {};
    }
    if (qobject_cast<QRadioButton *>(w) || qobject_cast<QCheckBox *>(w)) {
        auto *button = static_cast<QAbstractButton *>(w);
        if (metrics.height() > button->height())
            return QStringLiteral("line %1 in %2").arg(metrics.height()).arg(button->height());
        return {};
    }
    if (auto *box = qobject_cast<QLineEdit *>(w)) {
        // A box too narrow for any character only holds the focus; it never shows a text.
        if (box->text().isEmpty() && box->width() < metrics.averageCharWidth() * 2)
            return {};
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth
            = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
        const QRect area = box->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                               .marginsRemoved(box->textMargins());
        if (metrics.height() > area.height())
            return QStringLiteral("line %1 in %2").arg(metrics.height()).arg(area.height());
        return {};
    }
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        if (metrics.height() > combo->height() - 2)
            return QStringLiteral("line %1 in %2").arg(metrics.height()).arg(combo->height());
        return {};
    }
    if (auto *list = qobject_cast<QListWidget *>(w)) {
        for (int i = 0; i < list->count(); ++i) {
            const QRect item = list->visualItemRect(list->item(i));
            if (!item.isEmpty() && QFontMetrics(list->font()).height() > item.height())
                return QStringLiteral("item %1: line %2 in %3")
                    .arg(i)
                    .arg(metrics.height())
                    .arg(item.height());
        }
    }
    return {};
}

// The colours a widget draws its text and background with.
std::pair<QColor, QColor> textAndBackground(const QWidget *w)
{
    const QPalette &p = w->palette();
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractItemView *>(w)
        || qobject_cast<const QAbstractScrollArea *>(w))
        return {p.color(QPalette::Text), p.color(QPalette::Base)};
    if (qobject_cast<const QPushButton *>(w) || qobject_cast<const QComboBox *>(w))
        return {p.color(QPalette::ButtonText), p.color(QPalette::Button)};
    // A label or option button stands on the nearest ancestor that fills its background.
    const QWidget *under = w;
    while (under->parentWidget() && !under->autoFillBackground() && !under->isWindow())
        under = under->parentWidget();
    return {p.color(QPalette::WindowText), under->palette().color(QPalette::Window)};
}

bool hasText(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w))
        return !label->text().isEmpty() && label->pixmap().isNull();
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return !button->text().isEmpty();
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w)
        || qobject_cast<const QAbstractScrollArea *>(w);
}

// Texts whose colours the window layouts give together with their background.
bool coloursGiven(const QWidget *w)
{
    // The times-table drill's yellow title on cyan.
    return w->objectName() == QLatin1String("Label14_0") && w->window()->inherits("Form1");
}

} // namespace

class tst_WholeTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startBothPrograms(); }
    void cleanup() { WindowRegistry::instance().destroyAll(); }
    void noTextIsCut_data() { addEveryWindowRow(); }
    void noTextIsCut();
    void everyTextStandsOut_data() { addEveryWindowRow(); }
    void everyTextStandsOut();
    void captionsBreakAtNaturalPlaces_data();
    void captionsBreakAtNaturalPlaces();
};

void tst_WholeTexts::noTextIsCut()
{
    QFETCH(Opener, open);
    QWidget *window = open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QStringList cut;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        const QString why = cutText(w);
        if (!why.isEmpty())
            cut << QStringLiteral("%1: %2").arg(nameOf(w), why);
    }
    // The title bar holds the title beside the window's icon and its minimise and close buttons.
    const QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    const int titleRoom = window->width() - 4 * window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    if (QFontMetrics(titleFont).horizontalAdvance(window->windowTitle()) > titleRoom)
        cut << QStringLiteral("title \"%1\"").arg(window->windowTitle());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
}

void tst_WholeTexts::everyTextStandsOut()
{
    QFETCH(Opener, open);
    QWidget *window = open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QStringList faint;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled() || !hasText(w) || coloursGiven(w))
            continue;
        const auto [text, background] = textAndBackground(w);
        const double ratio = contrast(text, background);
        if (ratio < 3.0)
            faint << QStringLiteral("%1: %2 on %3, %4:1")
                         .arg(nameOf(w), text.name(), background.name(), QString::number(ratio, 'f', 2));
    }
    QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral("\n"))));
}

void tst_WholeTexts::captionsBreakAtNaturalPlaces_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("room"); // a line has room for this text, no more
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("after the comma") << "不做了，休息一下"
                                     << "不做了，休息" << QStringList {"不做了，", "休息一下"};
    QTest::newRow("fits") << "再来一次"
                          << "再来一次" << QStringList {"再来一次"};
    QTest::newRow("no natural place") << "乘法口诀练习"
                                      << "乘法口诀" << QStringList {"乘法口诀", "练习"};
    QTest::newRow("at a blank") << "ab cd ef"
                                << "ab cd e" << QStringList {"ab cd", "ef"};
    QTest::newRow("after the full stop") << "好。再来一次"
                                         << "好。再来" << QStringList {"好。", "再来一次"};
}

void tst_WholeTexts::captionsBreakAtNaturalPlaces()
{
    QFETCH(QString, caption);
    QFETCH(QString, room);
    QFETCH(QStringList, lines);
    const QFontMetrics metrics(QApplication::font());
    QCOMPARE(form::wrapCaption(caption, metrics, metrics.horizontalAdvance(room)), lines);
}

QTEST_MAIN(tst_WholeTexts)
#include "tst_WholeTexts.moc"

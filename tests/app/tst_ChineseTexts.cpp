// Every text that Qt itself puts before a person (the context menus of text boxes, the buttons of
// message and input boxes) must be Chinese in both programs, whatever the locale.

#include "EveryWindow.h"
#include "platform/core/Services.h"
#include "platform/widgets/QtDialogs.h"
#include "platform/widgets/WindowRegistry.h"
#include "quenby/QuenbyStartup.h"
#include "support/WindowTest.h"
#include "tovrik/TovrikStartup.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// A word of two or more Latin letters, once mnemonics ("(&U)") and shortcuts (after a tab) are gone.
QStringList englishWords(QString text)
{
    text = text.section(QLatin1Char('\t'), 0, 0);
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    text.remove(QLatin1Char('&'));
    QStringList words;
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    for (auto it = word.globalMatch(text); it.hasNext();)
        words << it.next().captured();
    return words;
}

// The texts of the context menu a right-click opens on a box (none when the box has no menu).
QStringList contextMenuOf(QWidget *box)
{
    QMenu *menu = windowtest::openContextMenu(box);
    if (!menu)
        return {};
    const QStringList texts = windowtest::menuTexts(menu);
    menu->close();
    return texts;
}

bool isTextBox(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w)
        || qobject_cast<const QTextEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w);
}

// Every English word in the context menus of the window's text boxes and on its standard buttons.
QStringList englishIn(QWidget *window)
{
    QStringList found;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (isTextBox(w) && w->isVisibleTo(window)) {
            for (const QString &text : contextMenuOf(w))
                for (const QString &word : englishWords(text))
                    found << QStringLiteral("%1 menu: %2").arg(w->objectName(), word);
        }
        // Standard buttons; the windows' own captions ("CLR", "sin" …) are what the programs show.
        auto *button = qobject_cast<QAbstractButton *>(w);
        if (button && qobject_cast<QDialogButtonBox *>(button->parentWidget()))
            for (const QString &word : englishWords(button->text()))
                found << QStringLiteral("%1 button: %2").arg(w->objectName(), word);
    }
    return found;
}

} // namespace

class tst_ChineseTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void contextMenusAndButtons_data();
    void contextMenusAndButtons();
    void messageAndInputBoxes_data();
    void messageAndInputBoxes();
};

void tst_ChineseTexts::initTestCase()
{
    // Qt's own texts would be English under this locale without the program's translations.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    startQuenby();
    WindowRegistry::instance().destroyAll();
}

void tst_ChineseTexts::cleanup()
{
    WindowRegistry::instance().destroyAll();
}

void tst_ChineseTexts::contextMenusAndButtons_data()
{
    addEveryWindowRow();
}

void tst_ChineseTexts::contextMenusAndButtons()
{
    QFETCH(Opener, open);
    QWidget *window = open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QStringList english = englishIn(window);
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral("; "))));
}

void tst_ChineseTexts::messageAndInputBoxes_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("inform") << 0;
    QTest::newRow("confirm") << 1;
    QTest::newRow("input") << 2;
}

void tst_ChineseTexts::messageAndInputBoxes()
{
    QFETCH(int, kind);
    QtDialogs dialogs;
    QStringList english;
    bool seen = false;
    QTimer::singleShot(50, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        seen = true;
        english = englishIn(box);
        box->close();
    });
    switch (kind) {
    case 0:
        dialogs.inform(nullptr, QStringLiteral("已保存"), QStringLiteral("保存"));
        break;
    case 1:
        dialogs.confirm(nullptr, QStringLiteral("确认"), QStringLiteral("题目"), Dialogs::Icon::Question);
        break;
    default:
        dialogs.input(nullptr, QStringLiteral("请输入"));
        break;
    }
    QVERIFY(seen);
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral("; "))));
}

QTEST_MAIN(tst_ChineseTexts)
#include "tst_ChineseTexts.moc"

#include "platform/widgets/Twips.h"
#include "platform/widgets/WindowRegistry.h"
#include "quenby/logic/HelpText.h"
#include "quenby/windows/FrmCal.h"
#include "quenby/windows/frmHelp.h"
#include "support/WindowTest.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

class tst_frmHelp : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void textEqualsTheFixture();
    void boxShowsTheText();
    void window();
    void textCannotBeChangedButCopied_data();
    void textCannotBeChangedButCopied();
    void openingTwiceShowsOneWindow();
    void calculatorStaysAsItWas();
    void menuCopiesInChinese();

private:
    static QByteArray fixture();
    frmHelp *openHelp();
    QPlainTextEdit *box(frmHelp *w) const { return windowtest::child<QPlainTextEdit>(w, "Text1"); }
};

void tst_frmHelp::cleanup()
{
    WindowRegistry::instance().destroyAll();
}

QByteArray tst_frmHelp::fixture()
{
    QFile file(QStringLiteral(FIXTURES_DIR "/help.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the help fixture");
    return file.readAll();
}

frmHelp *tst_frmHelp::openHelp()
{
    auto *w = WindowRegistry::instance().show<frmHelp>();
    return windowtest::activate(w) ? w : nullptr;
}

void tst_frmHelp::textEqualsTheFixture()
{
    const QByteArray expected = fixture();
    QCOMPARE(help::text().toUtf8(), expected);
    QCOMPARE(help::lines().size(), 57);
    QVERIFY(expected.endsWith("\r\n"));
    QCOMPARE(expected.count("\r\n"), 57);
    QCOMPARE(expected.count('\n'), 57); // no bare line feeds
}

void tst_frmHelp::boxShowsTheText()
{
    auto *w = openHelp();
    QVERIFY(w);
    QString shown = box(w)->toPlainText();
    QVERIFY(!shown.contains(QLatin1Char('\r')));
    shown.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    QCOMPARE(shown.toUtf8(), fixture());
    // One block per line, and the empty one after the last line break.
    QCOMPARE(box(w)->document()->blockCount(), 58);
}

void tst_frmHelp::window()
{
    auto *w = openHelp();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("帮助"));
    QCOMPARE(w->size(), twips::size(6735, 6990));
    QVERIFY(!w->isModal());

    auto *text = box(w);
    QVERIFY(text);
    QCOMPARE(text->geometry(), twips::rect(120, 120, 6615, 6855));
    QCOMPARE(text->font().family(), QStringLiteral("宋体"));
    QCOMPARE(text->font().pointSizeF(), 12.0);
    QVERIFY(!text->font().bold());
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(text->verticalScrollBar()->isVisible());
    QCOMPARE(text->palette().color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(text->palette().color(QPalette::Base), w->palette().color(QPalette::Button));
}

void tst_frmHelp::textCannotBeChangedButCopied_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("a letter") << QKeySequence(Qt::Key_A);
    QTest::newRow("Enter") << QKeySequence(Qt::Key_Return);
    QTest::newRow("Delete") << QKeySequence(Qt::Key_Delete);
    QTest::newRow("Backspace") << QKeySequence(Qt::Key_Backspace);
    QTest::newRow("cut") << QKeySequence(QKeySequence::Cut);
    QTest::newRow("paste") << QKeySequence(QKeySequence::Paste);
    QTest::newRow("undo") << QKeySequence(QKeySequence::Undo);
}

void tst_frmHelp::textCannotBeChangedButCopied()
{
    QFETCH(QKeySequence, keys);
    auto *w = openHelp();
    QVERIFY(w);
    auto *text = box(w);
    text->setFocus();
    QCOMPARE(QApplication::focusWidget(), text);
    QVERIFY(text->isReadOnly());

    // Select the first line with the keyboard, as a reader who wants to copy it does.
    QTest::keyClick(w->windowHandle(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(w->windowHandle(), Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(text->textCursor().selectedText(), QStringLiteral("一、主要功能："));

    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keySequence(w->windowHandle(), keys);
    QString shown = text->toPlainText();
    shown.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    QCOMPARE(shown, help::text());

    QTest::keySequence(w->windowHandle(), QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("一、主要功能："));
}

void tst_frmHelp::openingTwiceShowsOneWindow()
{
    auto *first = openHelp();
    QVERIFY(first);
    box(first)->verticalScrollBar()->setValue(5);
    QCOMPARE(WindowRegistry::instance().show<frmHelp>(), first);

    int helpWindows = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<frmHelp *>(top) ? 1 : 0;
    QCOMPARE(helpWindows, 1);
    QCOMPARE(box(first)->verticalScrollBar()->value(), 5);
}

void tst_frmHelp::calculatorStaysAsItWas()
{
    auto *cal = WindowRegistry::instance().show<FrmCal>();
    QVERIFY(QTest::qWaitForWindowExposed(cal));
    auto *w = openHelp();
    QVERIFY(w);
    QVERIFY(cal->isVisible());
    w->close();
    QTRY_VERIFY(!WindowRegistry::instance().find<frmHelp>());
    QVERIFY(cal->isVisible());
    QCOMPARE(WindowRegistry::instance().find<FrmCal>(), cal);
}

// The read-only box's menu offers what a reader needs, in Chinese: copy and select all.
void tst_frmHelp::menuCopiesInChinese()
{
    frmHelp *w = openHelp();
    QVERIFY(w);
    QCOMPARE(box(w)->accessibleName(), QStringLiteral("帮助内容"));
    QMenu *menu = windowtest::openContextMenu(box(w));
    QVERIFY(menu);
    QCOMPARE(windowtest::menuTexts(menu), (QStringList {"复制(&C)", "全选(&A)"}));
    QVERIFY(!menu->actions().first()->isEnabled()); // nothing selected yet
    menu->actions().last()->trigger();
    menu->close();

    menu = windowtest::openContextMenu(box(w));
    QVERIFY(menu);
    QVERIFY(menu->actions().first()->isEnabled());
    QApplication::clipboard()->clear();
    menu->actions().first()->trigger();
    menu->close();
    QCOMPARE(QApplication::clipboard()->text().left(7), QStringLiteral("一、主要功能："));
}

QTEST_MAIN(tst_frmHelp)
#include "tst_frmHelp.moc"

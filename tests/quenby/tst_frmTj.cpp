// The statistics window driven as a teacher does: marks typed with Enter or "--->", taken out
// with "<---", counted with "统计", cleared, saved and left, and how it hands back to the
// calculator window.
#include "quenby/windows/frmTj.h"

#include "platform/widgets/WindowRegistry.h"
#include "quenby/windows/FrmCal.h"
#include "quenby/windows/frmSave.h"
#include "support/WindowTest.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QtTest>

#include <optional>

class tst_frmTj : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opening();
    void layout_data();
    void layout();
    void resultBoxesAreReadOnlyBlueOnOrange();
    void tabOrderStartsAtEntryBox();

    void enterAddsMark();
    void pastedColumnAddsItsMarks_data();
    void pastedColumnAddsItsMarks();
    void pastedCellIsTyped();
    void buttonAddsMark();
    void refusedMarkStays_data();
    void refusedMarkStays();
    void marksListedAsTyped();
    void removeSelectedMark();
    void removeWithoutSelection();
    void clearKeepsEntryText();
    void countFillsResults();
    void countOnEmptyListChangesNothing();
    void resultsAreASnapshot();

    void reopenedWindowIsEmpty();
    void backShowsCalculatorUnchanged();
    void closeBoxShowsCalculator();
    void closingCalculatorFirstOpensFreshOne();
    void saveEmptiesCalculatorAndOpensDialog();
    void backHidesSaveDialogKeepingIt();
    void oneWindowOnly();

    void everyControlHasAChineseName();
    void boxMenusAreChinese();

    void reportEntryFollowsTheList();
    void reportPreviewShowsTheMarks_data();
    void reportPreviewShowsTheMarks();

private:
    frmTj *w = nullptr;
    std::optional<windowtest::FakeServices> m_services;

    const ScriptedDialogs &dialogs() const { return m_services->dialogs; }
    template <class T = QWidget> T *child(const char *name) const
    {
        T *found = windowtest::child<T>(w, name);
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    QLineEdit *input() const { return child<QLineEdit>("txtInput"); }
    QListWidget *list() const { return child<QListWidget>("List1"); }
    void click(const char *name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    void addMarks(const QStringList &marks);
    frmTj *openWindow();
    static FrmCal *calculatorWith(const QString &expression);
};

frmTj *tst_frmTj::openWindow()
{
    frmTj *window = FrmCal::openStatistics();
    if (!windowtest::activate(window))
        qWarning("window not active");
    return window;
}

FrmCal *tst_frmTj::calculatorWith(const QString &expression)
{
    FrmCal *cal = WindowRegistry::instance().show<FrmCal>();
    windowtest::child<QPlainTextEdit>(cal, "txtIn")->setPlainText(expression);
    cal->cmdCal_Click();
    return cal;
}

void tst_frmTj::addMarks(const QStringList &marks)
{
    for (const QString &m : marks) {
        input()->setText(m);
        w->cmdIn_Click();
    }
    QCOMPARE(w->markTexts(), marks);
}

void tst_frmTj::init()
{
    m_services.emplace();
    w = openWindow();
}

void tst_frmTj::cleanup()
{
    WindowRegistry::instance().destroyAll();
    m_services.reset();
    w = nullptr;
}

void tst_frmTj::opening()
{
    QCOMPARE(w->windowTitle(), QStringLiteral("成绩统计（教师用）"));
    QCOMPARE(w->size(), QSize(325, 508));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(QApplication::focusWidget(), input());
    QCOMPARE(input()->text(), QString());
    QCOMPARE(w->markCount(), 0);
    QCOMPARE(w->resultTexts(), QStringList(14));
    // Centred on the screen with its frame, once the window manager has framed it (on X11 the
    // frame comes a moment after the window is shown).
    QTRY_VERIFY2(
        windowtest::isCentred(w),
        qPrintable(
            QStringLiteral("%1,%2").arg(windowtest::offCentre(w).x()).arg(windowtest::offCentre(w).y())));
}

void tst_frmTj::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    const QString song = QStringLiteral("宋体");
    const QString kai = QStringLiteral("楷体_GB2312");
    const QString yuan = QStringLiteral("幼圆");
    QTest::newRow("Label1") << "Label1" << QRect(120, 195, 855, 255) << "输入：" << song << 10.5 << true;
    QTest::newRow("txtInput") << "txtInput" << QRect(600, 120, 855, 375) << ""
                              << "" << 0.0 << false;
    QTest::newRow("cmdIn") << "cmdIn" << QRect(120, 600, 1200, 400) << "--->" << kai << 14.25 << true;
    QTest::newRow("cmdOut") << "cmdOut" << QRect(120, 1380, 1200, 400) << "<---" << kai << 14.25 << true;
    QTest::newRow("cmdTongj") << "cmdTongj" << QRect(120, 2160, 1200, 400) << "统计" << kai << 14.25 << true;
    QTest::newRow("List1") << "List1" << QRect(1560, 120, 1905, 2400) << ""
                           << "" << 0.0 << false;
    QTest::newRow("cmdClear") << "cmdClear" << QRect(3600, 480, 1200, 400) << "清除" << kai << 14.25 << true;
    QTest::newRow("cmdSave") << "cmdSave" << QRect(3600, 1260, 1200, 400) << "保存" << kai << 14.25 << true;
    QTest::newRow("cmdBack") << "cmdBack" << QRect(3600, 2040, 1200, 400) << "返回" << kai << 14.25 << true;

    struct Row {
        const char *box;
        int top;
        int width;
        const char *label;
        const char *labelText;
    };
    const Row rows[] = {
        {"txtSum", 2880, 2868, "lblSum", "总分："},       {"txtAve", 3405, 2868, "lblAve", "平均分："},
        {"txtStd", 3930, 2868, "lblStd", "标准差："},     {"txtmax", 4455, 945, "lblmax", "最高分："},
        {"txtmin", 4980, 945, "lblmin", "最低分："},      {"txtyo", 5505, 945, "lblyo", "优(>=85):"},
        {"txtli", 6030, 945, "lblli", "良(75~84):"},      {"txtjg", 6555, 945, "lbljg", "及格(60~74):"},
        {"txtbjg", 7080, 2865, "lblbjg", "不及格(<60):"},
    };
    for (const Row &r : rows) {
        QTest::newRow(r.box) << r.box << QRect(1800, r.top, r.width, 400) << ""
                             << "" << 0.0 << false;
        QTest::newRow(r.label) << r.label << QRect(285, r.top + 75, 1500, 255)
                               << QString::fromUtf8(r.labelText) << yuan << 12.0 << false;
    }
    const Row second[] = {
        {"txt100", 4455, 945, "lbl100", "100分："}, {"txt90", 4980, 945, "lbl90", "90分："},
        {"txt80", 5505, 945, "lbl80", "80分："},    {"txt70", 6030, 945, "lbl70", "70分："},
        {"txt60", 6555, 945, "lbl60", "60分："},
    };
    for (const Row &r : second) {
        QTest::newRow(r.box) << r.box << QRect(3720, r.top, 945, 400) << ""
                             << "" << 0.0 << false;
        QTest::newRow(r.label) << r.label << QRect(2520, r.top + 75, 1140, 255)
                               << QString::fromUtf8(r.labelText) << yuan << 12.0 << false;
    }
}

void tst_frmTj::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);

    QWidget *widget = child(qPrintable(name));
    const QRect pixels(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0), qRound(twips.width() / 15.0),
                       qRound(twips.height() / 15.0));
    QCOMPARE(windowtest::placeOf(widget), pixels);
    QString shown;
    if (auto *label = qobject_cast<QLabel *>(widget))
        shown = label->text();
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        shown = button->text();
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        shown = edit->text();
    QCOMPARE(shown, text);
    if (!family.isEmpty()) {
        QCOMPARE(widget->font().family(), family);
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);
    }
}

void tst_frmTj::resultBoxesAreReadOnlyBlueOnOrange()
{
    const auto boxes = w->findChildren<QLineEdit *>();
    int results = 0;
    for (QLineEdit *box : boxes) {
        if (box == input())
            continue;
        ++results;
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
        QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 224, 192));
        QCOMPARE(box->palette().color(QPalette::Text), QColor(Qt::blue));
    }
    QCOMPARE(results, 14);
}

void tst_frmTj::tabOrderStartsAtEntryBox()
{
    QCOMPARE(input()->nextInFocusChain(), child("cmdIn"));
    // Tab from the entry box reaches the arrow button, Shift+Tab from there comes back.
    QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child("cmdIn"));
    QTest::keyClick(w->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), input());
}

void tst_frmTj::enterAddsMark()
{
    QTest::keyClicks(input(), QStringLiteral("85"));
    QTest::keyClick(w->windowHandle(), Qt::Key_Return);
    QTest::keyClicks(input(), QStringLiteral("92.5"));
    QTest::keyClick(w->windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(w->markTexts(), (QStringList {"85", "92.5"}));
    QCOMPARE(input()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), input());
}

void tst_frmTj::pastedColumnAddsItsMarks_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Ctrl+V") << "Ctrl+V";
    QTest::newRow("Shift+Insert") << "Shift+Ins";
    QTest::newRow("the box's menu") << "menu";
    QTest::newRow("middle button") << "middle";
}

// A column copied from a spreadsheet: each cell the mark rule takes joins the list in order, the
// others stay in the box, apart by blanks.
void tst_frmTj::pastedColumnAddsItsMarks()
{
    QFETCH(QString, how);
    const QString column = QStringLiteral("85\r\n 92.5 \r\n151\r\n\r\nabc\r\n60\r\n");
    QClipboard *clipboard = QGuiApplication::clipboard();
    input()->setFocus();
    if (how == QLatin1String("middle")) {
        if (!clipboard->supportsSelection())
            QSKIP("no selection to paste from on this platform");
        clipboard->setText(column, QClipboard::Selection);
        QTest::mouseClick(input(), Qt::MiddleButton);
    } else if (how == QLatin1String("menu")) {
        clipboard->setText(column);
        QMenu *menu = windowtest::openContextMenu(input());
        QVERIFY(menu);
        QAction *paste = nullptr;
        for (QAction *action : menu->actions())
            if (action->text() == QStringLiteral("粘贴(&P)"))
                paste = action;
        QVERIFY(paste);
        paste->trigger();
        menu->close();
    } else {
        clipboard->setText(column);
        windowtest::pressKeys(w, how);
    }
    QTRY_COMPARE(w->markTexts(), (QStringList {"85", "92.5", "60"}));
    QCOMPARE(input()->text(), QStringLiteral("151 abc"));
}

// One cell, with the line break spreadsheets put after it, is put in the box as if typed.
void tst_frmTj::pastedCellIsTyped()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("92.5\r\n"));
    input()->setFocus();
    windowtest::pressKeys(w, QStringLiteral("Ctrl+V"));
    QCOMPARE(input()->text(), QStringLiteral("92.5"));
    QCOMPARE(w->markTexts(), QStringList {});
    QTest::keyClick(w->windowHandle(), Qt::Key_Return);
    QCOMPARE(w->markTexts(), QStringList {"92.5"});
}

void tst_frmTj::buttonAddsMark()
{
    input()->setText(QStringLiteral("150"));
    click("cmdIn");
    QCOMPARE(w->markTexts(), QStringList {"150"});
    QCOMPARE(input()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), input());
}

void tst_frmTj::refusedMarkStays_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("byEnter");

    const char *refused[] = {"151", "150.5", "200", "-5", "8 5", "85分", "１００", ""};
    for (const char *t : refused) {
        const QString text = QString::fromUtf8(t);
        const QString name = text.isEmpty() ? QStringLiteral("empty") : text;
        QTest::addRow("%s by Enter", qPrintable(name)) << text << true;
        QTest::addRow("%s by button", qPrintable(name)) << text << false;
    }
}

void tst_frmTj::refusedMarkStays()
{
    QFETCH(QString, text);
    QFETCH(bool, byEnter);

    addMarks({"85"});
    input()->setText(text);
    if (byEnter) {
        input()->setFocus();
        QTest::keyClick(w->windowHandle(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), input());
    } else {
        child("cmdOut")->setFocus();
        w->cmdIn_Click();
        // The focus stays where it was.
        QCOMPARE(QApplication::focusWidget(), child("cmdOut"));
    }
    QCOMPARE(w->markTexts(), QStringList {"85"});
    QCOMPARE(input()->text(), text);
    QVERIFY(dialogs().shown().empty());
}

void tst_frmTj::marksListedAsTyped()
{
    for (const QString &m :
         {QStringLiteral("92.5"), QStringLiteral("0150"), QStringLiteral("."), QStringLiteral("1.2.3")}) {
        QTest::keyClicks(input(), m);
        QTest::keyClick(w->windowHandle(), Qt::Key_Return);
    }
    QCOMPARE(w->markTexts(), (QStringList {"92.5", "0150", ".", "1.2.3"}));
    click("cmdTongj");
    QCOMPARE(w->resultTexts().first(), QStringLiteral(" 243.7分----共 4人"));
}

void tst_frmTj::removeSelectedMark()
{
    addMarks({"85", "90", "80"});
    list()->setCurrentRow(1);
    QVERIFY(list()->item(1)->isSelected());
    click("cmdOut");
    QCOMPARE(w->markTexts(), (QStringList {"85", "80"}));
    QCOMPARE(QApplication::focusWidget(), input());
    // The removed item's neighbour is not chosen for the next "<---".
    click("cmdOut");
    QCOMPARE(w->markTexts(), (QStringList {"85", "80"}));
}

void tst_frmTj::removeWithoutSelection()
{
    // On an empty list "<---" only moves the focus.
    child("cmdTongj")->setFocus();
    click("cmdOut");
    QCOMPARE(w->markCount(), 0);
    QCOMPARE(QApplication::focusWidget(), input());

    // With marks but none selected, nothing is taken out.
    addMarks({"85", "90"});
    list()->clearSelection();
    list()->setCurrentItem(nullptr);
    click("cmdOut");
    QCOMPARE(w->markTexts(), (QStringList {"85", "90"}));
    QCOMPARE(QApplication::focusWidget(), input());
}

void tst_frmTj::clearKeepsEntryText()
{
    addMarks({"85", "90", "80"});
    click("cmdTongj");
    input()->setText(QStringLiteral("77"));
    click("cmdClear");
    QCOMPARE(w->markCount(), 0);
    QCOMPARE(w->resultTexts(), QStringList(14));
    QCOMPARE(input()->text(), QStringLiteral("77"));
    QCOMPARE(QApplication::focusWidget(), input());
}

void tst_frmTj::countFillsResults()
{
    addMarks({"85", "90", "80"});
    click("cmdTongj");
    QCOMPARE(w->resultTexts(),
             (QStringList {" 255分----共 3人", " 85分", " 4.08", " 90分", " 80分", " 2人", " 1人", " 0人",
                           " 0人", " 0人", " 1人", " 2人", " 0人", " 0人"}));
    QCOMPARE(child<QLineEdit>("txtStd")->text(), QStringLiteral(" 4.08"));
    QCOMPARE(child<QLineEdit>("txt80")->text(), QStringLiteral(" 2人"));
    QCOMPARE(QApplication::focusWidget(), input());
}

void tst_frmTj::countOnEmptyListChangesNothing()
{
    addMarks({"70"});
    click("cmdTongj");
    const QStringList before = w->resultTexts();
    list()->setCurrentRow(0);
    click("cmdOut");
    click("cmdTongj");
    QCOMPARE(w->resultTexts(), before);
    QVERIFY(dialogs().shown().empty());
}

void tst_frmTj::resultsAreASnapshot()
{
    addMarks({"85", "90", "80"});
    click("cmdTongj");
    const QStringList before = w->resultTexts();
    input()->setText(QStringLiteral("100"));
    w->cmdIn_Click();
    QCOMPARE(w->resultTexts(), before);
    click("cmdTongj");
    QCOMPARE(w->resultTexts().first(), QStringLiteral(" 355分----共 4人"));
}

void tst_frmTj::reopenedWindowIsEmpty()
{
    addMarks({"85", "90"});
    click("cmdTongj");
    w->close();
    QTRY_VERIFY(WindowRegistry::instance().find<frmTj>() == nullptr);
    w = openWindow();
    QCOMPARE(w->markCount(), 0);
    QCOMPARE(w->resultTexts(), QStringList(14));
}

void tst_frmTj::backShowsCalculatorUnchanged()
{
    FrmCal *cal = calculatorWith(QStringLiteral("3+(-2)*9√2^3+1"));
    // As the toolbar's "统计" does: the statistics window open, the calculator hidden.
    cal->hide();
    w = openWindow();
    addMarks({"85"});
    click("cmdBack");

    QTRY_VERIFY(WindowRegistry::instance().find<frmTj>() == nullptr);
    QCOMPARE(WindowRegistry::instance().find<FrmCal>(), cal);
    QVERIFY(cal->isVisible());
    QCOMPARE(cal->inputText(), QStringLiteral("3+(-2)*9√2^3+1"));
    QCOMPARE(cal->outputText(), QStringLiteral("-50"));
}

void tst_frmTj::closeBoxShowsCalculator()
{
    FrmCal *cal = calculatorWith(QStringLiteral("1+2"));
    cal->hide();
    w = openWindow();
    QVERIFY(w->close());
    QTRY_VERIFY(WindowRegistry::instance().find<frmTj>() == nullptr);
    QCOMPARE(WindowRegistry::instance().find<FrmCal>(), cal);
    QVERIFY(cal->isVisible());
    QCOMPARE(cal->outputText(), QStringLiteral(" 3"));
}

void tst_frmTj::closingCalculatorFirstOpensFreshOne()
{
    FrmCal *cal = calculatorWith(QStringLiteral("1+2"));
    QPointer<FrmCal> old(cal);
    QVERIFY(cal->close());
    QTRY_VERIFY(old.isNull());
    QVERIFY(WindowRegistry::instance().find<FrmCal>() == nullptr);

    QVERIFY(w->close());
    FrmCal *fresh = WindowRegistry::instance().find<FrmCal>();
    QVERIFY(fresh);
    QVERIFY(fresh->isVisible());
    QCOMPARE(fresh->inputText(), QString());
    QCOMPARE(fresh->outputText(), QString());
}

void tst_frmTj::saveEmptiesCalculatorAndOpensDialog()
{
    FrmCal *cal = calculatorWith(QStringLiteral("1+2"));
    w = openWindow();
    click("cmdSave");
    QCOMPARE(cal->inputText(), QString());
    QCOMPARE(cal->outputText(), QString());
    frmSave *dialog = WindowRegistry::instance().find<frmSave>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());

    // With the list empty the dialog has nothing to save.
    dialog->cmdSave_Click();
    QCOMPARE(dialogs().shown().size(), std::size_t(1));
    QCOMPARE(dialogs().shown()[0].text, QStringLiteral("没有数据"));
    QCOMPARE(dialogs().shown()[0].title, QStringLiteral("请输入数据"));

    // Without a calculator window the button only opens the dialog.
    QTRY_VERIFY(WindowRegistry::instance().find<frmSave>() == nullptr);
    cal->close();
    QTRY_VERIFY(WindowRegistry::instance().find<FrmCal>() == nullptr);
    click("cmdSave");
    QVERIFY(WindowRegistry::instance().find<frmSave>());
    QVERIFY(WindowRegistry::instance().find<FrmCal>() == nullptr);
}

void tst_frmTj::backHidesSaveDialogKeepingIt()
{
    click("cmdSave");
    frmSave *dialog = WindowRegistry::instance().find<frmSave>();
    QVERIFY(dialog);
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("txtFileName"));
    name->setText(QStringLiteral("class3.txt"));

    w = openWindow();
    click("cmdBack");
    QTRY_VERIFY(WindowRegistry::instance().find<frmTj>() == nullptr);
    QCOMPARE(WindowRegistry::instance().find<frmSave>(), dialog);
    QVERIFY(!dialog->isVisible());
    QVERIFY(WindowRegistry::instance().find<FrmCal>()->isVisible());

    QCOMPARE(FrmCal::openSaveDialog(), dialog);
    QCOMPARE(name->text(), QStringLiteral("class3.txt"));
}

void tst_frmTj::oneWindowOnly()
{
    addMarks({"85"});
    QCOMPARE(FrmCal::openStatistics(), w);
    QCOMPARE(w->markTexts(), QStringList {"85"});
}

void tst_frmTj::everyControlHasAChineseName()
{
    QStringList names;
    for (QWidget *control = input(); names.size() < 22; control = control->nextInFocusChain()) {
        if (!(control->focusPolicy() & Qt::TabFocus) || control->parentWidget() != w)
            continue;
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        QVERIFY2(!windowtest::hasLatinLetter(control->accessibleName()),
                 qPrintable(control->accessibleName()));
        names << control->accessibleName();
    }
    QCOMPARE(names,
             (QStringList {"分数输入", "加入列表",    "移出列表", "统计",       "分数列表", "清除",
                           "保存",     "返回",        "总分",     "平均分",     "标准差",   "最高分",
                           "100分",    "最低分",      "90分",     "优(>=85)",   "80分",     "良(75~84)",
                           "70分",     "及格(60~74)", "60分",     "不及格(<60)"}));
}

void tst_frmTj::boxMenusAreChinese()
{
    const QStringList expected {"撤销(&U)", "重做(&R)", "剪切(&T)", "复制(&C)",
                                "粘贴(&P)", "删除(&D)", "全选(&A)"};
    for (const char *name : {"txtInput", "txtSum", "txt60"}) {
        QMenu *menu = windowtest::openContextMenu(child(name));
        QVERIFY2(menu, name);
        QCOMPARE(windowtest::menuTexts(menu), expected);
        menu->close();
    }
    // A result box is read-only: nothing in its menu changes it.
    addMarks({"85"});
    click("cmdTongj");
    child<QLineEdit>("txtSum")->selectAll();
    QMenu *menu = windowtest::openContextMenu(child("txtSum"));
    QVERIFY(menu);
    QStringList enabled;
    for (const QAction *action : menu->actions()) {
        if (action->isEnabled() && !action->isSeparator())
            enabled << action->text();
    }
    QCOMPARE(enabled, (QStringList {"复制(&C)", "全选(&A)"}));
    menu->close();
}

// The report's entry is greyed, and Ctrl+P does nothing, while the list is empty.
void tst_frmTj::reportEntryFollowsTheList()
{
    QAction *entry = w->printReportAction();
    QCOMPARE(entry->text(), QStringLiteral("打印成绩报告…"));
    QCOMPARE(entry->shortcut(), QKeySequence(QKeySequence::Print));
    QVERIFY(!entry->isEnabled());
    QMenu *menu = windowtest::openContextMenu(list());
    QVERIFY(menu);
    QCOMPARE(windowtest::menuTexts(menu), QStringList {QStringLiteral("打印成绩报告…")});
    QVERIFY(!menu->actions().constFirst()->isEnabled());
    menu->close();
    QTest::keyClick(input(), Qt::Key_P, Qt::ControlModifier);
    windowtest::settle();
    QVERIFY(!w->findChild<QPrintPreviewDialog *>());

    addMarks({"85"});
    QVERIFY(entry->isEnabled());
    list()->setCurrentRow(0);
    click("cmdOut");
    QVERIFY(!entry->isEnabled());
    addMarks({"85", "90"});
    click("cmdClear");
    QVERIFY(!entry->isEnabled());
    // Pasted marks count too.
    QApplication::clipboard()->setText(QStringLiteral("70\n80\n"));
    QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w->markCount(), 2);
    QVERIFY(entry->isEnabled());
}

void tst_frmTj::reportPreviewShowsTheMarks_data()
{
    QTest::addColumn<bool>("fromTheMenu");
    QTest::newRow("Ctrl+P") << false;
    QTest::newRow("right-click menu") << true;
}

// Qt's print preview opens on the report of the list as it stands, and the window stays as it was.
void tst_frmTj::reportPreviewShowsTheMarks()
{
    QFETCH(bool, fromTheMenu);
    addMarks({"85", "90", "80"});
    input()->setText(QStringLiteral("7"));
    if (fromTheMenu) {
        QMenu *menu = windowtest::openContextMenu(list());
        QVERIFY(menu);
        menu->actions().constFirst()->trigger();
        menu->close();
    } else {
        QTest::keyClick(input(), Qt::Key_P, Qt::ControlModifier);
    }
    QPrintPreviewDialog *preview = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((preview = w->findChild<QPrintPreviewDialog *>()) && preview->isVisible(),
                             30000);
    QVERIFY(preview->windowTitle().contains(QStringLiteral("班级成绩报告")));
    auto *pages = preview->findChild<QPrintPreviewWidget *>();
    QVERIFY(pages);
    QTRY_COMPARE_WITH_TIMEOUT(pages->pageCount(), 1, 30000);
    QCOMPARE(preview->printer()->pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(w->markTexts(), (QStringList {"85", "90", "80"}));
    QCOMPARE(input()->text(), QStringLiteral("7"));
    QVERIFY(w->resultTexts().join(QString()).isEmpty());
    preview->close();
    QTRY_VERIFY_WITH_TIMEOUT(!w->findChild<QPrintPreviewDialog *>(), 30000);
}

QTEST_MAIN(tst_frmTj)
#include "tst_frmTj.moc"

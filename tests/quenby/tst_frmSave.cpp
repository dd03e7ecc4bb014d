// The save dialog with scripted message boxes and a fixed clock: which block it writes, its
// refusals, what the file looks like afterwards, and what happens when the file cannot be written.
#include "quenby/windows/frmSave.h"

#include "platform/widgets/WindowRegistry.h"
#include "quenby/logic/ExportText.h"
#include "quenby/windows/FrmCal.h"
#include "quenby/windows/frmTj.h"
#include "support/WindowTest.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <optional>

using Kind = ScriptedDialogs::Shown::Kind;

class tst_frmSave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opening();
    void layout_data();
    void layout();
    void tabOrder();
    void foldersAndFiles();
    void choosingAFileKeepsTheName();

    void savesCalcRecord();
    void recordKeepsLineBreaks();
    void nothingToSave_data();
    void nothingToSave();
    void marksWinOverCalculator();
    void cancelWritesNothing();
    void nextOpeningStartsAfresh();
    void cannotWrite_data();
    void cannotWrite();
    void anotherNameAfterFailure();
    void statisticsSaveButton();
    void oneDialogOnly();

    void stampUnderTaiwanLocale();
    void everyControlHasAChineseName();
    void fileNameMenuIsChinese();

private:
    frmSave *w = nullptr;
    std::optional<windowtest::FakeServices> m_services;
    QTemporaryDir tmp;

    ScriptedDialogs &dialogs() { return m_services->dialogs; }

    frmSave *openDialog();
    template <class T = QWidget> T *child(const char *name) const
    {
        T *found = windowtest::child<T>(w, name);
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    void clickSave() { QTest::mouseClick(child<QPushButton>("cmdSave"), Qt::LeftButton); }
    static FrmCal *calculatorWith(const QString &expression, bool evaluate = true);
    static frmTj *statisticsWith(const QStringList &marks, bool count = true);
    QString fileText(const QString &name) const;
    bool dialogClosed() const;
};

namespace {

const QString kStamp = QStringLiteral("2005-6-15 10:20:30");

QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QFileInfoList entries
        = QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QFileInfo &info : entries) {
        QByteArray bytes;
        if (info.isFile()) {
            QFile f(info.absoluteFilePath());
            if (f.open(QIODevice::ReadOnly))
                bytes = f.readAll();
        }
        files.insert(info.fileName(), bytes);
    }
    return files;
}

// A double-click as a person makes it: a click, then the second press that the system reports
// as a double-click.
void doubleClick(QTreeWidget *tree, QTreeWidgetItem *item)
{
    tree->scrollToItem(item);
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at);
}

bool touch(const QString &path, const QByteArray &bytes = QByteArray())
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

void tst_frmSave::initTestCase()
{
    QVERIFY(tmp.isValid());
    // The time stamp follows the locale; the C locale writes year-month-day.
    QLocale::setDefault(QLocale::c());
}

void tst_frmSave::init()
{
    m_services.emplace();
    m_services->clock.set(QDateTime(QDate(2005, 6, 15), QTime(10, 20, 30)));
    QDir dir(tmp.path());
    for (const QString &entry : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        QFileInfo info(dir.filePath(entry));
        if (info.isDir())
            QDir(info.absoluteFilePath()).removeRecursively();
        else
            QFile::remove(info.absoluteFilePath());
    }
    w = openDialog();
}

void tst_frmSave::cleanup()
{
    WindowRegistry::instance().destroyAll();
    m_services.reset();
    w = nullptr;
}

frmSave *tst_frmSave::openDialog()
{
    frmSave *dialog = FrmCal::openSaveDialog();
    if (!windowtest::activate(dialog))
        qWarning("dialog not active");
    return dialog;
}

FrmCal *tst_frmSave::calculatorWith(const QString &expression, bool evaluate)
{
    FrmCal *cal = WindowRegistry::instance().show<FrmCal>();
    cal->findChild<QPlainTextEdit *>(QStringLiteral("txtIn"))->setPlainText(expression);
    if (evaluate)
        cal->cmdCal_Click();
    return cal;
}

frmTj *tst_frmSave::statisticsWith(const QStringList &marks, bool count)
{
    frmTj *tj = FrmCal::openStatistics();
    auto *input = tj->findChild<QLineEdit *>(QStringLiteral("txtInput"));
    for (const QString &mark : marks) {
        input->setText(mark);
        tj->cmdIn_Click();
    }
    if (count)
        tj->cmdTongj_Click();
    return tj;
}

QString tst_frmSave::fileText(const QString &name) const
{
    QFile f(QDir(tmp.path()).filePath(name));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    QStringDecoder decoder(exporttext::localeEncodingName().constData());
    return decoder.decode(f.readAll());
}

bool tst_frmSave::dialogClosed() const
{
    return QTest::qWaitFor([] { return WindowRegistry::instance().find<frmSave>() == nullptr; });
}

void tst_frmSave::opening()
{
    QCOMPARE(w->windowTitle(), QStringLiteral("保存为"));
    QCOMPARE(w->size(), QSize(298, 238));
    QVERIFY(!(w->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QCOMPARE(child<QLineEdit>("txtFileName")->text(), QStringLiteral("test1.txt"));
    QCOMPARE(QApplication::focusWidget(), child("Dir1"));

    // No drive letters here: the volumes stand in for them, starting in the home folder.
    const QString home = QDir::cleanPath(QDir::homePath());
    QCOMPARE(w->folder(), home);
    auto *drives = child<QComboBox>("Drive1");
    QVERIFY(drives->count() >= 1);
    QCOMPARE(drives->currentData().toString(), QStorageInfo(home).rootPath());
    auto *dirs = child<QTreeWidget>("Dir1");
    QCOMPARE(dirs->currentItem()->data(0, Qt::UserRole).toString(), home);
}

void tst_frmSave::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");

    QTest::newRow("Label2") << "Label2" << QRect(120, 120, 855, 255) << "保存在：";
    QTest::newRow("Drive1") << "Drive1" << QRect(840, 0, 3255, 300) << "";
    QTest::newRow("Dir1") << "Dir1" << QRect(840, 360, 3255, 1140) << "";
    QTest::newRow("File1") << "File1" << QRect(840, 1560, 3255, 1170) << "";
    QTest::newRow("Label1") << "Label1" << QRect(120, 3120, 735, 375) << "文件名：";
    QTest::newRow("txtFileName") << "txtFileName" << QRect(840, 3000, 1575, 375) << "test1.txt";
    QTest::newRow("cmdSave") << "cmdSave" << QRect(2520, 3000, 855, 495) << "保存";
    QTest::newRow("cmdCancel") << "cmdCancel" << QRect(3480, 3000, 855, 495) << "取消";
}

void tst_frmSave::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);

    QWidget *widget = child(qPrintable(name));
    const QRect pixels(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0), qRound(twips.width() / 15.0),
                       qRound(twips.height() / 15.0));
    QCOMPARE(windowtest::placeOf(widget), pixels);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), text);
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        QCOMPARE(edit->text(), text);
}

void tst_frmSave::tabOrder()
{
    const char *order[] = {"txtFileName", "Drive1", "cmdSave", "cmdCancel", "File1", "Dir1"};
    QCOMPARE(QApplication::focusWidget(), child("Dir1"));
    for (const char *name : order) {
        QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child(name));
    }
}

void tst_frmSave::foldersAndFiles()
{
    QDir dir(tmp.path());
    QVERIFY(dir.mkdir("sub"));
    QVERIFY(dir.mkdir(".hidden"));
    QVERIFY(touch(dir.filePath("b.txt")));
    QVERIFY(touch(dir.filePath("A.TXT")));
    QVERIFY(touch(dir.filePath("notes.doc")));
    QVERIFY(touch(dir.filePath(".secret.txt")));
    QVERIFY(touch(dir.filePath("sub/inner.txt")));

    w->openFolder(tmp.path());
    QCOMPARE(w->folder(), QDir::cleanPath(tmp.path()));
    auto *files = child<QListWidget>("File1");
    QStringList shown;
    for (int i = 0; i < files->count(); ++i)
        shown << files->item(i)->text();
    QCOMPARE(shown, (QStringList {"A.TXT", "b.txt"}));

    // The folder list: the open folder with its ancestors above and its folders below.
    auto *dirs = child<QTreeWidget>("Dir1");
    QTreeWidgetItem *current = dirs->currentItem();
    QCOMPARE(current->data(0, Qt::UserRole).toString(), QDir::cleanPath(tmp.path()));
    QCOMPARE(current->childCount(), 1);
    QTreeWidgetItem *sub = current->child(0);
    QCOMPARE(sub->text(0), QStringLiteral("sub"));
    QCOMPARE(dirs->topLevelItem(0)->text(0), QDir::toNativeSeparators(QDir::rootPath()));
    QCOMPARE(child<QComboBox>("Drive1")->currentData().toString(), QStorageInfo(tmp.path()).rootPath());

    // A double-click opens a folder and the file list follows.
    doubleClick(dirs, sub);
    QCOMPARE(w->folder(), QDir::cleanPath(dir.filePath("sub")));
    QCOMPARE(files->count(), 1);
    QCOMPARE(files->item(0)->text(), QStringLiteral("inner.txt"));

    // And back up by the ancestor above it.
    QTreeWidgetItem *parent = dirs->currentItem()->parent();
    doubleClick(dirs, parent);
    QCOMPARE(w->folder(), QDir::cleanPath(tmp.path()));
}

void tst_frmSave::choosingAFileKeepsTheName()
{
    QVERIFY(touch(QDir(tmp.path()).filePath("other.txt"), "old\r\n"));
    w->openFolder(tmp.path());
    auto *files = child<QListWidget>("File1");
    QCOMPARE(files->count(), 1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
    QVERIFY(files->item(0)->isSelected());
    QCOMPARE(child<QLineEdit>("txtFileName")->text(), QStringLiteral("test1.txt"));

    calculatorWith(QStringLiteral("1+2"));
    clickSave();
    QCOMPARE(fileText("test1.txt"), QStringLiteral("\r\n2005-6-15 10:20:30\r\n1+2= 3\r\n"));
    QCOMPARE(fileText("other.txt"), QStringLiteral("old\r\n"));
}

void tst_frmSave::savesCalcRecord()
{
    calculatorWith(QStringLiteral("1+2"));
    w->openFolder(tmp.path());
    clickSave();

    const auto &shown = dialogs().shown();
    QCOMPARE(shown.size(), std::size_t(2));
    QCOMPARE(shown[0].kind, Kind::Confirm);
    QCOMPARE(shown[0].text, QStringLiteral("确定保存吗？"));
    QCOMPARE(shown[0].title, QStringLiteral("保存"));
    QCOMPARE(shown[0].icon, Dialogs::Icon::Question);
    QCOMPARE(shown[1].kind, Kind::Inform);
    QCOMPARE(shown[1].text, QString());
    QCOMPARE(shown[1].title, QStringLiteral("已保存"));
    QVERIFY(dialogClosed());
    QCOMPARE(fileText("test1.txt"), QStringLiteral("\r\n2005-6-15 10:20:30\r\n1+2= 3\r\n"));

    // A second record goes after the first: six lines in all.
    m_services->clock.set(QDateTime(QDate(2005, 6, 15), QTime(10, 21, 5)));
    calculatorWith(QStringLiteral("2*3"));
    w = openDialog();
    w->openFolder(tmp.path());
    clickSave();
    QCOMPARE(fileText("test1.txt"),
             QStringLiteral("\r\n2005-6-15 10:20:30\r\n1+2= 3\r\n"
                            "\r\n2005-6-15 10:21:05\r\n2*3= 6\r\n"));
}

void tst_frmSave::recordKeepsLineBreaks()
{
    // Saved before it was evaluated: the text as it stands, line break and blanks, and no result.
    calculatorWith(QStringLiteral("1 +\n2"), false);
    w->openFolder(tmp.path());
    clickSave();
    QCOMPARE(fileText("test1.txt"), QStringLiteral("\r\n2005-6-15 10:20:30\r\n1 +\r\n2=\r\n"));
}

void tst_frmSave::nothingToSave_data()
{
    QTest::addColumn<bool>("calculatorOpen");
    QTest::addColumn<bool>("statisticsOpen");

    QTest::newRow("no other window") << false << false;
    QTest::newRow("empty calculator") << true << false;
    QTest::newRow("empty calculator and empty list") << true << true;
}

void tst_frmSave::nothingToSave()
{
    QFETCH(bool, calculatorOpen);
    QFETCH(bool, statisticsOpen);
    if (calculatorOpen)
        calculatorWith(QString(), false);
    if (statisticsOpen)
        statisticsWith({}, false);
    w->openFolder(tmp.path());
    clickSave();

    QCOMPARE(dialogs().shown().size(), std::size_t(1));
    QCOMPARE(dialogs().shown()[0].kind, Kind::Inform);
    QCOMPARE(dialogs().shown()[0].text, QStringLiteral("没有数据"));
    QCOMPARE(dialogs().shown()[0].title, QStringLiteral("请输入数据"));
    QVERIFY(dialogClosed());
    QVERIFY(QDir(tmp.path()).isEmpty());
    // Reading the other windows opened neither of them.
    QCOMPARE(WindowRegistry::instance().find<FrmCal>() != nullptr, calculatorOpen);
    QCOMPARE(WindowRegistry::instance().find<frmTj>() != nullptr, statisticsOpen);
}

void tst_frmSave::marksWinOverCalculator()
{
    calculatorWith(QStringLiteral("1+2"));
    statisticsWith({"85", "92.5", "60", "59.5", "100", "77"});
    w->openFolder(tmp.path());
    clickSave();

    const QString expected = QStringLiteral("\r\n"
                                            "2005-6-15 10:20:30\r\n"
                                            "85\r\n"
                                            "92.5\r\n"
                                            "60\r\n"
                                            "59.5\r\n"
                                            "100\r\n"
                                            "77\r\n"
                                            "总分：         474分----共 6人\r\n"
                                            "平均分：       79分\r\n"
                                            "标准差：       15.3\r\n"
                                            "最高分：       100分\r\n"
                                            "最低分：       59.5分\r\n"
                                            "优(>=85)：     3人\r\n"
                                            "良(75~84)：    1人\r\n"
                                            "及格(60~74)：  1人\r\n"
                                            "不及格：(<60)  1人\r\n"
                                            "100分:         1人\r\n"
                                            "90分:          1人\r\n"
                                            "80分:          1人\r\n"
                                            "70分:          1人\r\n"
                                            "60分:          1人\r\n"
                                            "60以下:        1人\r\n");
    QCOMPARE(fileText("test1.txt"), expected);
    QCOMPARE(dialogs().shown().back().title, QStringLiteral("已保存"));
}

void tst_frmSave::cancelWritesNothing()
{
    calculatorWith(QStringLiteral("1+2"));
    w->openFolder(tmp.path());
    dialogs().scriptConfirm(false);
    clickSave();
    QCOMPARE(dialogs().shown().size(), std::size_t(1));
    QCOMPARE(dialogs().shown()[0].kind, Kind::Confirm);
    QVERIFY(dialogClosed());
    QVERIFY(QDir(tmp.path()).isEmpty());
}

void tst_frmSave::nextOpeningStartsAfresh()
{
    calculatorWith(QStringLiteral("1+2"));
    w->openFolder(tmp.path());
    child<QLineEdit>("txtFileName")->setText(QStringLiteral("class3.txt"));
    clickSave();
    QVERIFY(dialogClosed());
    QCOMPARE(fileText("class3.txt"), QStringLiteral("\r\n2005-6-15 10:20:30\r\n1+2= 3\r\n"));

    w = openDialog();
    QCOMPARE(child<QLineEdit>("txtFileName")->text(), QStringLiteral("test1.txt"));
    QCOMPARE(w->folder(), QDir::cleanPath(QDir::homePath()));

    // "取消" closes the dialog too.
    QTest::mouseClick(child<QPushButton>("cmdCancel"), Qt::LeftButton);
    QVERIFY(dialogClosed());
}

void tst_frmSave::cannotWrite_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");

    QTest::newRow("folder does not exist") << "gone"
                                           << "test1.txt";
    QTest::newRow("folder is a file") << "plain.txt"
                                      << "test1.txt";
    QTest::newRow("empty file name") << ""
                                     << "";
    QTest::newRow("name is a folder") << ""
                                      << "sub";
}

void tst_frmSave::cannotWrite()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);

    QDir dir(tmp.path());
    QVERIFY(dir.mkdir("sub"));
    QVERIFY(dir.mkdir("gone"));
    QVERIFY(touch(dir.filePath("plain.txt"), "kept\r\n"));
    calculatorWith(QStringLiteral("1+2"));
    const QString opened = folder.isEmpty() ? tmp.path() : dir.filePath(folder);
    w->openFolder(opened);
    // The folder goes away while the dialog shows it.
    QVERIFY(dir.rmdir("gone"));
    const auto before = snapshot(tmp.path());

    child<QLineEdit>("txtFileName")->setText(name);
    clickSave();

    const auto &shown = dialogs().shown();
    QCOMPARE(shown.size(), std::size_t(2));
    QCOMPARE(shown[1].kind, Kind::Inform);
    QCOMPARE(shown[1].title, QStringLiteral("保存失败"));
    QVERIFY2(shown[1].text.startsWith(QStringLiteral("无法保存到文件：")), qPrintable(shown[1].text));
    QVERIFY(shown[1].text.contains(QDir::toNativeSeparators(exporttext::filePathFor(opened, name))));
    QCOMPARE(snapshot(tmp.path()), before);
    // The dialog stays, so another folder or name can be tried.
    QCOMPARE(WindowRegistry::instance().find<frmSave>(), w);
    QVERIFY(w->isVisible());
}

void tst_frmSave::anotherNameAfterFailure()
{
    calculatorWith(QStringLiteral("1+2"));
    w->openFolder(tmp.path());
    child<QLineEdit>("txtFileName")->clear();
    clickSave();
    QCOMPARE(dialogs().shown().back().title, QStringLiteral("保存失败"));
    QVERIFY(QDir(tmp.path()).isEmpty());

    child<QLineEdit>("txtFileName")->setText(QStringLiteral("result"));
    clickSave();
    QCOMPARE(dialogs().shown().back().title, QStringLiteral("已保存"));
    QCOMPARE(fileText("result"), QStringLiteral("\r\n2005-6-15 10:20:30\r\n1+2= 3\r\n"));
    QVERIFY(dialogClosed());
}

void tst_frmSave::statisticsSaveButton()
{
    WindowRegistry::instance().destroyAll();
    FrmCal *cal = calculatorWith(QStringLiteral("1+2"));
    frmTj *tj = statisticsWith({"85", "90", "80"});
    tj->cmdSave_Click();
    QCOMPARE(cal->inputText(), QString());
    QCOMPARE(cal->outputText(), QString());

    w = WindowRegistry::instance().find<frmSave>();
    QVERIFY(w);
    w->openFolder(tmp.path());
    clickSave();
    const QString text = fileText("test1.txt");
    QVERIFY2(text.startsWith(QStringLiteral(
                 "\r\n2005-6-15 10:20:30\r\n85\r\n90\r\n80\r\n总分：         255分----共 3人\r\n")),
             qPrintable(text));
    QCOMPARE(text.count(QStringLiteral("\r\n")), 2 + 3 + 15);
}

void tst_frmSave::oneDialogOnly()
{
    child<QLineEdit>("txtFileName")->setText(QStringLiteral("kept.txt"));
    QCOMPARE(FrmCal::openSaveDialog(), w);
    QCOMPARE(child<QLineEdit>("txtFileName")->text(), QStringLiteral("kept.txt"));
}

// Under a locale whose clock shows a morning/afternoon marker the time stamp is still digits.
void tst_frmSave::stampUnderTaiwanLocale()
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan));
    m_services->clock.set(QDateTime(QDate(2005, 6, 15), QTime(21, 5, 7)));
    calculatorWith(QStringLiteral("1+2"));
    w->openFolder(tmp.path());
    clickSave();
    QLocale::setDefault(QLocale::c());
    QVERIFY(dialogClosed());
    QCOMPARE(fileText("test1.txt"), QStringLiteral("\r\n2005/6/15 21:05:07\r\n1+2= 3\r\n"));
}

void tst_frmSave::everyControlHasAChineseName()
{
    const QStringList expected = {"文件夹", "文件名", "驱动器", "保存", "取消", "文本文件列表"};
    QStringList names;
    QWidget *control = child("Dir1");
    while (names.size() < expected.size()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->parentWidget() == w)
            names << control->accessibleName();
        control = control->nextInFocusChain();
    }
    QCOMPARE(names, expected);
}

void tst_frmSave::fileNameMenuIsChinese()
{
    auto *name = child<QLineEdit>("txtFileName");
    name->setSelection(0, 5);
    QMenu *menu = windowtest::openContextMenu(name);
    QVERIFY(menu);
    QCOMPARE(
        windowtest::menuTexts(menu),
        (QStringList {"撤销(&U)", "重做(&R)", "剪切(&T)", "复制(&C)", "粘贴(&P)", "删除(&D)", "全选(&A)"}));
    // The entries do what they say: "删除" takes the selection out.
    menu->actions().at(6)->trigger();
    menu->close();
    QCOMPARE(name->text(), QStringLiteral(".txt"));
}

QTEST_MAIN(tst_frmSave)
#include "tst_frmSave.moc"

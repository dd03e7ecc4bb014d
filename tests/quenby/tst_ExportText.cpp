// The calculation record and the statistics report as lines, the file path rule, the time stamp,
// and appending a block to a file without ever damaging what the file already holds.
#include "quenby/logic/ExportText.h"
#include "support/NumericLocale.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

class tst_ExportText : public QObject
{
    Q_OBJECT

private slots:
    void displayColumns_data();
    void displayColumns();
    void summaryValuesStartInColumn15();
    void scoreReportLines();
    void emptyResultsKeepLabelAndPadding();
    void calcRecordLines();
    void filePath_data();
    void filePath();
    void timeStamp_data();
    void timeStamp();
    void timeStampUnderProgramLocale_data();
    void timeStampUnderProgramLocale();
    void timeStampUnderEveryLocale();
    void folderChain_data();
    void folderChain();

    void twoRecordsMakeSixLines();
    void appendKeepsEveryByte();
    void plainCLocaleWritesUtf8();
    void writesInTheGivenEncoding_data();
    void writesInTheGivenEncoding();
    void failureLeavesFolderUnchanged_data();
    void failureLeavesFolderUnchanged();
    void readOnlyFolder();
    void deviceFullIsReported();
    void partialWriteIsTakenBack_data();
    void partialWriteIsTakenBack();
    void concurrentSavesKeepEachOthersBlocks_data();
    void concurrentSavesKeepEachOthersBlocks();
    void waitingSaveFollowsARemovedFile();
};

namespace {

const QString kStamp = QStringLiteral("2005-6-15 10:20:30");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

// Every file below a folder with its bytes, to show that a failed save changed nothing.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDir dir(folder);
    const QFileInfoList entries
        = dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QFileInfo &info : entries) {
        if (info.isDir()) {
            const auto inner = snapshot(info.absoluteFilePath());
            files.insert(info.fileName() + "/", QByteArray());
            for (auto it = inner.begin(); it != inner.end(); ++it)
                files.insert(info.fileName() + "/" + it.key(), it.value());
        } else {
            files.insert(info.fileName(), readAll(info.absoluteFilePath()));
        }
    }
    return files;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

void tst_ExportText::displayColumns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("columns");

    QTest::newRow("ascii") << "100分: " << 7;
    QTest::newRow("full-width colon") << "总分：" << 6;
    QTest::newRow("band label") << "优(>=85)：   " << 13;
    QTest::newRow("colon before bracket") << "不及格：(<60)" << 13;
    QTest::newRow("full-width digits") << "１００" << 6;
    QTest::newRow("ideographic space") << QString(QChar(0x3000)) << 2;
    QTest::newRow("ambiguous counts narrow") << "√×÷" << 3;
    QTest::newRow("supplementary ideograph") << QString::fromUcs4(U"\U00020000a") << 3;
    QTest::newRow("empty") << "" << 0;
}

void tst_ExportText::displayColumns()
{
    QFETCH(QString, text);
    QFETCH(int, columns);
    QCOMPARE(exporttext::displayColumns(text), columns);
}

void tst_ExportText::summaryValuesStartInColumn15()
{
    const QStringList lines = exporttext::scoreReportLines({}, QStringList(14, QStringLiteral("X")), kStamp);
    QCOMPARE(lines.size(), 2 + 15);
    for (int i = 2; i < lines.size(); ++i) {
        const QString &line = lines[i];
        QVERIFY2(line.endsWith(QLatin1Char('X')), qPrintable(line));
        QCOMPARE(exporttext::displayColumns(line.chopped(1)), 14);
    }
}

void tst_ExportText::scoreReportLines()
{
    const QStringList marks {"85", "92.5", "80"};
    const QStringList results {" 257.5分----共 3人",
                               " 85.83分",
                               " 5.14",
                               " 92.5分",
                               " 80分",
                               " 2人",
                               " 1人",
                               " 0人",
                               " 0人",
                               " 0人",
                               " 1人",
                               " 2人",
                               " 0人",
                               " 0人"};
    // Written out by hand, blank by blank: each value starts in column 15.
    const QStringList expected {
        "",
        "2005-6-15 10:20:30",
        "85",
        "92.5",
        "80",
        "总分：         257.5分----共 3人",
        "平均分：       85.83分",
        "标准差：       5.14",
        "最高分：       92.5分",
        "最低分：       80分",
        "优(>=85)：     2人",
        "良(75~84)：    1人",
        "及格(60~74)：  0人",
        "不及格：(<60)  0人",
        "100分:         0人",
        "90分:          1人",
        "80分:          2人",
        "70分:          0人",
        "60分:          0人",
        "60以下:        0人",
    };
    QCOMPARE(exporttext::scoreReportLines(marks, results, kStamp), expected);
}

void tst_ExportText::emptyResultsKeepLabelAndPadding()
{
    // After "清除" the boxes are empty: each summary line is its label and the padding alone.
    const QStringList lines = exporttext::scoreReportLines({"85"}, QStringList(14), kStamp);
    QCOMPARE(lines.size(), 2 + 1 + 15);
    QCOMPARE(lines[3], QStringLiteral("总分：        "));
    QCOMPARE(lines[11], QStringLiteral("不及格：(<60) "));
    QCOMPARE(lines[17], QStringLiteral("60以下:       "));
    // Missing result texts count as empty too.
    QCOMPARE(exporttext::scoreReportLines({"85"}, {}, kStamp), lines);
}

void tst_ExportText::calcRecordLines()
{
    QCOMPARE(exporttext::calcRecordLines("1+2", " 3", kStamp), (QStringList {"", kStamp, "1+2= 3"}));
    // Texts go in as they stand: an expression with its line break and blanks, nothing evaluated.
    QCOMPARE(exporttext::calcRecordLines("1 +\r\n2", "", kStamp), (QStringList {"", kStamp, "1 +\r\n2="}));
}

void tst_ExportText::filePath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");

    QTest::newRow("folder") << "/home/ann"
                            << "a.txt"
                            << "/home/ann/a.txt";
    QTest::newRow("folder ending in slash") << "/home/ann/"
                                            << "a.txt"
                                            << "/home/ann/a.txt";
    QTest::newRow("root") << "/"
                          << "a.txt"
                          << "/a.txt";
    QTest::newRow("drive root") << "C:\\"
                                << "a.txt"
                                << "C:\\a.txt";
    QTest::newRow("drive folder") << "C:/data"
                                  << "a.txt"
                                  << "C:/data/a.txt";
    QTest::newRow("no extension added") << "/tmp"
                                        << "result"
                                        << "/tmp/result";
    QTest::newRow("name kept as typed") << "/tmp"
                                        << " 成绩 .TXT"
                                        << "/tmp/ 成绩 .TXT";
}

void tst_ExportText::filePath()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(exporttext::filePathFor(folder, name), path);
}

void tst_ExportText::timeStamp_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("text");

    const QDateTime morning(QDate(2005, 6, 15), QTime(10, 20, 30));
    const QDateTime evening(QDate(2024, 12, 31), QTime(23, 5, 9));
    QTest::newRow("no locale") << QLocale::c() << morning << "2005-6-15 10:20:30";
    QTest::newRow("no locale, evening") << QLocale::c() << evening << "2024-12-31 23:05:09";
    QTest::newRow("Chinese") << QLocale(QLocale::Chinese, QLocale::China) << morning << "2005/6/15 10:20:30";
    QTest::newRow("Chinese, evening")
        << QLocale(QLocale::Chinese, QLocale::China) << evening << "2024/12/31 23:05:09";
    // A locale whose clock is 12-hour still gets the 24-hour time, with no AM/PM marker.
    QTest::newRow("US English") << QLocale(QLocale::English, QLocale::UnitedStates) << evening
                                << "12/31/24 23:05:09";
    QTest::newRow("Taiwan, afternoon")
        << QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan)
        << QDateTime(QDate(2005, 6, 15), QTime(21, 5, 7)) << "2005/6/15 21:05:07";
    QTest::newRow("Finnish, point separator")
        << QLocale(QLocale::Finnish, QLocale::Finland) << evening << "31.12.2024 23.05.09";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << morning << "15.06.05 10:20:30";
    // A locale with digits of its own: the date keeps its order and separators, in ASCII digits.
    QTest::newRow("Pashto, own digits")
        << QLocale(QLocale::Pashto, QLocale::Afghanistan) << QDateTime(QDate(2026, 12, 10), QTime(15, 30, 31))
        << "2026/12/10 15:30:31";
    QTest::newRow("Arabic, own digits and marks")
        << QLocale(QLocale::Arabic, QLocale::Egypt) << morning << "15\u200F/6\u200F/2005 10:20:30";
    QTest::newRow("Marathi, own digits")
        << QLocale(QLocale::Marathi, QLocale::India) << morning << "15/6/05 10:20:30";
    QTest::newRow("Chakma, digits beyond 16 bits")
        << QLocale(QLocale::Chakma, QLocale::Bangladesh) << morning << "15/6/05 10:20:30";
}

void tst_ExportText::timeStamp()
{
    QFETCH(QLocale, locale);
    QFETCH(QDateTime, when);
    QFETCH(QString, text);
    QCOMPARE(exporttext::timeStampText(when, locale), text);
}

// The program's own locale, as the system's locale settings give it, decides the stamp.
void tst_ExportText::timeStampUnderProgramLocale_data()
{
    QTest::addColumn<QByteArray>("systemLocale");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");

    QTest::newRow("ps_AF") << QByteArray("ps_AF.UTF-8") << QLocale(QLocale::Pashto, QLocale::Afghanistan)
                           << "2026/12/10 15:30:31";
    QTest::newRow("zh_CN") << QByteArray("zh_CN.UTF-8") << QLocale(QLocale::Chinese, QLocale::China)
                           << "2026/12/10 15:30:31";
    QTest::newRow("de_DE") << QByteArray("de_DE.UTF-8") << QLocale(QLocale::German, QLocale::Germany)
                           << "10.12.26 15:30:31";
}

void tst_ExportText::timeStampUnderProgramLocale()
{
    QFETCH(QByteArray, systemLocale);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    const NumericLocale inForce(systemLocale.constData(), locale);
    QVERIFY2(inForce.installed(), "a locale the tests use is missing: run scripts/setup");
    QCOMPARE(exporttext::timeStampText(QDateTime(QDate(2026, 12, 10), QTime(15, 30, 31))), text);
}

namespace {

// The locale's short date with each of its own digits written as the ASCII digit.
QString dateInAsciiDigits(const QLocale &locale, const QDate &date)
{
    if (locale.language() == QLocale::C)
        return date.toString(QStringLiteral("yyyy-M-d"));
    QString text = locale.toString(date, QLocale::ShortFormat);
    for (int digit = 0; digit <= 9; ++digit)
        text.replace(locale.toString(digit), QString::number(digit));
    return text;
}

} // namespace

// Under every locale Qt knows, the whole stamp is in ASCII digits, and the time has the
// separators ":" or "." only: no AM/PM marker, no native digits, no words.
void tst_ExportText::timeStampUnderEveryLocale()
{
    static const QRegularExpression clock(QStringLiteral("^[0-9]{1,2}([:.])[0-9]{2}\\1[0-9]{2}$"));
    const QDateTime afternoon(QDate(2005, 6, 15), QTime(21, 5, 7));
    const QList<QLocale> locales
        = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(locales.size() > 100);
    for (const QLocale &locale : locales) {
        const QString date = dateInAsciiDigits(locale, afternoon.date());
        const QString stamp = exporttext::timeStampText(afternoon, locale);
        QVERIFY2(stamp.startsWith(date + QLatin1Char(' ')),
                 qPrintable(locale.name() + QStringLiteral(": ") + stamp));
        const QString time = stamp.mid(date.size() + 1);
        QVERIFY2(clock.match(time).hasMatch(), qPrintable(locale.name() + QStringLiteral(": ") + stamp));
        QVERIFY2(time.endsWith(QLatin1String("05:07")) || time.endsWith(QLatin1String("05.07")),
                 qPrintable(locale.name() + QStringLiteral(": ") + stamp));
        QVERIFY2(time.startsWith(QLatin1String("21")),
                 qPrintable(locale.name() + QStringLiteral(": ") + stamp));
        for (char32_t c : stamp.toUcs4()) {
            QVERIFY2(QChar::category(c) != QChar::Number_DecimalDigit || (c >= U'0' && c <= U'9'),
                     qPrintable(locale.name() + QStringLiteral(": ") + stamp));
        }
    }
}

void tst_ExportText::folderChain_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("chain");

    QTest::newRow("nested") << "/home/ann" << QStringList {"/", "/home", "/home/ann"};
    QTest::newRow("trailing slash") << "/home/ann/" << QStringList {"/", "/home", "/home/ann"};
    QTest::newRow("root") << "/" << QStringList {"/"};
    QTest::newRow("dot dot") << "/a/../b" << QStringList {"/", "/b"};
    QTest::newRow("missing folders") << "/no/such/folder"
                                     << QStringList {"/", "/no", "/no/such", "/no/such/folder"};
    // A folder whose name ends in a colon is no drive: only "/" is a root here.
    QTest::newRow("colon in a name") << "/a:/b" << QStringList {"/", "/a:", "/a:/b"};
    // Above the root there is only the root.
    QTest::newRow("above the root") << "/.." << QStringList {"/"};
    QTest::newRow("through above the root") << "/a/../../b/.." << QStringList {"/"};
    QTest::newRow("back down from above the root") << "/../../c/d" << QStringList {"/", "/c", "/c/d"};
}

void tst_ExportText::folderChain()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, chain);
    QCOMPARE(exporttext::folderChain(folder), chain);
}

void tst_ExportText::twoRecordsMakeSixLines()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const exporttext::AppendOutcome first = exporttext::appendLines(
        dir.path(), "test1.txt", exporttext::calcRecordLines("1+2", " 3", kStamp), "UTF-8");
    QVERIFY2(first.ok, qPrintable(first.reason));
    QCOMPARE(first.path, dir.path() + "/test1.txt");
    const exporttext::AppendOutcome second = exporttext::appendLines(
        dir.path(), "test1.txt", exporttext::calcRecordLines("2*3", " 6", "2005-6-15 10:21:00"), "UTF-8");
    QVERIFY2(second.ok, qPrintable(second.reason));
    QCOMPARE(readAll(dir.filePath("test1.txt")),
             QByteArray("\r\n2005-6-15 10:20:30\r\n1+2= 3\r\n"
                        "\r\n2005-6-15 10:21:00\r\n2*3= 6\r\n"));
}

void tst_ExportText::appendKeepsEveryByte()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // An older file: GB18030 text from another machine, a lone LF, a NUL byte, no final line end.
    const QByteArray existing = QByteArray::fromHex("0d0a323030352d362d3135d7dcb7d6a3ba0a00ff") + "tail";
    QVERIFY(writeFile(dir.filePath("old.txt"), existing));

    const exporttext::AppendOutcome outcome = exporttext::appendLines(
        dir.path(), "old.txt", exporttext::calcRecordLines("1+2", " 3", kStamp), "UTF-8");
    QVERIFY2(outcome.ok, qPrintable(outcome.reason));
    QCOMPARE(readAll(dir.filePath("old.txt")), existing + "\r\n2005-6-15 10:20:30\r\n1+2= 3\r\n");
}

void tst_ExportText::plainCLocaleWritesUtf8()
{
#ifdef Q_OS_WIN
    QSKIP("the ANSI code page decides on Windows");
#else
    // The C locale's codeset is plain ASCII, which cannot hold a Chinese label.
    const QByteArray saved(std::setlocale(LC_CTYPE, nullptr));
    std::setlocale(LC_CTYPE, "C");
    const QByteArray name = exporttext::localeEncodingName();
    std::setlocale(LC_CTYPE, saved.constData());
    QCOMPARE(name, QByteArray("UTF-8"));
#endif
}

void tst_ExportText::writesInTheGivenEncoding_data()
{
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("UTF-8") << QByteArray("UTF-8") << QByteArray::fromHex("e680bbe58886efbc9a");
    QTest::newRow("GB18030") << QByteArray("GB18030") << QByteArray::fromHex("d7dcb7d6a3ba");
}

void tst_ExportText::writesInTheGivenEncoding()
{
    QFETCH(QByteArray, encoding);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const exporttext::AppendOutcome outcome
        = exporttext::appendLines(dir.path(), "e.txt", {"总分："}, encoding);
    QVERIFY2(outcome.ok, qPrintable(outcome.reason));
    QCOMPARE(readAll(dir.filePath("e.txt")), bytes + "\r\n");
}

void tst_ExportText::failureLeavesFolderUnchanged_data()
{
    QTest::addColumn<QString>("subFolder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("encoding");

    QTest::newRow("empty file name") << ""
                                     << "" << QByteArray("UTF-8");
    QTest::newRow("folder does not exist") << "missing"
                                           << "a.txt" << QByteArray("UTF-8");
    QTest::newRow("folder is a file") << "plain.txt"
                                      << "a.txt" << QByteArray("UTF-8");
    QTest::newRow("name is a folder") << ""
                                      << "sub" << QByteArray("UTF-8");
    QTest::newRow("name in a missing folder") << ""
                                              << "missing/a.txt" << QByteArray("UTF-8");
    QTest::newRow("unknown encoding") << ""
                                      << "a.txt" << QByteArray("no-such-charset");
    QTest::newRow("character the encoding lacks") << ""
                                                  << "plain.txt" << QByteArray("ISO-8859-1");
}

void tst_ExportText::failureLeavesFolderUnchanged()
{
    QFETCH(QString, subFolder);
    QFETCH(QString, name);
    QFETCH(QByteArray, encoding);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath("plain.txt"), "kept\r\n"));
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    const auto before = snapshot(dir.path());

    const QString folder = subFolder.isEmpty() ? dir.path() : dir.filePath(subFolder);
    const exporttext::AppendOutcome outcome = exporttext::appendLines(
        folder, name, exporttext::scoreReportLines({"85"}, QStringList(14, " 1人"), kStamp), encoding);
    QVERIFY(!outcome.ok);
    QVERIFY(!outcome.reason.isEmpty());
    QCOMPARE(snapshot(dir.path()), before);
}

void tst_ExportText::readOnlyFolder()
{
#ifdef Q_OS_UNIX
    if (::geteuid() == 0)
        QSKIP("running as root: folder permissions do not stop writing");
#endif
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("locked"));
    const QString locked = dir.filePath("locked");
    QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));

    const exporttext::AppendOutcome outcome = exporttext::appendLines(locked, "a.txt", {"1+2= 3"}, "UTF-8");
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!outcome.ok);
    // The reason is shown to the user: in Chinese, not the system's English.
    QCOMPARE(outcome.reason, QStringLiteral("无法打开文件（没有写入的权限）。"));
    QVERIFY(QDir(locked).isEmpty());
}

void tst_ExportText::deviceFullIsReported()
{
    if (!QFileInfo::exists("/dev/full"))
        QSKIP("no /dev/full here");
    const exporttext::AppendOutcome outcome = exporttext::appendLines("/dev", "full", {"1+2= 3"}, "UTF-8");
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.reason, QStringLiteral("无法写入文件（磁盘空间不足）。"));
}

void tst_ExportText::partialWriteIsTakenBack_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<bool>("fileExists");

    QTest::newRow("existing file") << QByteArray("\r\n2005-6-15 10:20:30\r\n1+2= 3\r\n") << true;
    QTest::newRow("new file") << QByteArray() << false;
}

void tst_ExportText::partialWriteIsTakenBack()
{
#ifdef Q_OS_LINUX
    QFETCH(QByteArray, existing);
    QFETCH(bool, fileExists);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (fileExists)
        QVERIFY(writeFile(dir.filePath("a.txt"), existing));

    // A file size limit a few bytes beyond the present end: the block goes in only partly.
    rlimit old {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = static_cast<rlim_t>(existing.size() + 10);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const exporttext::AppendOutcome outcome = exporttext::appendLines(
        dir.path(), "a.txt", exporttext::scoreReportLines({"85", "90"}, QStringList(14, " 1人"), kStamp),
        "UTF-8");
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.reason, QStringLiteral("无法写入文件（文件太大）。"));
    QCOMPARE(QFileInfo::exists(dir.filePath("a.txt")), fileExists);
    if (fileExists)
        QCOMPARE(readAll(dir.filePath("a.txt")), existing);
#else
    QSKIP("needs a file size limit");
#endif
}

namespace {

// The option that makes this executable one of the writers of
// concurrentSavesKeepEachOthersBlocks instead of the test.
constexpr char kWriterOption[] = "--appending-writer";

// The calculation record that a writer saves as its block number `block`; its time stamp line
// names the writer and the block, so that every block in the file can be told apart.
QStringList writerBlock(int writer, int block)
{
    const QString stamp = QStringLiteral("writer %1 block %2").arg(writer).arg(block);
    const QString expression(200, QChar(u'a' + (writer + block) % 26));
    return exporttext::calcRecordLines(expression, QStringLiteral(" end"), stamp);
}

QByteArray writerBlockBytes(int writer, int block)
{
    return (writerBlock(writer, block).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

// A writer process: arguments folder, file name, writer number, number of blocks, and a file size
// limit (0 for none). It starts when a line arrives on its standard input, saves its blocks one
// by one and writes "<writer> <block>" on standard output for each block saved, and the reason
// for each block that failed.
int runWriter(char *argv[])
{
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    const int writer = std::atoi(argv[4]);
    const int blocks = std::atoi(argv[5]);
    const long long limit = std::atoll(argv[6]);
#ifdef Q_OS_LINUX
    if (limit > 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight {};
        ::getrlimit(RLIMIT_FSIZE, &tight);
        tight.rlim_cur = static_cast<rlim_t>(limit);
        if (::setrlimit(RLIMIT_FSIZE, &tight) != 0)
            return 3;
    }
#endif
    char go[8];
    if (!std::fgets(go, sizeof go, stdin))
        return 2;
    for (int block = 0; block < blocks; ++block) {
        const exporttext::AppendOutcome outcome
            = exporttext::appendLines(folder, name, writerBlock(writer, block), "UTF-8");
        if (outcome.ok)
            std::printf("%d %d\n", writer, block);
        else
            std::printf("failed %s\n", outcome.reason.toUtf8().constData());
    }
    return std::fflush(stdout) == 0 ? 0 : 4;
}

} // namespace

void tst_ExportText::concurrentSavesKeepEachOthersBlocks_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<qint64>("limitAfterExisting");
    QTest::addColumn<bool>("failingWriterSavesSome");

    const qint64 block = writerBlockBytes(0, 0).size();
    // The failing writer saves blocks until the file passes the limit, then none; the block that
    // crosses the limit goes in part-way.
    QTest::newRow("existing file, limit reached on the way")
        << QByteArray("\r\nkept\r\n1+2= 3\r\n") << 150 * block + block / 2 << true;
    // The failing writer never saves a whole block.
    QTest::newRow("new file, limit inside the first block") << QByteArray() << block / 3 << false;
}

// Several processes of the program append to one file at once while one of them fails part-way
// through its blocks: every block reported saved is in the file whole, and nothing else is.
void tst_ExportText::concurrentSavesKeepEachOthersBlocks()
{
#ifdef Q_OS_LINUX
    QFETCH(QByteArray, existing);
    QFETCH(qint64, limitAfterExisting);
    QFETCH(bool, failingWriterSavesSome);
    constexpr int kWriters = 3; // the last one fails
    constexpr int kBlocks = 2000;

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("shared.txt");
    if (!existing.isEmpty())
        QVERIFY(writeFile(path, existing));

    std::vector<std::unique_ptr<QProcess>> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        const qint64 limit = writer == kWriters - 1 ? existing.size() + limitAfterExisting : 0;
        auto &process = writers.emplace_back(std::make_unique<QProcess>());
        process->start(QCoreApplication::applicationFilePath(),
                       {kWriterOption, dir.path(), "shared.txt", QString::number(writer),
                        QString::number(kBlocks), QString::number(limit)});
        QVERIFY(process->waitForStarted());
    }
    // All of them are running before any starts to save, so that their saves overlap.
    for (auto &process : writers) {
        process->write("go\n");
        QVERIFY(process->waitForBytesWritten());
        process->closeWriteChannel();
    }
    QSet<QByteArray> reported;
    for (int writer = 0; writer < kWriters; ++writer) {
        QProcess &process = *writers[writer];
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
        QCOMPARE(lines.size(), kBlocks + 1);
        int saved = 0;
        for (const QByteArray &line : lines) {
            if (line.startsWith("failed ")) {
                QCOMPARE(QString::fromUtf8(line.mid(7)), QStringLiteral("无法写入文件（文件太大）。"));
            } else if (!line.isEmpty()) {
                reported.insert(line);
                ++saved;
            }
        }
        // Only the writer with the limit fails: its own blocks alone pass the limit.
        if (writer < kWriters - 1)
            QCOMPARE(saved, kBlocks);
        else if (!failingWriterSavesSome)
            QCOMPARE(saved, 0);
        else
            QVERIFY2(saved < kBlocks, qPrintable(QStringLiteral("%1 saved").arg(saved)));
    }

    // The file: what it held, then whole blocks, each reported saved, each once.
    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.startsWith(existing));
    static const QRegularExpression stampLine(QStringLiteral("^\r\nwriter (\\d+) block (\\d+)\r\n"));
    QSet<QByteArray> inFile;
    for (qsizetype at = existing.size(); at < bytes.size();) {
        const QRegularExpressionMatch match = stampLine.match(QString::fromUtf8(bytes.mid(at, 64)));
        QVERIFY2(match.hasMatch(), qPrintable(QStringLiteral("no block starts at byte %1").arg(at)));
        const int writer = match.captured(1).toInt();
        const int block = match.captured(2).toInt();
        const QByteArray expected = writerBlockBytes(writer, block);
        QVERIFY2(bytes.mid(at, expected.size()) == expected,
                 qPrintable(QStringLiteral("block %1 of writer %2 is cut").arg(block).arg(writer)));
        const QByteArray id = QByteArray::number(writer) + ' ' + QByteArray::number(block);
        QVERIFY2(reported.contains(id), "a block in the file that its writer reported failed");
        QVERIFY2(!inFile.contains(id), "a block in the file twice");
        inFile.insert(id);
        at += expected.size();
    }
    QCOMPARE(inFile.size(), reported.size());
#else
    QSKIP("needs a file size limit");
#endif
}

namespace {

#ifdef Q_OS_LINUX
// Whether the process has the file open.
bool hasOpen(qint64 pid, const QString &path)
{
    const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
    const QStringList entries = QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        char target[4096];
        const ssize_t length = ::readlink(QFile::encodeName(fds + QLatin1Char('/') + entry).constData(),
                                          target, sizeof target);
        if (length > 0 && QFile::decodeName(QByteArray(target, length)) == path)
            return true;
    }
    return false;
}
#endif

} // namespace

// A save that finds the file locked waits; when the save holding the lock created the file and
// takes itself back by removing it, the waiting save writes to the file at the path, not to the
// removed one.
void tst_ExportText::waitingSaveFollowsARemovedFile()
{
#ifdef Q_OS_LINUX
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = QDir(dir.path()).canonicalPath() + QStringLiteral("/shared.txt");
    // This test plays the failing save: it holds the lock on the file it created...
    QFile failing(path);
    QVERIFY(failing.open(QIODevice::WriteOnly));
    QCOMPARE(::flock(failing.handle(), LOCK_EX), 0);

    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(),
                 {kWriterOption, dir.path(), "shared.txt", "0", "1", "0"});
    QVERIFY(writer.waitForStarted());
    writer.write("go\n");
    QVERIFY(writer.waitForBytesWritten());
    writer.closeWriteChannel();
    // ...until the other save has opened the file, and so waits for the lock...
    QTRY_VERIFY_WITH_TIMEOUT(hasOpen(writer.processId(), path), 10000);
    // ...then removes the file and lets go.
    QVERIFY(QFile::remove(path));
    failing.close();

    QVERIFY(writer.waitForFinished(60000));
    QCOMPARE(writer.exitCode(), 0);
    QCOMPARE(writer.readAllStandardOutput(), QByteArray("0 0\n"));
    QCOMPARE(readAll(path), writerBlockBytes(0, 0));
#else
    QSKIP("needs advisory locks and /proc");
#endif
}

int main(int argc, char *argv[])
{
    if (argc == 7 && std::strcmp(argv[1], kWriterOption) == 0)
        return runWriter(argv);
    QCoreApplication app(argc, argv);
    tst_ExportText test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ExportText.moc"

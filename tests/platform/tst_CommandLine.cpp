#include "platform/core/CommandLine.h"

#include <QtTest>

// The command line of the windowed programs: help and version before any application object
// exists, the rest once Qt has taken its own options.
class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void helpIsChineseAndNamesBothOptions();
};

namespace {

const commandLine::About kAbout {
    .program = QStringLiteral("quenby"),
    .description = QStringLiteral("小学算术表达式计算器"),
    .version = QStringLiteral("1.2.3"),
};

} // namespace

void tst_CommandLine::read_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("early"); // read before the application object exists, else after
    QTest::addColumn<bool>("start");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString usage = QStringLiteral("\n请用“quenby --help”查看可用的选项。\n");
    const QString version = QStringLiteral("quenby 1.2.3\n");
    // clang-format off
    QTest::newRow("nothing, early")          << QStringList {}                      << true  << true  << 0 << QString() << QString();
    QTest::newRow("nothing, later")          << QStringList {}                      << false << true  << 0 << QString() << QString();
    QTest::newRow("Qt's options, early")     << QStringList {"-platform", "offscreen", "--style=fusion", "-reverse"} << true << true << 0 << QString() << QString();
    QTest::newRow("-v")                      << QStringList {"-v"}                  << true  << false << 0 << version   << QString();
    QTest::newRow("--version")               << QStringList {"--version"}           << true  << false << 0 << version   << QString();
    QTest::newRow("-version")                << QStringList {"-version"}            << true  << false << 0 << version   << QString();
    QTest::newRow("help before a wrong option") << QStringList {"--bogus", "--help"} << true << false << 0 << QStringLiteral("*") << QString();
    QTest::newRow("help after a Qt option")  << QStringList {"-platform", "xcb", "-h"} << true << false << 0 << QStringLiteral("*") << QString();
    QTest::newRow("-h after --")             << QStringList {"--", "-h"}            << true  << true  << 0 << QString() << QString();
    QTest::newRow("--bogus")                 << QStringList {"--bogus"}             << false << false << 2 << QString() << QStringLiteral("quenby：未知选项“--bogus”") + usage;
    QTest::newRow("-x")                      << QStringList {"-x"}                  << false << false << 2 << QString() << QStringLiteral("quenby：未知选项“-x”") + usage;
    QTest::newRow("-bogus=1")                << QStringList {"-bogus=1"}            << false << false << 2 << QString() << QStringLiteral("quenby：未知选项“-bogus”") + usage;
    QTest::newRow("an argument")             << QStringList {"file.txt"}            << false << false << 2 << QString() << QStringLiteral("quenby：不接受参数“file.txt”") + usage;
    // clang-format on
}

void tst_CommandLine::read()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, early);
    QFETCH(bool, start);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);

    const QStringList line = QStringList {"quenby"} + arguments;
    const commandLine::Outcome outcome
        = early ? commandLine::readEarly(line, kAbout) : commandLine::readRest(line, kAbout);
    QCOMPARE(outcome.start, start);
    QCOMPARE(outcome.exitCode, exitCode);
    if (out == QLatin1String("*"))
        QVERIFY(outcome.out.startsWith(QStringLiteral("用法：quenby [选项]\n")));
    else
        QCOMPARE(outcome.out, out);
    QCOMPARE(outcome.err, err);
}

void tst_CommandLine::helpIsChineseAndNamesBothOptions()
{
    const commandLine::Outcome outcome = commandLine::readEarly({"quenby", "-h"}, kAbout);
    QCOMPARE(outcome.start, false);
    QCOMPARE(outcome.exitCode, 0);
    const QStringList lines = outcome.out.split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("用法：quenby [选项]"));
    QCOMPARE(lines.value(1), QStringLiteral("小学算术表达式计算器"));
    QVERIFY(lines.contains(QStringLiteral("  -h, --help      显示本帮助并退出")));
    QVERIFY(lines.contains(QStringLiteral("  -v, --version   显示版本并退出")));
    // Qt's own options are accepted but not listed one by one.
    QVERIFY(!outcome.out.contains(QStringLiteral("--platform")));
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"

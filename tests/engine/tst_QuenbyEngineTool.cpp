// The headless driver: one line out per line in, escapes both ways, <none> for the empty text.
#include <QProcess>
#include <QtTest>

class tst_QuenbyEngineTool : public QObject
{
    Q_OBJECT

private slots:
    void linesInLinesOut();
    void help();
    void version();
    void unknownOption();
};

void tst_QuenbyEngineTool::linesInLinesOut()
{
    const QByteArray input = QStringLiteral("1 + 2\n"
                                            "\n"
                                            "1+2\\r\\n*3\n"
                                            "2 × 3\n"
                                            "1\\t2\n"
                                            "a\\\\b\n"
                                            "trailing backslash \\\n"
                                            "3+(-2)*9√2^3+1\n"
                                            "   \n")
                                 .toUtf8();
    const QByteArray expected = QStringLiteral("1+2\t 3\n"
                                               "<none>\t字符串为空\n"
                                               "1+2*3\t 7\n"
                                               "2×3\t非法字符错误，请改正\n"
                                               "1\\t2\t非法字符错误，请改正\n"
                                               "a\\\\b\t非法字符错误，请改正\n"
                                               "trailingbackslash\\\\\t非法字符错误，请改正\n"
                                               "3+(-2)*9√2^3+1\t-50\n"
                                               "\t表达式有错误，请检查\n")
                                    .toUtf8();

    QProcess tool;
    tool.start(QStringLiteral(QUENBY_ENGINE_TOOL), {});
    QVERIFY(tool.waitForStarted());
    tool.write(input);
    tool.closeWriteChannel();
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()), QString::fromUtf8(expected));
}

void tst_QuenbyEngineTool::help()
{
    QProcess tool;
    tool.start(QStringLiteral(QUENBY_ENGINE_TOOL), {QStringLiteral("--help")});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 0);
    const QByteArray out = tool.readAllStandardOutput();
    QVERIFY(out.contains("--stats"));
    QVERIFY(out.contains("<none>"));
}

void tst_QuenbyEngineTool::version()
{
    QProcess tool;
    tool.start(QStringLiteral(QUENBY_ENGINE_TOOL), {QStringLiteral("--version")});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 0);
    QCOMPARE(tool.readAllStandardOutput(), QByteArray("quenby-engine " QUENBY_VERSION "\n"));
}

void tst_QuenbyEngineTool::unknownOption()
{
    QProcess tool;
    tool.start(QStringLiteral(QUENBY_ENGINE_TOOL), {QStringLiteral("--bogus")});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 2);
}

QTEST_GUILESS_MAIN(tst_QuenbyEngineTool)
#include "tst_QuenbyEngineTool.moc"

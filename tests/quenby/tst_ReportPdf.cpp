// The class report as a PDF file: written by quenby-engine --report from a column of marks, read
// back with poppler's tools (text extractable, fonts embedded), and its failures.
#include "quenby/logic/ClassReport.h"
#include "quenby/report/ReportPages.h"

#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class tst_ReportPdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void columnBecomesAReport();
    void fontsAreEmbedded();
    void refusedLinesAreNamedAndLeftOut();
    void failuresWriteNothing_data();
    void failuresWriteNothing();
    void marksTakeMorePages_data();
    void marksTakeMorePages();

private:
    struct Run {
        int exitCode = -1;
        QString errors;
    };
    static Run report(const QString &path, const QByteArray &input);
    static QString poppler(const QString &program, const QStringList &arguments);
    static int pdfPages(const QString &path);

    QTemporaryDir m_dir;
};

tst_ReportPdf::Run tst_ReportPdf::report(const QString &path, const QByteArray &input)
{
    QProcess tool;
    tool.start(QStringLiteral(QUENBY_ENGINE_TOOL), {QStringLiteral("--report"), path});
    if (!tool.waitForStarted())
        return {};
    tool.write(input);
    tool.closeWriteChannel();
    if (!tool.waitForFinished(120000))
        return {};
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardError())};
}

QString tst_ReportPdf::poppler(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

int tst_ReportPdf::pdfPages(const QString &path)
{
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                          QRegularExpression::MultilineOption);
    return pages.match(poppler(QStringLiteral("pdfinfo"), {path})).captured(1).toInt();
}

void tst_ReportPdf::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "pdftotext (poppler-utils) is missing: run scripts/setup");
}

void tst_ReportPdf::columnBecomesAReport()
{
    // A column saved from a spreadsheet: CR LF line ends, a blank line, blanks around a cell.
    const QString path = m_dir.filePath(QStringLiteral("class.pdf"));
    const Run run = report(path, "85\r\n90\r\n\r\n  80 \r\n");
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errors, QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");

    const QString text
        = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    for (const char16_t *expected :
         {u"班级成绩报告", u"日期：", u"统计结果", u"总分：", u"255分----共 3人", u"平均分：", u"85分",
          u"标准差：", u"4.08", u"不及格(<60)：", u"分数分布", u"分数段", u"等级", u"60以下", u"优(>=85)",
          u"分数（按输入顺序，共 3 个）", u"第 1 页，共 1 页"})
        QVERIFY2(text.contains(QString::fromUtf16(expected)), qPrintable(QString::fromUtf16(expected)));
    QCOMPARE(pdfPages(path), 1);
}

void tst_ReportPdf::fontsAreEmbedded()
{
    const QString path = m_dir.filePath(QStringLiteral("fonts.pdf"));
    QCOMPARE(report(path, "100\n").exitCode, 0);
    // name, type, encoding, emb, sub, uni, object ID: every font embedded, with a Unicode map.
    const QStringList lines
        = poppler(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(lines.size() > 2, "no fonts in the report");
    bool cjk = false;
    for (const QString &line : lines.mid(2)) {
        const QStringList columns = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY2(columns.size() >= 7, qPrintable(line));
        const qsizetype n = columns.size();
        QVERIFY2(columns[n - 5] == QLatin1String("yes"), qPrintable(QStringLiteral("not embedded: ") + line));
        QVERIFY2(columns[n - 3] == QLatin1String("yes"),
                 qPrintable(QStringLiteral("no Unicode map: ") + line));
        cjk = cjk || line.contains(QLatin1String("CJK")) || line.contains(QLatin1String("Ming"));
    }
    QVERIFY2(cjk, "the Chinese text is not set in a CJK face the package depends on");
}

void tst_ReportPdf::refusedLinesAreNamedAndLeftOut()
{
    const QString path = m_dir.filePath(QStringLiteral("some-refused.pdf"));
    const Run run = report(path, "85\nabc\n150.5\n\n90\n８５\n");
    QCOMPARE(run.exitCode, 3);
    const QStringList errors = run.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(errors,
             (QStringList {QStringLiteral("quenby-engine：第 2 行“abc”不是可以统计的分数，已略过。"),
                           QStringLiteral("quenby-engine：第 3 行“150.5”不是可以统计的分数，已略过。"),
                           QStringLiteral("quenby-engine：第 6 行“８５”不是可以统计的分数，已略过。")}));
    const QString text
        = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(text.contains(QStringLiteral("175分----共 2人")));
}

void tst_ReportPdf::failuresWriteNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("message");
    QTest::newRow("no mark at all") << QStringLiteral("kept.pdf") << QByteArray("\r\n  \n")
                                    << QStringLiteral("没有可以统计的分数");
    QTest::newRow("only refused marks")
        << QStringLiteral("kept.pdf") << QByteArray("abc\n") << QStringLiteral("没有可以统计的分数");
    QTest::newRow("folder missing") << QStringLiteral("no-such-folder/class.pdf") << QByteArray("85\n")
                                    << QStringLiteral("不存在");
    QTest::newRow("name of a folder")
        << QStringLiteral("folder") << QByteArray("85\n") << QStringLiteral("文件夹");
}

void tst_ReportPdf::failuresWriteNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, input);
    QFETCH(QString, message);
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder")));
    const QString path = m_dir.filePath(name);
    // A file already there stays as it was.
    QFile kept(m_dir.filePath(QStringLiteral("kept.pdf")));
    QVERIFY(kept.open(QIODevice::WriteOnly | QIODevice::Truncate));
    kept.write("the teacher's own file");
    kept.close();

    const Run run = report(path, input);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errors.startsWith(QStringLiteral("quenby-engine：")) && run.errors.contains(message),
             qPrintable(run.errors));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("the teacher's own file"));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("no-such-folder"))));
    QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("folder"))).isDir());
}

void tst_ReportPdf::marksTakeMorePages_data()
{
    QTest::addColumn<int>("marks");
    QTest::addColumn<int>("fewestPages");
    QTest::addColumn<int>("mostPages");
    QTest::newRow("a class fits one page") << 40 << 1 << 1;
    QTest::newRow("a class of 181") << 181 << 2 << 2;
    QTest::newRow("a whole school") << 1000 << 3 << 6;
}

void tst_ReportPdf::marksTakeMorePages()
{
    QFETCH(int, marks);
    QFETCH(int, fewestPages);
    QFETCH(int, mostPages);
    QStringList list;
    for (int i = 0; i < marks; ++i)
        list << QString::number(40 + i % 61);
    const classreport::Content content
        = classreport::makeContent(list, QStringLiteral("2026/12/11 10:20:30"));
    QPdfWriter writer(m_dir.filePath(QStringLiteral("pages.pdf")));
    writer.setPageLayout(reportpages::pageLayout());
    const int pages = reportpages::pageCount(writer, content);
    QVERIFY2(pages >= fewestPages && pages <= mostPages, qPrintable(QString::number(pages)));

    // The file has as many pages, each with its footer, and every mark.
    const QString path = m_dir.filePath(QStringLiteral("pages-%1.pdf").arg(marks));
    QString reason;
    QVERIFY2(reportpages::writePdf(path, content, &reason), qPrintable(reason));
    const QString text
        = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QCOMPARE(pdfPages(path), pages);
    QVERIFY(text.contains(QStringLiteral("第 %1 页，共 %1 页").arg(pages)));
    QVERIFY(text.contains(QStringLiteral("%1.").arg(marks)));
    QCOMPARE(text.contains(QStringLiteral("分数（续）")), pages > 1);
}

QTEST_MAIN(tst_ReportPdf)
#include "tst_ReportPdf.moc"

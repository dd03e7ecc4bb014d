#include "quenby/logic/MarkPaste.h"
#include "quenby/logic/ScoreStatistics.h"

#include <QtTest>

// A paste into the mark box, as the common spreadsheet programs put cells on the clipboard.
class tst_MarkPaste : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void aThousandMarks();
};

void tst_MarkPaste::read_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<bool>("several");
    QTest::addColumn<QStringList>("accepted");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("single");

    // clang-format off
    QTest::newRow("column, CR LF, trailing") << "85\r\n90\r\n77\r\n"       << true  << QStringList {"85", "90", "77"} << "" << "";
    QTest::newRow("column, LF")              << "85\n90\n77"              << true  << QStringList {"85", "90", "77"} << "" << "";
    QTest::newRow("column, CR")              << "85\r90"                  << true  << QStringList {"85", "90"}       << "" << "";
    QTest::newRow("row with tabs")           << "85\t90\t77\r\n"          << true  << QStringList {"85", "90", "77"} << "" << "";
    QTest::newRow("blanks and empty cells")  << " 85 \r\n\r\n\t 92.5\t\r\n" << true << QStringList {"85", "92.5"}   << "" << "";
    QTest::newRow("above 150 stays")         << "85\r\n151\r\n150\r\n"    << true  << QStringList {"85", "150"}      << "151" << "";
    QTest::newRow("refused, apart by blanks") << "abc\n85\n-3\n1 2\n"     << true  << QStringList {"85"}             << "abc -3 1 2" << "";
    QTest::newRow("full-width digits")       << "８５\r\n90"              << true  << QStringList {"90"}             << "８５" << "";
    QTest::newRow("one cell with its break") << "85\r\n"                  << false << QStringList {}                 << "" << "85";
    QTest::newRow("one cell")                << "92.5"                    << false << QStringList {}                 << "" << "92.5";
    QTest::newRow("blanks inside one cell")  << "85 90 77"                << false << QStringList {}                 << "" << "85 90 77";
    QTest::newRow("nothing")                 << ""                        << false << QStringList {}                 << "" << "";
    QTest::newRow("only breaks")             << "\r\n\t\r\n"              << false << QStringList {}                 << "" << "";
    // clang-format on
}

void tst_MarkPaste::read()
{
    QFETCH(QString, pasted);
    QFETCH(bool, several);
    QFETCH(QStringList, accepted);
    QFETCH(QString, refused);
    QFETCH(QString, single);
    const stats::PastedMarks got = stats::readPastedMarks(pasted);
    QCOMPARE(got.severalEntries, several);
    QCOMPARE(got.accepted, accepted);
    QCOMPARE(got.refused, refused);
    QCOMPARE(got.single, single);
}

void tst_MarkPaste::aThousandMarks()
{
    QString column;
    QStringList marks;
    for (int i = 0; i < 1000; ++i) {
        marks << QString::number(i % 151);
        column += marks.back() + QStringLiteral("\r\n");
    }
    const stats::PastedMarks got = stats::readPastedMarks(column);
    QCOMPARE(got.accepted, marks);
    QCOMPARE(got.refused, QString());
}

QTEST_APPLESS_MAIN(tst_MarkPaste)
#include "tst_MarkPaste.moc"

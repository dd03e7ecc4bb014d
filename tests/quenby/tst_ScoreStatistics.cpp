// Mark entry rules and the fourteen result texts of a class's marks, without a window, and the
// same computation through the headless driver's --stats mode.
#include "quenby/logic/ScoreStatistics.h"
#include "support/NumericLocale.h"

#include <QLocale>
#include <QProcess>
#include <QtTest>

#include <clocale>
#include <cmath>
#include <string>

class tst_ScoreStatistics : public QObject
{
    Q_OBJECT

private slots:
    void markValue_data();
    void markValue();
    void acceptableMark_data();
    void acceptableMark();
    void roundToHundredths_data();
    void roundToHundredths();
    void statistics_data();
    void statistics();
    void emptyListGivesNothing();
    void numbersIgnoreTheLocale();
    void statsDriver();
};

void tst_ScoreStatistics::markValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << "85" << 85.0;
    QTest::newRow("decimal") << "92.5" << 92.5;
    QTest::newRow("leading zero") << "0150" << 150.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("no digit before point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("unit stops") << "85分" << 85.0;
    QTest::newRow("sign stops at once") << "-5" << 0.0;
    QTest::newRow("blank stops") << "8 5" << 8.0;
    QTest::newRow("no exponent") << "1e2" << 1.0;
    QTest::newRow("full-width digits") << "１００" << 0.0;
    QTest::newRow("many leading zeros") << QString(40, QLatin1Char('0')) + "92.5" << 92.5;
    QTest::newRow("many decimals") << "99.99999999999999999999" << 100.0;
    QTest::newRow("a hair above 150") << "150.0000000000000000001" << 150.0;
}

void tst_ScoreStatistics::markValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(stats::markValue(text), value);
}

void tst_ScoreStatistics::acceptableMark_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("85") << "85" << true;
    QTest::newRow("largest") << "150" << true;
    QTest::newRow("largest with decimals") << "150.000" << true;
    QTest::newRow("zero") << "0" << true;
    QTest::newRow("decimal") << "92.5" << true;
    QTest::newRow("leading zero") << "0150" << true;
    QTest::newRow("point alone") << "." << true;
    QTest::newRow("two points") << "1.2.3" << true;
    QTest::newRow("tiny") << "0.00001" << true;
    // Above or at 150 is decided on the digits as typed, not on the nearest double.
    QTest::newRow("150.0") << "150.0" << true;
    QTest::newRow("150 and a point") << "150." << true;
    QTest::newRow("150 with many zeros") << "150.000000000000000000" << true;
    QTest::newRow("150, zeros all round")
        << QString(400, QLatin1Char('0')) + "150." + QString(400, QLatin1Char('0')) << true;
    QTest::newRow("a hair below 150") << "149.99999999999999999999" << true;
    QTest::newRow("a hair above 150") << "150.0000000000000000001" << false;
    QTest::newRow("far out above 150") << "0150." + QString(400, QLatin1Char('0')) + "1" << false;
    QTest::newRow("second point after 150.0") << "150.0.1" << true;
    QTest::newRow("second point after 150.1") << "150.1.0" << false;
    QTest::newRow("1500") << "1500" << false;
    QTest::newRow("point before 150") << ".150" << true;
    QTest::newRow("151") << "151" << false;
    QTest::newRow("150.5") << "150.5" << false;
    QTest::newRow("150.01") << "150.01" << false;
    QTest::newRow("200") << "200" << false;
    QTest::newRow("leading zeros over 150") << "00151" << false;
    QTest::newRow("huge") << QString(400, QLatin1Char('9')) << false;
    QTest::newRow("minus") << "-5" << false;
    QTest::newRow("plus") << "+5" << false;
    QTest::newRow("inner blank") << "8 5" << false;
    QTest::newRow("leading blank") << " 85" << false;
    QTest::newRow("with unit") << "85分" << false;
    QTest::newRow("full-width digits") << "１００" << false;
    QTest::newRow("exponent") << "1e2" << false;
    QTest::newRow("exponent of 150") << "1.5e2" << false;
    QTest::newRow("minus 150") << "-150" << false;
    QTest::newRow("line break") << "85\n" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_ScoreStatistics::acceptableMark()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(stats::IsAcceptableMark(text), accepted);
}

void tst_ScoreStatistics::roundToHundredths_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");

    QTest::newRow("half down to even") << 0.125 << 0.12;
    QTest::newRow("half up to even") << 0.375 << 0.38;
    QTest::newRow("half to zero") << 0.005 << 0.0;
    QTest::newRow("below half") << 4.0824829046386 << 4.08;
    QTest::newRow("above half") << 16.500303027 << 16.5;
    QTest::newRow("already two decimals") << 77.8 << 77.8;
    QTest::newRow("whole") << 85.0 << 85.0;
    QTest::newRow("up to whole") << 84.996 << 85.0;
    QTest::newRow("zero") << 0.0 << 0.0;
}

void tst_ScoreStatistics::roundToHundredths()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(stats::roundToHundredths(value), rounded);
}

namespace {

// The fourteen texts from a compact description: sum, n, mean, deviation, highest, lowest,
// then the four band counts and the five bucket counts.
QStringList texts(const QString &sum, int n, const QString &mean, const QString &deviation,
                  const QString &highest, const QString &lowest, std::initializer_list<int> bands,
                  std::initializer_list<int> buckets)
{
    QStringList out;
    out << sum + "分----共 " + QString::number(n) + "人" << mean + "分" << deviation << highest + "分"
        << lowest + "分";
    for (int c : bands)
        out << " " + QString::number(c) + "人";
    for (int c : buckets)
        out << " " + QString::number(c) + "人";
    return out;
}

QStringList repeated(const QStringList &pattern, int times)
{
    QStringList out;
    for (int i = 0; i < times; ++i)
        out << pattern;
    return out;
}

} // namespace

void tst_ScoreStatistics::statistics_data()
{
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("85 90 80") << QStringList {"85", "90", "80"}
                              << QStringList {" 255分----共 3人",
                                              " 85分",
                                              " 4.08",
                                              " 90分",
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
    QTest::newRow("half mean, deviation below 1")
        << QStringList {"85", "86"}
        << texts(" 171", 2, " 85.5", " 0.5", " 86", " 85", {2, 0, 0, 0}, {0, 0, 2, 0, 0});
    QTest::newRow("five mixed") << QStringList {"92.5", "60", "59.5", "100", "77"}
                                << texts(" 389", 5, " 77.8", " 16.5", " 100", " 59.5", {2, 1, 1, 1},
                                         {1, 1, 0, 1, 1});
    QTest::newRow("single mark") << QStringList {"70"}
                                 << texts(" 70", 1, " 70", " 0", " 70", " 70", {0, 0, 1, 0}, {0, 0, 0, 1, 0});
    QTest::newRow("above 100") << QStringList {
        "120", "130"} << texts(" 250", 2, " 125", " 5", " 130", " 120", {2, 0, 0, 0}, {0, 2, 0, 0, 0});
    QTest::newRow("all zero") << QStringList {"0", "0"}
                              << texts(" 0", 2, " 0", " 0", " 0", " 0", {0, 0, 0, 2}, {0, 0, 0, 0, 0});
    QTest::newRow("band edges") << QStringList {"85", "75", "60", "84.99", "74.99", "59.99"}
                                << texts(" 439.97", 6, " 73.33", " 10.27", " 85", " 59.99", {1, 2, 2, 1},
                                         {0, 0, 2, 2, 1});
    QTest::newRow("bucket edges") << QStringList {"100", "90", "80", "70", "60", "99.99", "100.5", "150"}
                                  << texts(" 750.49", 8, " 93.81", " 25.48", " 150", " 60", {5, 1, 2, 0},
                                           {1, 4, 1, 1, 1});
    // Three equal non-whole marks leave n*Q - S*S a hair below zero: no spread, shown as 0.
    QTest::newRow("equal non-whole marks")
        << QStringList {"1.3", "1.3", "1.3"}
        << texts(" 3.9", 3, " 1.3", " 0", " 1.3", " 1.3", {0, 0, 0, 3}, {0, 0, 0, 0, 0});
    QTest::newRow("tiny marks in exponent form")
        << QStringList {"0.00001", "0.00001"}
        << texts(" 2E-05", 2, " 0", " 0", " 1E-05", " 1E-05", {0, 0, 0, 2}, {0, 0, 0, 0, 0});
    QTest::newRow("marks as typed") << QStringList {".", "1.2.3", "0150"}
                                    << texts(" 151.2", 3, " 50.4", " 70.43", " 150", " 0", {1, 0, 0, 2},
                                             {0, 1, 0, 0, 0});
    // More marks than a 16-bit square of the head count holds (181 * 181 = 32761).
    QTest::newRow("182 marks") << repeated({"0", "100"}, 91)
                               << texts(" 9100", 182, " 50", " 50", " 100", " 0", {91, 0, 0, 91},
                                        {91, 0, 0, 0, 0});
    QTest::newRow("1000 marks") << repeated({"60", "90", "75", "88"}, 250)
                                << texts(" 78250", 1000, " 78.25", " 12.01", " 90", " 60", {500, 250, 250, 0},
                                         {0, 250, 250, 250, 250});
}

void tst_ScoreStatistics::statistics()
{
    QFETCH(QStringList, marks);
    QFETCH(QStringList, expected);
    const QStringList got = stats::ComputeStatistics(marks);
    QCOMPARE(got.size(), stats::kBoxCount);
    QCOMPARE(got, expected);
}

void tst_ScoreStatistics::emptyListGivesNothing()
{
    QVERIFY(stats::ComputeStatistics({}).isEmpty());
}

// Marks are read and results written with a point whatever the locale: under German conventions
// (a comma for the point, a point for grouping) nothing changes.
void tst_ScoreStatistics::numbersIgnoreTheLocale()
{
    const NumericLocale german("de_DE.UTF-8", QLocale(QLocale::German, QLocale::Germany));
    QVERIFY2(german.installed(), "the locale de_DE.UTF-8 is missing: run scripts/setup");

    QCOMPARE(stats::markValue(u"92.5"), 92.5);
    QCOMPARE(stats::markValue(u"92,5"), 92.0);
    QVERIFY(stats::IsAcceptableMark(u"150.000"));
    QVERIFY(!stats::IsAcceptableMark(u"150.5"));
    QVERIFY(!stats::IsAcceptableMark(u"92,5"));
    QCOMPARE(stats::ComputeStatistics({"92.5", "60", "59.5", "100", "77"}),
             (QStringList {" 389分----共 5人", " 77.8分", " 16.5", " 100分", " 59.5分", " 2人", " 1人",
                           " 1人", " 1人", " 1人", " 1人", " 0人", " 1人", " 1人"}));
    QStringList many;
    for (int i = 0; i < 1000; ++i)
        many << QStringLiteral("150");
    QCOMPARE(stats::ComputeStatistics(many).first(), QStringLiteral(" 150000分----共 1000人"));
}

void tst_ScoreStatistics::statsDriver()
{
    const QByteArray input = QStringLiteral("85|90|80\n"
                                            "\n"
                                            "92.5|60|59.5|100|77\r\n"
                                            "85|151|200\n"
                                            "85||90\n"
                                            "85|8\\t5\n"
                                            "150.0|150.0000000000000000001\n")
                                 .toUtf8();
    const QByteArray expected = QStringLiteral(" 255分----共 3人\t 85分\t 4.08\t 90分\t 80分\t 2人\t 1人\t "
                                               "0人\t 0人\t 0人\t 1人\t 2人\t 0人\t 0人\n"
                                               "<none>\n"
                                               " 389分----共 5人\t 77.8分\t 16.5\t 100分\t 59.5分\t 2人\t "
                                               "1人\t 1人\t 1人\t 1人\t 1人\t 0人\t 1人\t 1人\n"
                                               "<refused>\t151\n"
                                               "<refused>\t\n"
                                               "<refused>\t8\\t5\n"
                                               "<refused>\t150.0000000000000000001\n")
                                    .toUtf8();

    QProcess tool;
    tool.start(QStringLiteral(QUENBY_ENGINE_TOOL), {QStringLiteral("--stats")});
    QVERIFY(tool.waitForStarted());
    tool.write(input);
    tool.closeWriteChannel();
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()), QString::fromUtf8(expected));
}

QTEST_GUILESS_MAIN(tst_ScoreStatistics)
#include "tst_ScoreStatistics.moc"

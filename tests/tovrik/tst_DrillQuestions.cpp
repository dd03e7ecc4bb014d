#include "platform/core/RandomSource.h"
#include "support/ScriptedRandom.h"
#include "tovrik/logic/DrillQuestions.h"

#include <QtTest>

#include <map>
#include <set>
#include <vector>

using drill::Kind;
using drill::Question;
using drill::QuestionKind;

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(QuestionKind)

namespace {

// A fraction that rand(n) turns into k, well away from the edges of its interval.
double pick(int k, int n)
{
    return (k + 0.5) / n;
}

constexpr double kHeads = 0.25; // a coin of 0
constexpr double kTails = 0.75; // a coin of 1

struct Range {
    int lo, hi;
};

// Checks one question against everything its kind promises; an empty string when it holds.
QString fault(const Question &q)
{
    const auto in = [](int v, Range r) { return v >= r.lo && v <= r.hi; };
    switch (q.kind) {
    case QuestionKind::Multiplication:
        if (q.op != "x" || !in(q.first, {1, 9}) || !in(q.second, {1, 9}) || q.answer != q.first * q.second)
            return "multiplication";
        break;
    case QuestionKind::Division:
        if (q.op != QStringLiteral("÷") || !in(q.second, {1, 9}) || !in(q.answer, {1, 9})
            || q.first != q.answer * q.second)
            return "division";
        break;
    case QuestionKind::Addition100:
        if (q.op != "+" || !in(q.first, {10, 90}) || !in(q.second, {10, 90}) || !in(q.answer, {20, 100})
            || q.answer != q.first + q.second)
            return "addition within 100";
        break;
    case QuestionKind::Subtraction100:
        if (q.op != "-" || !in(q.first, {10, 99}) || !in(q.second, {10, 99}) || q.first < q.second
            || q.answer != q.first - q.second)
            return "subtraction within 100";
        break;
    case QuestionKind::Addition1000:
        if (q.op != "+" || !in(q.first, {0, 999}) || !in(q.second, {0, 999}) || !in(q.answer, {0, 1000})
            || q.answer != q.first + q.second)
            return "addition within 1000";
        break;
    case QuestionKind::Subtraction1000:
        if (q.op != "-" || !in(q.second, {50, 999}) || !in(q.first, {q.second, 999})
            || q.answer != q.first - q.second)
            return "subtraction within 1000";
        break;
    }
    return QString();
}

} // namespace

class tst_DrillQuestions : public QObject
{
    Q_OBJECT

private slots:
    void scriptedDraws_data();
    void scriptedDraws();
    void coinEdges_data();
    void coinEdges();
    void everyDrawHoldsItsPromises_data();
    void everyDrawHoldsItsPromises();
    void passingPairsAreEquallyLikely_data();
    void passingPairsAreEquallyLikely();
    void tableQuestionsAllOccur();
    void clockSeededSourceServes();
};

void tst_DrillQuestions::scriptedDraws_data()
{
    QTest::addColumn<Kind>("drill");
    QTest::addColumn<QList<double>>("fractions");
    QTest::addColumn<int>("first");
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("answer");

    QTest::newRow("Form1 multiplication")
        << Kind::TimesTable << QList<double> {kHeads, pick(3, 10), pick(4, 10)} << 3 << "x" << 4 << 12;
    QTest::newRow("Form1 largest product")
        << Kind::TimesTable << QList<double> {kHeads, 0.9999999, 0.9999999} << 9 << "x" << 9 << 81;
    QTest::newRow("Form1 redraws a zero first number")
        << Kind::TimesTable << QList<double> {kHeads, pick(0, 10), pick(5, 10), pick(2, 10), pick(7, 10)} << 2
        << "x" << 7 << 14;
    QTest::newRow("Form1 redraws a zero second number")
        << Kind::TimesTable << QList<double> {kHeads, pick(6, 10), 0.0, pick(1, 10), pick(1, 10)} << 1 << "x"
        << 1 << 1;
    QTest::newRow("Form1 division shows the product")
        << Kind::TimesTable << QList<double> {kTails, pick(6, 10), pick(7, 10)} << 42 << QStringLiteral("÷")
        << 7 << 6;
    QTest::newRow("Form1 largest division")
        << Kind::TimesTable << QList<double> {kTails, pick(9, 10), pick(9, 10)} << 81 << QStringLiteral("÷")
        << 9 << 9;
    QTest::newRow("Form1 division redraws a zero divisor")
        << Kind::TimesTable << QList<double> {kTails, pick(3, 10), pick(0, 10), pick(3, 10), pick(2, 10)} << 6
        << QStringLiteral("÷") << 2 << 3;

    QTest::newRow("Form2 10+90") << Kind::AddSubWithin100
                                 << QList<double> {kHeads, pick(10, 100), pick(90, 100)} << 10 << "+" << 90
                                 << 100;
    QTest::newRow("Form2 redraws 95+5 and then 50+50")
        << Kind::AddSubWithin100
        << QList<double> {kHeads, pick(95, 100), pick(5, 100), pick(50, 100), pick(50, 100)} << 50 << "+"
        << 50 << 100;
    QTest::newRow("Form2 redraws a sum over 100")
        << Kind::AddSubWithin100
        << QList<double> {kHeads, pick(60, 100), pick(41, 100), pick(60, 100), pick(40, 100)} << 60 << "+"
        << 40 << 100;
    QTest::newRow("Form2 redraws a one-digit addend")
        << Kind::AddSubWithin100
        << QList<double> {kHeads, pick(9, 100), pick(20, 100), pick(10, 100), pick(10, 100)} << 10 << "+"
        << 10 << 20;
    QTest::newRow("Form2 99-10") << Kind::AddSubWithin100
                                 << QList<double> {kTails, pick(99, 100), pick(10, 100)} << 99 << "-" << 10
                                 << 89;
    QTest::newRow("Form2 redraws a negative difference, then 10-10")
        << Kind::AddSubWithin100
        << QList<double> {kTails, pick(10, 100), pick(11, 100), pick(10, 100), pick(10, 100)} << 10 << "-"
        << 10 << 0;
    QTest::newRow("Form2 redraws a one-digit subtrahend")
        << Kind::AddSubWithin100
        << QList<double> {kTails, pick(50, 100), pick(9, 100), pick(50, 100), pick(49, 100)} << 50 << "-"
        << 49 << 1;

    QTest::newRow("Form7 0+0") << Kind::AddSubWithin1000 << QList<double> {kHeads, 0.0, 0.0} << 0 << "+" << 0
                               << 0;
    QTest::newRow("Form7 999+1") << Kind::AddSubWithin1000
                                 << QList<double> {kHeads, pick(999, 1000), pick(1, 1000)} << 999 << "+" << 1
                                 << 1000;
    QTest::newRow("Form7 redraws a sum over 1000")
        << Kind::AddSubWithin1000
        << QList<double> {kHeads, pick(999, 1000), pick(2, 1000), pick(500, 1000), pick(500, 1000)} << 500
        << "+" << 500 << 1000;
    QTest::newRow("Form7 50-50") << Kind::AddSubWithin1000
                                 << QList<double> {kTails, pick(50, 1000), pick(50, 1000)} << 50 << "-" << 50
                                 << 0;
    QTest::newRow("Form7 redraws a subtrahend below 50")
        << Kind::AddSubWithin1000
        << QList<double> {kTails, pick(999, 1000), pick(49, 1000), pick(999, 1000), pick(50, 1000)} << 999
        << "-" << 50 << 949;
    QTest::newRow("Form7 redraws a negative difference")
        << Kind::AddSubWithin1000
        << QList<double> {kTails, pick(100, 1000), pick(101, 1000), pick(101, 1000), pick(100, 1000)} << 101
        << "-" << 100 << 1;

    QTest::newRow("Form4 heads, heads: addition within 100")
        << Kind::Mixed << QList<double> {kHeads, kHeads, pick(30, 100), pick(45, 100)} << 30 << "+" << 45
        << 75;
    QTest::newRow("Form4 heads, tails: subtraction within 100")
        << Kind::Mixed << QList<double> {kHeads, kTails, pick(30, 100), pick(15, 100)} << 30 << "-" << 15
        << 15;
    QTest::newRow("Form4 tails, heads: multiplication")
        << Kind::Mixed << QList<double> {kTails, kHeads, pick(8, 10), pick(7, 10)} << 8 << "x" << 7 << 56;
    QTest::newRow("Form4 tails, tails: division")
        << Kind::Mixed << QList<double> {kTails, kTails, pick(8, 10), pick(7, 10)} << 56
        << QStringLiteral("÷") << 7 << 8;
}

void tst_DrillQuestions::scriptedDraws()
{
    QFETCH(Kind, drill);
    QFETCH(QList<double>, fractions);
    ScriptedRandom random;
    for (double r : fractions)
        random.push(r);

    const Question q = drill::DrawQuestion(drill, random);

    QCOMPARE(random.reseeds(), 1);
    QCOMPARE(random.remaining(), std::size_t(0)); // every fraction used, none more
    QTEST(q.first, "first");
    QTEST(q.op, "op");
    QTEST(q.second, "second");
    QTEST(q.answer, "answer");
    QCOMPARE(fault(q), QString());
}

void tst_DrillQuestions::coinEdges_data()
{
    QTest::addColumn<double>("coinFraction");
    QTest::addColumn<QuestionKind>("kind");
    QTest::newRow("0 is heads") << 0.0 << QuestionKind::Multiplication;
    QTest::newRow("just below a half is heads") << 0.4999999 << QuestionKind::Multiplication;
    QTest::newRow("a half is tails") << 0.5 << QuestionKind::Division;
    QTest::newRow("just below 1 is tails") << 0.9999999 << QuestionKind::Division;
}

void tst_DrillQuestions::coinEdges()
{
    QFETCH(double, coinFraction);
    ScriptedRandom random {coinFraction, pick(2, 10), pick(3, 10)};
    QTEST(drill::DrawQuestion(Kind::TimesTable, random).kind, "kind");
}

void tst_DrillQuestions::everyDrawHoldsItsPromises_data()
{
    QTest::addColumn<Kind>("drill");
    QTest::addColumn<QList<QuestionKind>>("kinds");
    QTest::newRow("Form1") << Kind::TimesTable
                           << QList<QuestionKind> {QuestionKind::Multiplication, QuestionKind::Division};
    QTest::newRow("Form2") << Kind::AddSubWithin100
                           << QList<QuestionKind> {QuestionKind::Addition100, QuestionKind::Subtraction100};
    QTest::newRow("Form7") << Kind::AddSubWithin1000
                           << QList<QuestionKind> {QuestionKind::Addition1000, QuestionKind::Subtraction1000};
    QTest::newRow("Form4") << Kind::Mixed
                           << QList<QuestionKind> {QuestionKind::Addition100, QuestionKind::Subtraction100,
                                                   QuestionKind::Multiplication, QuestionKind::Division};
}

// Many draws from a fixed-seed source: the drill asks only its own kinds, in their stated shares,
// and every question stays in its kind's ranges.
void tst_DrillQuestions::everyDrawHoldsItsPromises()
{
    QFETCH(Kind, drill);
    QFETCH(QList<QuestionKind>, kinds);
    const int draws = 4000;
    FixedSeedRandom random;
    std::map<QuestionKind, int> seen;
    for (int i = 0; i < draws; ++i) {
        const Question q = drill::DrawQuestion(drill, random);
        QVERIFY2(kinds.contains(q.kind), "a kind this drill never asks");
        const QString why = fault(q);
        QVERIFY2(why.isEmpty(),
                 qPrintable(QString("%1 %2 %3 = %4 breaks the %5 rules")
                                .arg(q.first)
                                .arg(q.op)
                                .arg(q.second)
                                .arg(q.answer)
                                .arg(why)));
        ++seen[q.kind];
    }
    // Each kind comes with the same odds; six standard deviations leave no room for chance.
    const double share = 1.0 / kinds.size();
    const double tolerance = 6 * std::sqrt(share * (1 - share) / draws);
    for (QuestionKind kind : kinds) {
        const double observed = double(seen[kind]) / draws;
        QVERIFY2(std::abs(observed - share) < tolerance,
                 qPrintable(QString("kind %1 came %2 of the time").arg(int(kind)).arg(observed)));
    }
}

void tst_DrillQuestions::passingPairsAreEquallyLikely_data()
{
    // The mean and the spread of the first number over every pair the kind accepts.
    QTest::addColumn<QuestionKind>("kind");
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("spread");
    QTest::newRow("multiplication: 1 to 9") << QuestionKind::Multiplication << 5.0 << 2.582;
    QTest::newRow("division: quotient 1 to 9") << QuestionKind::Division << 5.0 << 2.582;
    QTest::newRow("addition within 100: 3321 pairs") << QuestionKind::Addition100 << 36.6667 << 19.2065;
    QTest::newRow("subtraction within 100: 4095 pairs") << QuestionKind::Subtraction100 << 69.3333 << 21.3281;
    QTest::newRow("addition within 1000: 501499 pairs") << QuestionKind::Addition1000 << 333.3327 << 236.0537;
    QTest::newRow("subtraction within 1000: 451725 pairs")
        << QuestionKind::Subtraction1000 << 682.6667 << 224.0347;
}

// Redrawing both numbers makes every passing pair equally likely, so the mean first number drawn
// matches the mean over all passing pairs. Drawing the second number within what the
// first allows, or clamping, would shift them.
void tst_DrillQuestions::passingPairsAreEquallyLikely()
{
    QFETCH(QuestionKind, kind);
    QFETCH(double, mean);
    QFETCH(double, spread);
    const int draws = 3000;
    FixedSeedRandom random;
    double sum = 0;
    for (int i = 0; i < draws; ++i) {
        random.reseed();
        const Question q = drill::drawQuestionOfKind(kind, random);
        // The first drawn number: the quotient for a division.
        sum += kind == QuestionKind::Division ? q.answer : q.first;
    }
    const double observed = sum / draws;
    QVERIFY2(std::abs(observed - mean) < 6 * spread / std::sqrt(draws),
             qPrintable(QString("mean first number %1, expected %2").arg(observed).arg(mean)));
}

// All 81 products and all 81 divisions of the table come up in a modest number of draws.
void tst_DrillQuestions::tableQuestionsAllOccur()
{
    FixedSeedRandom random;
    std::set<std::pair<int, int>> products, quotients;
    for (int i = 0; i < 6000; ++i) {
        const Question q = drill::DrawQuestion(Kind::TimesTable, random);
        (q.kind == QuestionKind::Multiplication ? products : quotients).emplace(q.first, q.second);
    }
    QCOMPARE(products.size(), std::size_t(81));
    QCOMPARE(quotients.size(), std::size_t(81));
    QVERIFY(products.count({9, 9}));
    QVERIFY(quotients.count({81, 9}));
    QVERIFY(quotients.count({42, 7}));
}

// The program's own source, reseeded from the clock before every question: its questions keep to
// their rules and do not repeat one sequence.
void tst_DrillQuestions::clockSeededSourceServes()
{
    ClockSeededRandom random;
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 400; ++i) {
        const Question q = drill::DrawQuestion(Kind::Mixed, random);
        QCOMPARE(fault(q), QString());
        seen.emplace(q.first, q.second);
    }
    QVERIFY2(seen.size() > 100, qPrintable(QString("only %1 different questions").arg(seen.size())));
}

QTEST_GUILESS_MAIN(tst_DrillQuestions)
#include "tst_DrillQuestions.moc"

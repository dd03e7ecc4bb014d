#include "platform/core/RandomSource.h"
#include "quenby/logic/Practice.h"
#include "support/NumericLocale.h"
#include "support/ScriptedRandom.h"

#include <QLocale>
#include <QTimeZone>
#include <QtTest>

#include <clocale>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using practice::Question;

Q_DECLARE_METATYPE(Question)

namespace {

// A fraction that makes floor(r × n) come out as k.
double pick(int k, int n)
{
    return (k + 0.5) / n;
}

QList<double> fractions(std::initializer_list<double> rs)
{
    return QList<double>(rs);
}

// Counts over many questions of one kind drawn from the real source.
struct Sample {
    int additions = 0, subtractions = 0, products = 0, quotients = 0;
    std::map<std::pair<int, int>, int> byOperands[4]; // +, -, ×, ÷
    std::vector<Question> questions;

    static int slot(const QString &op)
    {
        if (op == practice::kPlus)
            return 0;
        if (op == practice::kMinus)
            return 1;
        if (op == practice::kTimes)
            return 2;
        return 3;
    }
    bool occurs(int x, const QString &op, int y) const { return byOperands[slot(op)].count({x, y}) > 0; }
};

Sample drawMany(practice::Kind kind, int count, RandomSource &random)
{
    Sample s;
    s.questions.reserve(count);
    for (int i = 0; i < count; ++i) {
        const Question q = practice::drawQuestion(kind, random);
        s.questions.push_back(q);
        ++s.byOperands[Sample::slot(q.op)][{q.x, q.y}];
        if (q.op == practice::kPlus)
            ++s.additions;
        else if (q.op == practice::kMinus)
            ++s.subtractions;
        else if (q.op == practice::kTimes)
            ++s.products;
        else
            ++s.quotients;
    }
    return s;
}

// Draws from the real generator with a fixed seed, so that a failing run can be repeated.
Sample drawMany(practice::Kind kind, int count)
{
    FixedSeedRandom random;
    return drawMany(kind, count, random);
}

// Enough draws that a question of odds 1 in 1818 shows up (missing it has odds about 1 in 60000),
// few enough to stay quick under the sanitizers.
constexpr int kDraws = 20000;

// The share of one operator in kinds with two: one half, within a margin of over 8 standard deviations.
void checkHalf(int part, int whole)
{
    const double share = double(part) / whole;
    QVERIFY2(qAbs(share - 0.5) < 0.03, qPrintable(QStringLiteral("share %1").arg(share)));
}

} // namespace

class tst_Practice : public QObject
{
    Q_OBJECT

private slots:
    void drawScripted_data();
    void drawScripted();
    void drawRejectsUnknownKind();

    void addSub10Ranges();
    void carryBorrowRanges();
    void addSub100Ranges();
    void timesTableCoversAllPairs();
    void clockSeededSourceCoversTimesTable();
    void divideRanges();
    void largeMulDivRanges();

    void answerValidity_data();
    void answerValidity();
    void grading_data();
    void grading();
    void gradingNeedsAQuestion_data();
    void gradingNeedsAQuestion();

    void scoreAndComment_data();
    void scoreAndComment();

    void timeUsed_data();
    void timeUsed();

    void numbersIgnoreTheLocale();
};

void tst_Practice::drawScripted_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<Question>("expected");

    const QString plus = practice::kPlus, minus = practice::kMinus;
    const QString times = practice::kTimes, divide = practice::kDivide;

    // Kind 1: a = rand(11), b = floor(r × (10 − a)), c = rand(11), s = rand(10); s ≥ 5 adds a and b.
    QTest::newRow("AddSub10: 3 + 6, b at its top for a = 3")
        << 1 << fractions({pick(3, 11), 0.999, pick(0, 11), pick(5, 10)}) << Question {3, plus, 6};
    QTest::newRow("AddSub10: 10 + 0, b drawn from nothing")
        << 1 << fractions({pick(10, 11), 0.999, pick(4, 11), pick(9, 10)}) << Question {10, plus, 0};
    QTest::newRow("AddSub10: 9 + 0") << 1 << fractions({pick(9, 11), 0.999, pick(0, 11), pick(5, 10)})
                                     << Question {9, plus, 0};
    QTest::newRow("AddSub10: s = 4 subtracts, c larger")
        << 1 << fractions({pick(2, 11), pick(5, 8), pick(8, 11), pick(4, 10)}) << Question {8, minus, 2};
    QTest::newRow("AddSub10: a larger than c")
        << 1 << fractions({pick(9, 11), 0.0, pick(0, 11), 0.0}) << Question {9, minus, 0};
    QTest::newRow("AddSub10: 10 - 10")
        << 1 << fractions({pick(10, 11), 0.5, pick(10, 11), pick(0, 10)}) << Question {10, minus, 10};
    QTest::newRow("AddSub10: 0 - 0") << 1 << fractions({0.0, 0.5, 0.0, pick(4, 10)})
                                     << Question {0, minus, 0};

    // Kind 2: d = rand(10), then p and q = 2 + rand(8) until p + q ≥ 11.
    QTest::newRow("AddSub20: 9 + 6 at the first try")
        << 2 << fractions({pick(5, 10), pick(7, 8), pick(4, 8)}) << Question {9, plus, 6};
    QTest::newRow("AddSub20: 5 + 5 drawn again, then 9 + 2")
        << 2 << fractions({pick(9, 10), pick(3, 8), pick(3, 8), pick(7, 8), pick(0, 8)})
        << Question {9, plus, 2};
    QTest::newRow("AddSub20: 2 + 2 and 5 + 5 drawn again, then 12 - 6")
        << 2 << fractions({pick(4, 10), 0.0, 0.0, pick(3, 8), pick(3, 8), pick(4, 8), pick(4, 8)})
        << Question {12, minus, 6};
    QTest::newRow("AddSub20: 18 - 9") << 2 << fractions({0.0, 0.999, 0.999}) << Question {18, minus, 9};

    // Kind 3: kind 1 within 100.
    QTest::newRow("AddSub100: 50 + 25")
        << 3 << fractions({pick(50, 101), pick(25, 50), 0.0, pick(5, 10)}) << Question {50, plus, 25};
    QTest::newRow("AddSub100: 100 + 0")
        << 3 << fractions({pick(100, 101), 0.7, 0.3, pick(6, 10)}) << Question {100, plus, 0};
    QTest::newRow("AddSub100: 0 + 99")
        << 3 << fractions({0.0, 0.999, 0.3, pick(6, 10)}) << Question {0, plus, 99};
    QTest::newRow("AddSub100: 100 - 100")
        << 3 << fractions({pick(100, 101), 0.1, pick(100, 101), 0.0}) << Question {100, minus, 100};
    QTest::newRow("AddSub100: 73 - 41")
        << 3 << fractions({pick(41, 101), 0.1, pick(73, 101), pick(2, 10)}) << Question {73, minus, 41};

    // Kind 4: x = 1 + rand(9), y = 1 + rand(9).
    QTest::newRow("Times: 1 × 9") << 4 << fractions({0.0, 0.999}) << Question {1, times, 9};
    QTest::newRow("Times: 7 × 3") << 4 << fractions({pick(6, 9), pick(2, 9)}) << Question {7, times, 3};

    // Kind 5: the quotient first, then the divisor.
    QTest::newRow("Divide: 72 ÷ 8") << 5 << fractions({pick(8, 9), pick(7, 9)}) << Question {72, divide, 8};
    QTest::newRow("Divide: 81 ÷ 9") << 5 << fractions({0.999, 0.999}) << Question {81, divide, 9};
    QTest::newRow("Divide: 1 ÷ 1") << 5 << fractions({0.0, 0.0}) << Question {1, divide, 1};

    // Kind 6: d = rand(10); d ≥ 5 multiplies rand(101) by rand(10), else divides q × y by y.
    QTest::newRow("LargeMulDiv: 100 × 0")
        << 6 << fractions({pick(5, 10), pick(100, 101), 0.0}) << Question {100, times, 0};
    QTest::newRow("LargeMulDiv: 0 × 9") << 6 << fractions({0.999, 0.0, 0.999}) << Question {0, times, 9};
    QTest::newRow("LargeMulDiv: 900 ÷ 9")
        << 6 << fractions({pick(4, 10), pick(100, 101), pick(8, 9)}) << Question {900, divide, 9};
    QTest::newRow("LargeMulDiv: 0 ÷ 7") << 6 << fractions({0.0, 0.0, pick(6, 9)}) << Question {0, divide, 7};
    QTest::newRow("LargeMulDiv: 376 ÷ 8")
        << 6 << fractions({pick(1, 10), pick(47, 101), pick(7, 9)}) << Question {376, divide, 8};
}

void tst_Practice::drawScripted()
{
    QFETCH(int, kind);
    // The table numbers the kinds as the buttons do.
    QFETCH(QList<double>, draws);
    QFETCH(Question, expected);

    ScriptedRandom random;
    for (double r : draws)
        random.push(r);
    const Question q = practice::drawQuestion(static_cast<practice::Kind>(kind), random);
    QCOMPARE(q.x, expected.x);
    QCOMPARE(q.op, expected.op);
    QCOMPARE(q.y, expected.y);

    // Every draw is used, none more.
    QCOMPARE(random.remaining(), std::size_t(0));
}

void tst_Practice::drawRejectsUnknownKind()
{
    ScriptedRandom random {0.5, 0.5, 0.5, 0.5};
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, practice::drawQuestion(practice::Kind::None, random));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             practice::drawQuestion(static_cast<practice::Kind>(7), random));
    QCOMPARE(random.remaining(), std::size_t(4));
}

void tst_Practice::addSub10Ranges()
{
    const Sample s = drawMany(practice::Kind::AddSub10, kDraws);
    QCOMPARE(s.additions + s.subtractions, kDraws);
    checkHalf(s.additions, kDraws);
    for (const Question &q : s.questions) {
        QVERIFY(q.x >= 0 && q.x <= 10 && q.y >= 0 && q.y <= 10);
        if (q.op == practice::kPlus)
            QVERIFY2(q.x + q.y <= 9 || (q.x == 10 && q.y == 0), qPrintable(QString::number(q.x)));
        else
            QVERIFY(q.x >= q.y);
    }
    QVERIFY(!s.occurs(3, practice::kPlus, 7));
    QVERIFY(s.occurs(9, practice::kPlus, 0));
    QVERIFY(s.occurs(10, practice::kPlus, 0));
    QVERIFY(s.occurs(0, practice::kMinus, 0));
    QVERIFY(s.occurs(10, practice::kMinus, 10));
}

void tst_Practice::carryBorrowRanges()
{
    const Sample s = drawMany(practice::Kind::AddSub20, kDraws);
    QCOMPARE(s.additions + s.subtractions, kDraws);
    checkHalf(s.additions, kDraws);
    std::set<int> sums, differences;
    for (const Question &q : s.questions) {
        if (q.op == practice::kPlus) {
            QVERIFY(q.x >= 2 && q.x <= 9 && q.y >= 2 && q.y <= 9);
            QVERIFY(q.x + q.y >= 11 && q.x + q.y <= 18);
            sums.insert(q.x + q.y);
        } else {
            QVERIFY(q.x >= 11 && q.x <= 18 && q.y >= 2 && q.y <= 9);
            QVERIFY(q.x - q.y >= 2 && q.x - q.y <= 9);
            QVERIFY2(q.x % 10 < q.y, "a subtraction with borrow");
            differences.insert(q.x - q.y);
        }
        for (int never : {0, 1, 10})
            QVERIFY(q.x != never && q.y != never);
    }
    QVERIFY(!s.occurs(5, practice::kPlus, 5));
    QCOMPARE(sums.size(), std::size_t(8));        // 11 to 18
    QCOMPARE(differences.size(), std::size_t(8)); // 2 to 9
}

void tst_Practice::addSub100Ranges()
{
    const Sample s = drawMany(practice::Kind::AddSub100, kDraws);
    QCOMPARE(s.additions + s.subtractions, kDraws);
    checkHalf(s.additions, kDraws);
    for (const Question &q : s.questions) {
        QVERIFY(q.x >= 0 && q.x <= 100 && q.y >= 0 && q.y <= 100);
        if (q.op == practice::kPlus)
            QVERIFY(q.x + q.y <= 99 || (q.x == 100 && q.y == 0));
        else
            QVERIFY(q.x >= q.y);
    }
    QVERIFY(s.occurs(100, practice::kPlus, 0));
}

void tst_Practice::timesTableCoversAllPairs()
{
    const Sample s = drawMany(practice::Kind::Times, kDraws);
    QCOMPARE(s.products, kDraws);
    for (const Question &q : s.questions)
        QVERIFY(q.x >= 1 && q.x <= 9 && q.y >= 1 && q.y <= 9);
    QCOMPARE(s.byOperands[2].size(), std::size_t(81));
}

void tst_Practice::clockSeededSourceCoversTimesTable()
{
    // The source the window really uses, seeded from the clock.
    ClockSeededRandom random;
    const Sample s = drawMany(practice::Kind::Times, kDraws, random);
    QCOMPARE(s.products, kDraws);
    QCOMPARE(s.byOperands[2].size(), std::size_t(81));
}

void tst_Practice::divideRanges()
{
    const Sample s = drawMany(practice::Kind::Divide, kDraws);
    QCOMPARE(s.quotients, kDraws);
    for (const Question &q : s.questions) {
        QVERIFY(q.y >= 1 && q.y <= 9);
        QVERIFY(q.x % q.y == 0);
        QVERIFY(q.x / q.y >= 1 && q.x / q.y <= 9);
    }
    QCOMPARE(s.byOperands[3].size(), std::size_t(81));
    QVERIFY(s.occurs(81, practice::kDivide, 9));
}

void tst_Practice::largeMulDivRanges()
{
    const Sample s = drawMany(practice::Kind::LargeMulDiv, kDraws);
    QCOMPARE(s.products + s.quotients, kDraws);
    checkHalf(s.products, kDraws);
    for (const Question &q : s.questions) {
        if (q.op == practice::kTimes) {
            QVERIFY(q.x >= 0 && q.x <= 100 && q.y >= 0 && q.y <= 9);
        } else {
            QVERIFY(q.y >= 1 && q.y <= 9);
            QVERIFY(q.x % q.y == 0);
            QVERIFY(q.x / q.y >= 0 && q.x / q.y <= 100);
        }
    }
    bool leftZero = false, leftHundred = false, rightZero = false;
    for (const auto &[operands, n] : s.byOperands[2]) {
        leftZero |= operands.first == 0;
        leftHundred |= operands.first == 100;
        rightZero |= operands.second == 0;
    }
    QVERIFY(leftZero && leftHundred && rightZero);
    QVERIFY(s.occurs(0, practice::kDivide, 7));
    QVERIFY(s.occurs(900, practice::kDivide, 9));
}

void tst_Practice::answerValidity_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("valid");

    QTest::newRow("digits") << "10" << true;
    QTest::newRow("zero") << "0" << true;
    QTest::newRow("leading zeros") << "007" << true;
    QTest::newRow("forty digits") << QString(40, QLatin1Char('9')) << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank") << " " << false;
    QTest::newRow("trailing blank") << "12 " << false;
    QTest::newRow("leading blank") << " 12" << false;
    QTest::newRow("minus") << "-3" << false;
    QTest::newRow("plus") << "+3" << false;
    QTest::newRow("point") << "1.5" << false;
    QTest::newRow("full-width digits") << QStringLiteral("１２") << false;
    QTest::newRow("Arabic-Indic digit") << QStringLiteral("\u0663") << false;
    QTest::newRow("superscript two") << QStringLiteral("\u00B2") << false;
    QTest::newRow("exponent") << "1e3" << false;
    QTest::newRow("line break") << "12\n" << false;
}

void tst_Practice::answerValidity()
{
    QFETCH(QString, answer);
    QFETCH(bool, valid);
    QCOMPARE(practice::isValidAnswer(answer), valid);
}

void tst_Practice::grading_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("line");

    const QString ok = QStringLiteral("        √");
    const QString no = QStringLiteral("        ×----答案是");

    QTest::newRow("7 + 3 right") << " 7"
                                 << "+"
                                 << " 3"
                                 << "10" << true << " 7+ 3 = 10" + ok;
    QTest::newRow("7 + 3 wrong") << " 7"
                                 << "+"
                                 << " 3"
                                 << "9" << false << " 7+ 3 = 9" + no + " 10";
    QTest::newRow("72 ÷ 8 right") << " 72"
                                  << "÷"
                                  << " 8"
                                  << "9" << true << " 72÷ 8 = 9" + ok;
    QTest::newRow("007 is 7") << " 1"
                              << "×"
                              << " 7"
                              << "007" << true << " 1× 7 = 007" + ok;
    QTest::newRow("10 - 10 is 0") << " 10"
                                  << "-"
                                  << " 10"
                                  << "0" << true << " 10- 10 = 0" + ok;
    QTest::newRow("000 is 0") << " 0"
                              << "÷"
                              << " 7"
                              << "000" << true << " 0÷ 7 = 000" + ok;
    QTest::newRow("0 is not 100") << " 100"
                                  << "×"
                                  << " 0"
                                  << "100" << false << " 100× 0 = 100" + no + " 0";
    QTest::newRow("900 ÷ 9") << " 900"
                             << "÷"
                             << " 9"
                             << "100" << true << " 900÷ 9 = 100" + ok;
    QTest::newRow("10 is not 100") << " 900"
                                   << "÷"
                                   << " 9"
                                   << "10" << false << " 900÷ 9 = 10" + no + " 100";
    QTest::newRow("1000 is not 100") << " 900"
                                     << "÷"
                                     << " 9"
                                     << "1000" << false << " 900÷ 9 = 1000" + no + " 100";

    const QString longRight = QString(40, QLatin1Char('0')) + QStringLiteral("15");
    QTest::newRow("long string of zeros, right") << " 9"
                                                 << "+"
                                                 << " 6" << longRight << true << " 9+ 6 = " + longRight + ok;
    const QString longWrong = QString(40, QLatin1Char('9'));
    QTest::newRow("long string, wrong") << " 9"
                                        << "+"
                                        << " 6" << longWrong << false << " 9+ 6 = " + longWrong + no + " 15";
    // The value of 2^64 + 15: a reading that wrapped around would take it for 15.
    QTest::newRow("wraps to the answer")
        << " 9"
        << "+"
        << " 6"
        << "18446744073709551631" << false << " 9+ 6 = 18446744073709551631" + no + " 15";
}

void tst_Practice::grading()
{
    QFETCH(QString, x);
    QFETCH(QString, op);
    QFETCH(QString, y);
    QFETCH(QString, answer);
    QFETCH(bool, right);
    QFETCH(QString, line);

    const auto verdict = practice::grade(x, op, y, answer);
    QVERIFY(verdict);
    QCOMPARE(verdict->right, right);
    QCOMPARE(verdict->line, line);
}

void tst_Practice::gradingNeedsAQuestion_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("answer");

    QTest::newRow("empty answer") << " 7"
                                  << "+"
                                  << " 3"
                                  << "";
    QTest::newRow("answer with a sign") << " 7"
                                        << "-"
                                        << " 3"
                                        << "-4";
    QTest::newRow("no question shown") << ""
                                       << ""
                                       << ""
                                       << "5";
    QTest::newRow("unknown operator") << " 7"
                                      << "*"
                                      << " 3"
                                      << "21";
    QTest::newRow("division by zero") << " 7"
                                      << "÷"
                                      << " 0"
                                      << "0";
    QTest::newRow("operand not a number") << " 7a"
                                          << "+"
                                          << " 3"
                                          << "10";
}

void tst_Practice::gradingNeedsAQuestion()
{
    QFETCH(QString, x);
    QFETCH(QString, op);
    QFETCH(QString, y);
    QFETCH(QString, answer);
    QVERIFY(!practice::grade(x, op, y, answer));
}

void tst_Practice::scoreAndComment_data()
{
    QTest::addColumn<int>("rightCount");
    QTest::addColumn<int>("answeredCount");
    QTest::addColumn<QString>("text");

    QTest::newRow("10 of 10") << 10 << 10 << QStringLiteral(" 100分——棒极了！");
    QTest::newRow("9 of 10") << 9 << 10 << QStringLiteral(" 90分——你很棒！");
    QTest::newRow("8 of 10") << 8 << 10 << QStringLiteral(" 80分——不错啦！");
    QTest::newRow("7 of 10") << 7 << 10 << QStringLiteral(" 70分——加油啊！");
    QTest::newRow("3 of 10") << 3 << 10 << QStringLiteral(" 30分——加油啊！");
    QTest::newRow("1 of 10") << 1 << 10 << QStringLiteral(" 10分——加油啊！");
    QTest::newRow("0 of 10") << 0 << 10 << QStringLiteral(" 0分——加油啊！");
    // The bands at their edges, and the rounding down.
    QTest::newRow("99 of 100") << 99 << 100 << QStringLiteral(" 99分——你很棒！");
    QTest::newRow("85 of 100") << 85 << 100 << QStringLiteral(" 85分——你很棒！");
    QTest::newRow("84 of 100") << 84 << 100 << QStringLiteral(" 84分——不错啦！");
    QTest::newRow("75 of 100") << 75 << 100 << QStringLiteral(" 75分——不错啦！");
    QTest::newRow("74 of 100") << 74 << 100 << QStringLiteral(" 74分——加油啊！");
    QTest::newRow("2 of 3 rounds down") << 2 << 3 << QStringLiteral(" 66分——加油啊！");
    QTest::newRow("nothing answered") << 0 << 0 << QStringLiteral(" 0分——加油啊！");
}

void tst_Practice::scoreAndComment()
{
    QFETCH(int, rightCount);
    QFETCH(int, answeredCount);
    QFETCH(QString, text);
    QCOMPARE(practice::scoreText(practice::score(rightCount, answeredCount)), text);
}

void tst_Practice::timeUsed_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("end");
    QTest::addColumn<QString>("zone"); // empty for the local time of the machine
    QTest::addColumn<QString>("text");

    const auto at = [](int y, int mo, int d, int h, int mi, int s, int ms = 0) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
    };
    QTest::newRow("same second") << at(2005, 6, 15, 10, 20, 30) << at(2005, 6, 15, 10, 20, 30) << QString()
                                 << QStringLiteral(" 0 秒");
    QTest::newRow("within a minute") << at(2005, 6, 15, 10, 20, 30) << at(2005, 6, 15, 10, 21, 7) << QString()
                                     << QStringLiteral(" 37 秒");
    QTest::newRow("fractions dropped, 0.2 s apart")
        << at(2005, 6, 15, 10, 0, 0, 900) << at(2005, 6, 15, 10, 0, 1, 100) << QString()
        << QStringLiteral(" 1 秒");
    QTest::newRow("fractions dropped, 1.8 s apart")
        << at(2005, 6, 15, 10, 0, 0, 100) << at(2005, 6, 15, 10, 0, 1, 900) << QString()
        << QStringLiteral(" 1 秒");
    QTest::newRow("across the full hour")
        << at(2005, 6, 15, 10, 59, 50) << at(2005, 6, 15, 11, 0, 35) << QString() << QStringLiteral(" 45 秒");
    QTest::newRow("across midnight") << at(2005, 6, 15, 23, 59, 50) << at(2005, 6, 16, 0, 0, 20) << QString()
                                     << QStringLiteral(" 30 秒");
    QTest::newRow("across the new year")
        << at(2025, 12, 31, 23, 59, 59) << at(2026, 1, 1, 0, 0, 1) << QString() << QStringLiteral(" 2 秒");
    QTest::newRow("across 29 February")
        << at(2028, 2, 28, 23, 59, 0) << at(2028, 3, 1, 0, 1, 0) << QString() << QStringLiteral(" 86520 秒");
    QTest::newRow("clock set back") << at(2005, 6, 15, 10, 20, 30) << at(2005, 6, 15, 10, 20, 0) << QString()
                                    << QStringLiteral(" 0 秒");
    // In spring the clock jumps from 02:00 to 03:00, in autumn from 03:00 back to 02:00.
    QTest::newRow("daylight saving begins") << at(2026, 3, 29, 1, 59, 50) << at(2026, 3, 29, 3, 0, 10)
                                            << QStringLiteral("Europe/Berlin") << QStringLiteral(" 20 秒");
    QTest::newRow("daylight saving ends") << at(2026, 10, 25, 1, 59, 50) << at(2026, 10, 25, 3, 0, 10)
                                          << QStringLiteral("Europe/Berlin") << QStringLiteral(" 7220 秒");
}

void tst_Practice::timeUsed()
{
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, end);
    QFETCH(QString, zone);
    QFETCH(QString, text);

    if (!zone.isEmpty()) {
        const QTimeZone tz(zone.toUtf8());
        if (!tz.isValid())
            QSKIP("no time zone data on this machine");
        start.setTimeZone(tz);
        end.setTimeZone(tz);
    }
    QCOMPARE(practice::timeText(practice::secondsUsed(start, end)), text);
}

// Questions, verdict lines, scores and times read and write numbers the same way under a locale
// whose decimal point is a comma and whose digits are grouped.
void tst_Practice::numbersIgnoreTheLocale()
{
    const NumericLocale german("de_DE.UTF-8", QLocale(QLocale::German, QLocale::Germany));
    QVERIFY2(german.installed(), "the locale de_DE.UTF-8 is missing: run scripts/setup");

    ScriptedRandom random {pick(4, 10), pick(100, 101), pick(8, 9)};
    const Question q = practice::drawQuestion(practice::Kind::LargeMulDiv, random);
    QCOMPARE(practice::numberText(q.x), QStringLiteral(" 900"));
    QCOMPARE(practice::numberText(1234567), QStringLiteral(" 1234567"));
    QCOMPARE(practice::grade(QStringLiteral(" 900"), practice::kDivide, QStringLiteral(" 9"),
                             QStringLiteral("100"))
                 ->line,
             QStringLiteral(" 900÷ 9 = 100        √"));
    QCOMPARE(practice::grade(QStringLiteral(" 72"), practice::kDivide, QStringLiteral(" 8"),
                             QStringLiteral("0009"))
                 ->line,
             QStringLiteral(" 72÷ 8 = 0009        √"));
    QCOMPARE(
        practice::grade(QStringLiteral(" 100"), practice::kTimes, QStringLiteral(" 9"), QStringLiteral("90"))
            ->line,
        QStringLiteral(" 100× 9 = 90        ×----答案是 900"));
    QVERIFY(!practice::isValidAnswer(QStringLiteral("1,5")));
    QCOMPARE(practice::scoreText(practice::score(9, 10)), QStringLiteral(" 90分——你很棒！"));
    QCOMPARE(practice::timeText(practice::secondsUsed(QDateTime(QDate(2005, 6, 15), QTime(10, 59, 50)),
                                                      QDateTime(QDate(2005, 6, 15), QTime(11, 30, 35)))),
             QStringLiteral(" 1845 秒"));
}

QTEST_GUILESS_MAIN(tst_Practice)
#include "tst_Practice.moc"

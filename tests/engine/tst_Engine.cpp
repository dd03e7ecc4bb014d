#include "quenby/engine/EvaluateCommand.h"
#include "quenby/engine/ExpressionChecker.h"
#include "quenby/engine/ExpressionEvaluator.h"
#include "quenby/engine/Messages.h"
#include "quenby/engine/NumberText.h"

#include <QtTest>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

using namespace engine;

namespace {

QString q(std::u16string_view s)
{
    return QString::fromUtf16(s.data(), qsizetype(s.size()));
}

std::u16string u(const QString &s)
{
    return s.toStdU16String();
}

Evaluation run(const QString &raw)
{
    return EvaluateExpression(u(raw));
}

const QString kDiv = q(msg::kDivideByZero);
const QString kRoot = q(msg::kZeroRoot);
const QString kLn = q(msg::kLnDomain);
const QString kBad = q(msg::kMalformed);
const QString kOver = q(msg::kOverflow);

// Switches the whole C library to another locale for one scope and back again, as Qt does with the
// user's locale when a program starts.
class LocaleScope
{
public:
    explicit LocaleScope(const char *name) : m_saved(std::setlocale(LC_ALL, nullptr))
    {
        m_active = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~LocaleScope() { std::setlocale(LC_ALL, m_saved.c_str()); }
    bool active() const { return m_active; }

private:
    std::string m_saved;
    bool m_active = false;
};

} // namespace

class tst_Engine : public QObject
{
    Q_OBJECT

private slots:
    void values_data();
    void values();
    void checkerFaults_data();
    void checkerFaults();
    void passesChecker_data();
    void passesChecker();
    void normalisation_data();
    void normalisation();
    void emptyText();
    void numberText_data();
    void numberText();
    void numberTextIgnoresLocale_data();
    void numberTextIgnoresLocale();
    void tokens();
    void capacities_data();
    void capacities();
    void deepNestingFitsTheStacks();
    void repeatedRunsAgree();
};

// Whole expressions: the display text after every check and the evaluation.
void tst_Engine::values_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("display");

    const struct {
        const char *name;
        const char *raw;
        QString display;
    } rows[] = {
        {"road of one calculation", "3+(-2)*9√2^3+1", "-50"},
        {"eleven sevenths", "11/7", " 1.57142857142857"},
        {"negative times sine", "4.1/(-3)*(2-sin(0.25))", "-2.39521458901882"},
        {"precedence", "1+2*3-4/2", " 5"},
        {"minus is left-associative", "8-2-2", " 4"},
        {"power before product", "2*3^2", " 18"},
        {"power is left-associative", "2^3^2", " 64"},
        {"bracketed negative squared", "(-2)^2", " 4"},
        {"double negation", "(-(-3))", " 3"},
        {"division is left-associative", "8/2/2", " 2"},
        {"square root of nine", "9√2", " 3"},
        {"cube root", "27√3", " 3"},
        {"root after power", "2^3√2", " 2.82842712474619"},
        {"cos 0", "cos(0)", " 1"},
        {"exp 1", "exp(1)", " 2.71828182845905"},
        {"ln 1", "ln(1)", " 0"},
        {"sine of negative", "sin(-1)", "-0.841470984807897"},
        {"function outranks power", "sin(1)^2", " 0.708073418273571"},
        {"power of function squared", "2^sin(1)^2", " 3.21082040151981"},
        {"tan", "tan(1)", " 1.5574077246549"},
        {"nested functions", "ln(exp(2))", " 2"},
        {"trailing point", "1.", " 1"},
        {"leading 0. switches off the inner zero rule", "0.5+05", " 5.5"},
        {"decimals", "1.2+3.4", " 4.6"},
        {"divisor at the threshold", "1/0.0000001", " 10000000"},
        {"fifteen digits", "99999999999999*10", " 999999999999990"},
        {"sixteen digits go to exponent form", "999999999999999*10", " 9.99999999999999E+15"},
        {"ten to the twentieth", "10^20", " 1E+20"},
        {"two to the sixtieth", "2^60", " 1.15292150460685E+18"},
        {"fifteen digits typed", "123456789012345", " 123456789012345"},
        {"sixteen digits typed", "1234567890123456", " 1.23456789012346E+15"},
        {"point alone", ".", " 0"},
        {"single digit", "5", " 5"},
        {"zero", "0", " 0"},
        {"point inside a function", "sin(.5)", " 0.479425538604203"},
        {"second point ending a number gives the last value", "1.2.", " 0"},
        {"below one keeps its zero", "1/2", " 0.5"},
        {"negative below one", "(0-1)/4", "-0.25"},
        {"small values in exponent form", "1/100000", " 1E-05"},
        {"1E-4 is still fixed", "1/10000", " 0.0001"},
        {"negative zero shows as zero", "0.0*(0-1)", " 0"},
        {"ln at the threshold", "ln(0.0000001)", "-16.1180956509583"},
        {"zero to the zero", "0.0^0", " 1"},
        {"large finite result", "10^308", " 1E+308"},
        {"exponent underflow is zero", "exp(0-1000)", " 0"},
        {"divide by zero", "1/0", kDiv},
        {"divide by bracketed zero", "5/(0)", kDiv},
        {"divide by 0.0", "5/0.0", kDiv},
        {"divisor below the threshold", "1/0.00000001", kDiv},
        {"zeroth root", "9√0", kRoot},
        {"root sign and zero", "√0", kRoot},
        {"ln 0", "ln(0)", kLn},
        {"ln negative", "ln(-1)", kLn},
        {"ln below the threshold", "ln(0.00000005)", kLn},
        {"operator at the end", "1+", kBad},
        {"minus at the end", "3-", kBad},
        {"leading minus", "-3+5", kBad},
        {"root with nothing before it", "√9", kBad},
        {"empty function", "sin()", kBad},
        {"operator in a function", "sin(*3)", kBad},
        {"cut function name at the end", "1+s", kBad},
        {"blanks only", "   ", kBad},
        {"single operator", "+", kBad},
        {"letter alone", "x", kBad},
        {"letter in a function", "sin(x)", kBad},
        {"letters in a function", "sin(ax)", kBad},
        {"letter and digit in a function", "sin(x1)", kBad},
        {"exp overflow", "exp(1000)", kOver},
        {"power overflow", "10^400", kOver},
        {"negative base, fractional exponent", "(-2)^0.5", kOver},
        {"zero to a negative power", "(0)^(-1)", kOver},
        {"negative radicand", "(-8)√3", kOver},
        {"zero radicand", "0.0√2", kOver},
        {"product overflow", "10^200*10^200", kOver},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << QString::fromUtf8(row.raw) << row.display;
}

void tst_Engine::values()
{
    QFETCH(QString, raw);
    QFETCH(QString, display);
    QCOMPARE(q(run(raw).display), display);
}

// The first fault found is the one reported, in the order the checks run.
void tst_Engine::checkerFaults_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("message");

    const QString illegal = q(msg::kIllegalChar);
    const QString brackets = q(msg::kBrackets);
    const QString zero = q(msg::kLeadingZero);
    const QString innerZero = q(msg::kInnerZero);
    const QString point = q(msg::kDecimalPoint);
    const QString writing = q(msg::kWriting);

    const struct {
        const char *name;
        const char *raw;
        QString message;
    } rows[] = {
        {"multiplication sign", "2×3", illegal},
        {"upper-case function", "SIN(1)", illegal},
        {"unknown function", "lg(2)", illegal},
        {"tab", "1+\t2", illegal},
        {"full-width blank", "1+\u30002", illegal},
        {"line feed without carriage return", "1+\n2", illegal},
        {"full-width digit", "１+2", illegal},
        {"square brackets", "[1+2]", illegal},
        {"illegal before brackets", "(1+2×3", illegal},
        {"open bracket left", "(1+2", brackets},
        {"close before open", "1)+(2", brackets},
        {"brackets before zero rules", "0+(1", brackets},
        {"leading zero then operator", "0+1", zero},
        {"double zero", "00.5", zero},
        {"leading zero then product", "0*(-1)", zero},
        {"leading zero then root", "0√2", zero},
        {"number starting with zero", "1+05", innerZero},
        {"bracketed number starting with zero", "(05)", innerZero},
        {"two points", "1.2.3", point},
        {"digit before bracket", "2(3)", writing},
        {"bracket before bracket", "(1)(2)", writing},
        {"two operators", "2*-3", writing},
        {"power of negative", "2^-1", writing},
        {"function without bracket", "sin1", writing},
        {"ln without bracket", "ln2", writing},
        {"e as a number", "e^2", writing},
        {"e in brackets", "(e)", writing},
        {"letter first", "x+1", writing},
        {"letter after operator", "1+x", writing},
        {"point before operator", "1.+2", writing},
        {"point after bracket", "(.5)", writing},
        {"scientific notation", "1.5e3", writing},
        {"name cut short", "1+si", writing},
        {"closing bracket before digit", "(1)2", writing},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << QString::fromUtf8(row.raw) << row.message;
}

void tst_Engine::checkerFaults()
{
    QFETCH(QString, raw);
    QFETCH(QString, message);
    const Evaluation e = run(raw);
    QCOMPARE(q(e.display), message);
    QVERIFY(!e.evaluated);
}

void tst_Engine::passesChecker_data()
{
    QTest::addColumn<QString>("normalised");
    for (const char *s :
         {"0",       "0.5",   "0.0",     "0.5+05", "1.2+3.4", "1.",    "1+0.5",  "1+0",    "105",
          "sin(.5)", "sin()", "sin(*3)", "sin(x)", "5",       ".",     "+",      "x",      "1+",
          "3-",      "-3+5",  "√9",      "1.2.",   "1+s",     "ln(2)", "exp(1)", "cos(0)", "tan(1)"})
        QTest::newRow(s) << QString::fromUtf8(s);
}

void tst_Engine::passesChecker()
{
    QFETCH(QString, normalised);
    CharList list;
    NormaliseExpression(u(normalised), list);
    const auto fault = CheckExpression(list);
    QVERIFY2(!fault, fault ? qPrintable(q(*fault)) : "");
}

void tst_Engine::normalisation_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("normalised");
    QTest::addColumn<QString>("display");
    QTest::newRow("blanks") << "1 + 2"
                            << "1+2"
                            << " 3";
    QTest::newRow("line break") << "1+2\r\n*3"
                                << "1+2*3"
                                << " 7";
    QTest::newRow("blanks around a fault") << " 1 / 0 "
                                           << "1/0" << kDiv;
    QTest::newRow("kept on illegal") << QString::fromUtf8("2 × 3") << QString::fromUtf8("2×3")
                                     << q(msg::kIllegalChar);
    QTest::newRow("blanks only") << "   "
                                 << "" << kBad;
    QTest::newRow("carriage return eats any next character") << "1+2\r3"
                                                             << "1+2"
                                                             << " 3";
    QTest::newRow("carriage return at the end") << "12\r"
                                                << "12"
                                                << " 12";
    QTest::newRow("tab stays") << "1\t"
                               << "1\t" << q(msg::kIllegalChar);
    QTest::newRow("blank in a function name") << "sin 1"
                                              << "sin1" << q(msg::kWriting);
}

void tst_Engine::normalisation()
{
    QFETCH(QString, raw);
    QFETCH(QString, normalised);
    QFETCH(QString, display);
    const Evaluation e = run(raw);
    QVERIFY(e.hasNormalised);
    QCOMPARE(q(e.normalised), normalised);
    QCOMPARE(q(e.display), display);
}

void tst_Engine::emptyText()
{
    const Evaluation e = run(QString());
    QVERIFY(!e.hasNormalised);
    QCOMPARE(q(e.display), q(msg::kEmpty));
}

void tst_Engine::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("three") << 3.0 << " 3";
    QTest::newRow("minus fifty") << -50.0 << "-50";
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("half") << 0.5 << " 0.5";
    QTest::newRow("minus quarter") << -0.25 << "-0.25";
    QTest::newRow("1E-4") << 0.0001 << " 0.0001";
    QTest::newRow("1E-5") << 0.00001 << " 1E-05";
    QTest::newRow("rounds up into 1E-4") << 9.999999999999999e-5 << " 0.0001";
    QTest::newRow("small mantissa") << 1.5e-7 << " 1.5E-07";
    QTest::newRow("denormal") << 4.9406564584124654e-324 << " 4.94065645841247E-324";
    QTest::newRow("15 digits") << 123456789012345.0 << " 123456789012345";
    QTest::newRow("rounds up to 1E15") << 999999999999999.7 << " 1E+15";
    QTest::newRow("1E15") << 1e15 << " 1E+15";
    QTest::newRow("largest") << std::numeric_limits<double>::max() << " 1.79769313486232E+308";
    QTest::newRow("negative large") << -2e20 << "-2E+20";
    QTest::newRow("drops trailing zeros") << 4.08 << " 4.08";
    QTest::newRow("fifteen significant") << 11.0 / 7.0 << " 1.57142857142857";
    QTest::newRow("sqrt 2") << std::sqrt(2.0) << " 1.4142135623731";
    QTest::newRow("nine root two") << 3.0000000000000004 << " 3";
    QTest::newRow("twelve and a half") << 12.5 << " 12.5";
}

void tst_Engine::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(q(FormatResult(value)), text);
}

// The C library follows the user's locale once a window has started; the number text must not.
// Pashto's decimal separator is two bytes in UTF-8, German's is a comma; Simplified Chinese is the
// users' own locale.
void tst_Engine::numberTextIgnoresLocale_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::newRow("Pashto") << QByteArray("ps_AF.UTF-8");
    QTest::newRow("German") << QByteArray("de_DE.UTF-8");
    QTest::newRow("Simplified Chinese") << QByteArray("zh_CN.UTF-8");
}

void tst_Engine::numberTextIgnoresLocale()
{
    QFETCH(QByteArray, locale);
    const LocaleScope scope(locale.constData());
    if (!scope.active())
        QFAIL(qPrintable("locale " + locale + " is not installed: run scripts/setup"));
    if (locale != "zh_CN.UTF-8")
        QVERIFY2(std::strcmp(std::localeconv()->decimal_point, ".") != 0,
                 "the locale should have a decimal separator other than \".\"");

    const struct {
        double value;
        const char *text;
    } numbers[] = {
        {11.0 / 7.0, " 1.57142857142857"},
        {0.5, " 0.5"},
        {-0.25, "-0.25"},
        {0.00001, " 1E-05"},
        {1.5e-7, " 1.5E-07"},
        {1e15, " 1E+15"},
        {1152921504606846976.0, " 1.15292150460685E+18"},
        {-1234.5, "-1234.5"},
        {123456789012345.0, " 123456789012345"},
        {0.0, " 0"},
    };
    for (const auto &n : numbers)
        QCOMPARE(q(FormatResult(n.value)), QString::fromLatin1(n.text));

    const struct {
        const char16_t *raw;
        const char *display;
    } expressions[] = {
        {u"11/7", " 1.57142857142857"},
        {u"1/2", " 0.5"},
        {u"1/100000", " 1E-05"},
        {u"10^15", " 1E+15"},
        {u"4.1/(-3)*(2-sin(0.25))", "-2.39521458901882"},
        {u"(0-1)/4", "-0.25"},
        {u"12.5+3", " 15.5"},
    };
    for (const auto &e : expressions)
        QCOMPARE(q(run(q(e.raw)).display), QString::fromLatin1(e.display));
}

void tst_Engine::tokens()
{
    CharList list;
    NormaliseExpression(u"3+(-2)*ln(4)", list);
    QVERIFY(!CheckExpression(list));
    Evaluator ev;
    QVERIFY(ev.PrepareTokens(list));
    QCOMPARE(q(ev.tokens()), QString("3+(0-2)*l(4)#"));
    QVERIFY(ev.ToPostfix());
    QCOMPARE(q(ev.tokens()), QString("3 0 2 -4 l*+#"));

    NormaliseExpression(u"12.5+3", list);
    QVERIFY(ev.PrepareTokens(list));
    QVERIFY(ev.ToPostfix());
    QCOMPARE(q(ev.tokens()), QString("12.5 3 +#"));
    const EvalOutcome out = ev.EvalPostfix();
    QCOMPARE(out.status, EvalStatus::Ok);
    QCOMPARE(out.value, 15.5);
}

// Beyond the fixed capacities an expression is reported as malformed, never read out of bounds.
void tst_Engine::capacities_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("display");

    auto sumOf = [](int terms) {
        QString s = "1";
        for (int i = 1; i < terms; ++i)
            s += "+1";
        return s;
    };
    QTest::newRow("67 terms fit the postfix form") << sumOf(67) << " 67";
    QTest::newRow("68 terms do not") << sumOf(68) << kBad;
    QTest::newRow("201 characters are 201 tokens") << QString(200, '1') + "5" << kBad;
    QTest::newRow("200 tokens but 201 postfix entries") << QString(199, '1') + "." << kBad;
    QTest::newRow("200 tokens fit") << QString(98, '(') + "12+3" + QString(98, ')') << " 15";
    QTest::newRow("202 tokens do not") << QString(99, '(') + "12+3" + QString(99, ')') << kBad;
    QTest::newRow("202 characters do not fit the list") << QString(202, '1') << kBad;
    QTest::newRow("over-long text is reported before illegal characters")
        << QString::fromUtf8("×") + QString(201, '1') << kBad;
    QTest::newRow("blanks do not count") << QString(150, '1') + QString(300, ' ') << " 1.11111111111111E+149";
    auto negated = [](int times) {
        QString s;
        for (int i = 0; i < times; ++i)
            s += "(-";
        return s + "1" + QString(times, ')');
    };
    QTest::newRow("49 negations fit") << negated(49) << "-1";
    QTest::newRow("every (- adds a token: 50 do not fit") << negated(50) << kBad;
}

void tst_Engine::capacities()
{
    QFETCH(QString, raw);
    QFETCH(QString, display);
    QCOMPARE(q(run(raw).display), display);
}

// Fifty nested ln( fit in 201 characters and put 101 entries on the operator stack.
void tst_Engine::deepNestingFitsTheStacks()
{
    QString s;
    for (int i = 0; i < 50; ++i)
        s += "ln(";
    s += "9";
    s += QString(50, ')');
    QCOMPARE(s.size(), 201);
    const Evaluation e = run(s);
    QVERIFY(e.evaluated);
    QCOMPARE(q(e.display), kLn); // ln(ln(9)) is below zero somewhere down the chain

    QString brackets = QString(100, '(') + "1" + QString(99, ')');
    QCOMPARE(q(run(brackets + ")").display), kBad); // 201 tokens
    brackets = QString(99, '(') + "1" + QString(99, ')');
    QCOMPARE(q(run(brackets).display), QString(" 1"));
}

void tst_Engine::repeatedRunsAgree()
{
    const Evaluation first = run("1 + 2");
    const Evaluation second = run(q(first.normalised));
    QCOMPARE(q(second.normalised), q(first.normalised));
    QCOMPARE(q(second.display), q(first.display));
    // A fault does not leave anything behind for the next evaluation.
    QCOMPARE(q(run("(1+(2+(3").display), q(msg::kBrackets));
    QCOMPARE(q(run("1+2*3").display), QString(" 7"));
}

QTEST_GUILESS_MAIN(tst_Engine)
#include "tst_Engine.moc"

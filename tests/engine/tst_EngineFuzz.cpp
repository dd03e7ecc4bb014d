// Random and mutated expressions through the whole evaluation: nothing may crash or read outside
// an array (run it under the sanitizers), every outcome is a number text or one of the fixed
// messages, and the normalised text is exactly the input without its blanks and line breaks.
#include "quenby/engine/EvaluateCommand.h"
#include "quenby/engine/Messages.h"

#include <QRegularExpression>
#include <QtTest>

#include <random>
#include <set>

using namespace engine;

namespace {

const std::u16string_view kAlphabet = u"0123456789+-*/^√().sincotaexpl";
const std::u16string_view kStrangers[]
    = {u"\r\n", u"\t",   u" ",          u"\r",         u"\n",     u"\u3000", u"１", u"×",  u"÷",
       u"#",    u"\0",   u"\U0001F600", u"\U00020000", u"\xD800", u"\xDC00", u"E",  u"e+", u"sin(",
       u"ln(",  u"exp(", u"(-",         u"√√",         u"..",     u"00",     u"0."};
const std::u16string_view kSeeds[] = {u"3+(-2)*9√2^3+1",
                                      u"4.1/(-3)*(2-sin(0.25))",
                                      u"2^3√2",
                                      u"ln(exp(1))",
                                      u"0.5+05",
                                      u"1/0.0000001",
                                      u"sin(cos(tan(1)))",
                                      u"(((1+2)*3)^2)",
                                      u"exp(1000)",
                                      u"9√0",
                                      u"1.2.",
                                      u"10^20",
                                      u"(-(-(-3)))",
                                      u"1+2\r\n*3"};

std::u16string Normalised(const std::u16string &raw)
{
    std::u16string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'\r') {
            ++i;
            continue;
        }
        if (raw[i] != u' ')
            out.push_back(raw[i]);
    }
    return out;
}

class Fuzzer
{
public:
    explicit Fuzzer(unsigned seed) : m_rng(seed) { }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    std::u16string randomExpression()
    {
        const int length = below(501);
        std::u16string s;
        const bool strange = below(4) == 0;
        while (static_cast<int>(s.size()) < length) {
            if (strange && below(8) == 0) {
                const auto &piece = kStrangers[below(std::size(kStrangers))];
                s.append(piece);
            } else {
                s.push_back(kAlphabet[below(static_cast<int>(kAlphabet.size()))]);
            }
        }
        return s;
    }

    std::u16string mutated()
    {
        std::u16string s(kSeeds[below(std::size(kSeeds))]);
        const int steps = 1 + below(12);
        for (int k = 0; k < steps; ++k) {
            const int at = s.empty() ? 0 : below(static_cast<int>(s.size()) + 1);
            switch (below(5)) {
            case 0: // insert a character of the alphabet
                s.insert(s.begin() + at, kAlphabet[below(static_cast<int>(kAlphabet.size()))]);
                break;
            case 1: // insert something strange
                s.insert(at, kStrangers[below(std::size(kStrangers))]);
                break;
            case 2: // delete
                if (!s.empty() && at < static_cast<int>(s.size()))
                    s.erase(at, 1 + below(3));
                break;
            case 3: // duplicate a slice, which can grow the text past every limit
                if (!s.empty()) {
                    const int from = below(static_cast<int>(s.size()));
                    s.insert(at, s.substr(from, 1 + below(40)));
                }
                break;
            default: // wrap in brackets or a function
                s = (below(2) ? u"(" : u"ln(") + s + u")";
                break;
            }
            if (s.size() > 500)
                s.resize(500);
        }
        return s;
    }

private:
    std::mt19937 m_rng;
};

} // namespace

class tst_EngineFuzz : public QObject
{
    Q_OBJECT

private slots:
    void randomAndMutatedExpressions();
};

void tst_EngineFuzz::randomAndMutatedExpressions()
{
    const std::set<std::u16string_view> messages
        = {msg::kEmpty,     msg::kIllegalChar,  msg::kBrackets,  msg::kLeadingZero,
           msg::kInnerZero, msg::kDecimalPoint, msg::kWriting,   msg::kDivideByZero,
           msg::kZeroRoot,  msg::kLnDomain,     msg::kMalformed, msg::kOverflow};
    const QRegularExpression number(QStringLiteral(
        R"(^[ -](0|[1-9][0-9]*(\.[0-9]*[1-9])?|0\.0*[1-9][0-9]*|[1-9](\.[0-9]*[1-9])?E[+-][0-9]{2,3})$)"));

    Fuzzer fuzz(20261209);
    int values = 0;
    for (int i = 0; i < 6000; ++i) {
        const std::u16string raw = (i % 2) ? fuzz.randomExpression() : fuzz.mutated();
        const Evaluation e = EvaluateExpression(raw);
        const QString display = QString::fromStdU16String(e.display);
        const QString shown = QString::fromStdU16String(raw.substr(0, 80));

        QVERIFY2(e.hasNormalised == !raw.empty(), qPrintable(shown));
        if (e.hasNormalised)
            QVERIFY2(e.normalised == Normalised(raw), qPrintable(shown));

        if (messages.count(e.display) == 0) {
            QVERIFY2(number.match(display).hasMatch(), qPrintable(shown + " -> " + display));
            ++values;
        }

        const Evaluation again = EvaluateExpression(raw);
        QVERIFY2(again.display == e.display, qPrintable(shown));
    }
    // The mutated seeds must reach the evaluator and give values now and then.
    QVERIFY2(values > 50, qPrintable(QString::number(values)));
}

QTEST_GUILESS_MAIN(tst_EngineFuzz)
#include "tst_EngineFuzz.moc"

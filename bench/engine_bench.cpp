// Throughput of the calculator's whole evaluation (normalise, check, tokens, postfix, evaluate,
// number text) beside muparser parsing and evaluating the same expressions with one reused parser.
// Ends with "ratio: R", R being the engine's throughput divided by muparser's.
#include "quenby/engine/EvaluateCommand.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <string>
#include <vector>

// Every heap allocation of the process is counted, so that the benchmark can show how many an
// evaluation makes: none but its two returned strings (short ones fit inside the string itself).
static std::size_t g_allocations = 0;

#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete" // malloc-based new pairs with free
#endif

void *operator new(std::size_t size)
{
    ++g_allocations;
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void *operator new[](std::size_t size)
{
    return operator new(size);
}
void operator delete(void *p) noexcept
{
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void *p) noexcept
{
    std::free(p);
}
void operator delete[](void *p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

struct Case {
    std::u16string ours; // as typed into the calculator
    std::string theirs;  // the same expression in muparser's syntax
};

std::string longSum()
{
    std::string s = "1.5*2.25";
    while (s.size() < 150)
        s += "+3.75*(4.5-1.25)/2.5";
    return s;
}

std::u16string widen(const std::string &s)
{
    return std::u16string(s.begin(), s.end());
}

const std::vector<Case> &benchmarkCases()
{
    static const std::vector<Case> cases = [] {
        std::vector<Case> c = {
            {u"3+(-2)*9√2^3+1", "3+(-2)*(9^(1/2))^3+1"},
            {u"11/7", "11/7"},
            {u"4.1/(-3)*(2-sin(0.25))", "4.1/(-3)*(2-sin(0.25))"},
            {u"1+2*3-4/2", "1+2*3-4/2"},
            {u"8-2-2", "8-2-2"},
            {u"2*3^2", "2*3^2"},
            {u"2^3^2", "(2^3)^2"},
            {u"(-2)^2", "(-2)^2"},
            {u"(-(-3))", "(-(-3))"},
            {u"9√2", "9^(1/2)"},
            {u"27√3", "27^(1/3)"},
            {u"2^3√2", "(2^3)^(1/2)"},
            {u"cos(0)", "cos(0)"},
            {u"exp(1)", "exp(1)"},
            {u"ln(1)", "ln(1)"},
            {u"sin(-1)", "sin(-1)"},
            {u"1.", "1."},
            {u"0.5+5", "0.5+5"},
            {u"1.2+3.4", "1.2+3.4"},
            {u"1/0.0000001", "1/0.0000001"},
            {u"99999999999999*10", "99999999999999*10"},
            {u"999999999999999*10", "999999999999999*10"},
            {u"10^20", "10^20"},
            {u"2^60", "2^60"},
            {u"sin(1)^2+cos(1)^2", "sin(1)^2+cos(1)^2"},
            {u"ln(exp(2))*tan(0.5)", "ln(exp(2))*tan(0.5)"},
        };
        const std::string sum = longSum();
        c.push_back({widen(sum), sum});
        std::string nested = "(((((((1+2)*3-4)/5+6)*7-8)/9+10)*11-12)/13+14)";
        std::string longNested = nested;
        while (longNested.size() < 150)
            longNested += "*" + nested;
        c.push_back({widen(longNested), longNested});
        std::string functions = "sin(0.5)+cos(0.25)*exp(0.125)-ln(2.5)";
        std::string longFunctions = functions;
        while (longFunctions.size() < 150)
            longFunctions += "+" + functions;
        c.push_back({widen(longFunctions), longFunctions});
        return c;
    }();
    return cases;
}

void BM_Engine(benchmark::State &state)
{
    const auto &cases = benchmarkCases();
    std::size_t returnedLongStrings = 0;
    for (const Case &c : cases) {
        const engine::Evaluation e = engine::EvaluateExpression(c.ours);
        returnedLongStrings += (e.normalised.size() > 7) + (e.display.size() > 7);
    }
    const std::size_t before = g_allocations;
    for (auto _ : state) {
        for (const Case &c : cases) {
            engine::Evaluation e = engine::EvaluateExpression(c.ours);
            benchmark::DoNotOptimize(e);
        }
    }
    const double evaluations = double(state.iterations()) * double(cases.size());
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(cases.size()));
    state.counters["allocs/eval"] = double(g_allocations - before) / evaluations;
    state.counters["long strings/eval"] = double(returnedLongStrings) / double(cases.size());
}

void BM_MuParser(benchmark::State &state)
{
    const auto &cases = benchmarkCases();
    mu::Parser parser;
    for (auto _ : state) {
        for (const Case &c : cases) {
            parser.SetExpr(c.theirs);
            double v = parser.Eval();
            benchmark::DoNotOptimize(v);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(cases.size()));
}

// Fault messages are part of the engine's everyday work too.
void BM_EngineFaults(benchmark::State &state)
{
    static const std::u16string faults[]
        = {u"1/0", u"√0", u"ln(0)", u"1+", u"2×3", u"(1+2", u"0+1", u"1+05", u"1.2.3", u"2(3)", u"exp(1000)"};
    for (auto _ : state) {
        for (const auto &f : faults) {
            engine::Evaluation e = engine::EvaluateExpression(f);
            benchmark::DoNotOptimize(e);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(std::size(faults)));
}

BENCHMARK(BM_Engine);
BENCHMARK(BM_MuParser);
BENCHMARK(BM_EngineFaults);

// Keeps the time per iteration of every run so that the ratio can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

void checkSameValues()
{
    mu::Parser parser;
    for (const Case &c : benchmarkCases()) {
        double theirs = 0;
        try {
            parser.SetExpr(c.theirs);
            theirs = parser.Eval();
        } catch (const mu::Parser::exception_type &e) {
            std::printf("muparser cannot read %s: %s\n", c.theirs.c_str(), e.GetMsg().c_str());
            std::exit(1);
        }
        const engine::Evaluation e = engine::EvaluateExpression(c.ours);
        std::string ours(e.display.begin(), e.display.end());
        std::printf("check: %-60.60s engine %-24s muparser %.15g\n", c.theirs.c_str(), ours.c_str(), theirs);
    }
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    checkSameValues();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto ours = reporter.times.find("BM_Engine");
    const auto theirs = reporter.times.find("BM_MuParser");
    if (ours != reporter.times.end() && theirs != reporter.times.end() && ours->second > 0)
        std::printf("ratio: %.2f\n", theirs->second / ours->second);
    return 0;
}

// Start-up of each program: the time from process start to its first exposed window, and the
// process's peak memory, side by side with a bare main window (menu bar, toolbar, status bar,
// 30 buttons) measured in the same run. Every sample is a fresh process on the offscreen platform.
//
//   startup_bench [--benchmark_...]      runs the comparison
//   startup_bench --child NAME START_NS  (internal) starts one program and reports its time
#include "platform/widgets/Fonts.h"
#include "quenby/QuenbyStartup.h"
#include "tovrik/TovrikStartup.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGridLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

std::int64_t MonotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The bare window: a main window with a menu bar, a toolbar, a status bar and 30 buttons. In its
// Chinese form it shows Chinese captions in the same fonts the programs use, which tells the
// cost of showing Chinese at all apart from the cost of the programs themselves.
QWidget *StartBare(bool chinese)
{
    if (chinese)
        fonts::installSubstitutes();
    auto text = [chinese](const char *latin, const char *han) {
        return chinese ? QString::fromUtf8(han) : QString::fromLatin1(latin);
    };
    auto *window = new QMainWindow;
    window->setWindowTitle(QStringLiteral("Bare"));
    window->menuBar()->addMenu(text("File", "文件"))->addAction(text("Quit", "退出"));
    window->menuBar()->addMenu(text("Edit", "编辑"))->addAction(text("Copy", "复制"));
    auto *tools = window->addToolBar(QStringLiteral("Tools"));
    for (int i = 0; i < 8; ++i)
        tools->addAction(text("Tool", "工具") + QString::number(i));
    auto *central = new QWidget(window);
    auto *grid = new QGridLayout(central);
    for (int i = 0; i < 30; ++i) {
        auto *button = new QPushButton(text("Button", "按钮") + QString::number(i), central);
        if (chinese)
            button->setFont(fonts::make(QStringLiteral("宋体"), 9));
        grid->addWidget(button, i / 5, i % 5);
    }
    window->setCentralWidget(central);
    window->statusBar()->showMessage(text("Ready", "就绪"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

// Reports the first expose of a window, then ends the process.
class ExposeWatch : public QObject
{
public:
    explicit ExposeWatch(std::int64_t startNs) : m_startNs(startNs) { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed() && !m_done) {
                m_done = true;
                std::printf("%lld\n", static_cast<long long>(MonotonicNs() - m_startNs));
                std::fflush(stdout);
                QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    std::int64_t m_startNs;
    bool m_done = false;
};

int RunChild(int argc, char **argv, const std::string &name, std::int64_t startNs)
{
    QApplication app(argc, argv);
    ExposeWatch watch(startNs);
    app.installEventFilter(&watch);
    if (name == "quenby")
        startQuenby();
    else if (name == "tovrik")
        startTovrik();
    else if (name == "bare")
        StartBare(false);
    else if (name == "bare-zh")
        StartBare(true);
    else
        return 2;
    return app.exec();
}

std::string g_self;

struct Sample {
    double seconds = 0;
    long peakKiB = 0;
};

// One fresh process: the time to its first exposed window and its peak resident memory.
bool RunOnce(const std::string &name, Sample &sample)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    const std::string start = std::to_string(MonotonicNs());
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0)
            dup2(quiet, STDERR_FILENO); // the platform plugin's notices are of no interest here
        close(out[0]);
        close(out[1]);
        execl(g_self.c_str(), g_self.c_str(), "--child", name.c_str(), start.c_str(),
              static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buf[128];
    ssize_t n;
    while ((n = read(out[0], buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR)) {
        if (n > 0)
            text.append(buf, static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0
        || text.empty())
        return false;
    sample.seconds = std::strtoll(text.c_str(), nullptr, 10) / 1e9;
    sample.peakKiB = usage.ru_maxrss;
    return true;
}

struct Summary {
    std::vector<double> seconds;
    long peakKiB = 0;
    bool failed = false;
};
std::map<std::string, Summary> g_summaries;

const char *const kPrograms[] = {"bare", "bare-zh", "quenby", "tovrik"};
constexpr int kWarmUpRounds = 2;
constexpr int kRounds = 20;

// The programs are started in turn, round after round, each round in an order rotated by one, so
// that whatever else the machine is doing weighs on all of them alike; the first rounds only warm
// the caches and are not counted. A ratio to the bare window is taken within each round.
void CollectSamples()
{
    constexpr std::size_t kCount = std::size(kPrograms);
    for (int round = 0; round < kWarmUpRounds + kRounds; ++round) {
        for (std::size_t k = 0; k < kCount; ++k) {
            const char *name = kPrograms[(k + static_cast<std::size_t>(round)) % kCount];
            Summary &summary = g_summaries[name];
            Sample sample;
            if (!RunOnce(name, sample)) {
                summary.failed = true;
                sample.seconds = 0;
            }
            if (round < kWarmUpRounds)
                continue;
            summary.seconds.push_back(sample.seconds);
            summary.peakKiB = std::max(summary.peakKiB, sample.peakKiB);
        }
    }
}

// Reports the collected samples of one program as a benchmark with manual time.
void BM_Startup(benchmark::State &state, const char *name)
{
    const Summary &summary = g_summaries[name];
    if (summary.failed || summary.seconds.empty()) {
        state.SkipWithError("the program did not start");
        for (auto _ : state) { }
        return;
    }
    std::size_t i = 0;
    for (auto _ : state)
        state.SetIterationTime(summary.seconds[i++ % summary.seconds.size()]);
    state.counters["peak_MiB"] = summary.peakKiB / 1024.0;
}

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

BENCHMARK_CAPTURE(BM_Startup, bare, "bare")
    ->UseManualTime()
    ->Iterations(kRounds)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Startup, bare_zh, "bare-zh")
    ->UseManualTime()
    ->Iterations(kRounds)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Startup, quenby, "quenby")
    ->UseManualTime()
    ->Iterations(kRounds)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Startup, tovrik, "tovrik")
    ->UseManualTime()
    ->Iterations(kRounds)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0)
        return RunChild(argc, argv, argv[2], std::strtoll(argv[3], nullptr, 10));

    g_self = "/proc/self/exe";
    char path[4096];
    const ssize_t len = readlink("/proc/self/exe", path, sizeof path - 1);
    if (len > 0)
        g_self.assign(path, static_cast<std::size_t>(len));
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    CollectSamples();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const auto bare = g_summaries.find("bare");
    if (bare == g_summaries.end() || bare->second.seconds.empty())
        return 0;
    std::printf("\n%-8s %12s %10s %12s %10s\n", "program", "median ms", "x bare", "peak MiB", "x bare");
    for (const auto &[name, summary] : g_summaries) {
        const double t = Median(summary.seconds);
        // The median of the ratios of each round, where both programs started.
        std::vector<double> ratios;
        for (std::size_t r = 0; r < summary.seconds.size() && r < bare->second.seconds.size(); ++r)
            if (summary.seconds[r] > 0 && bare->second.seconds[r] > 0)
                ratios.push_back(summary.seconds[r] / bare->second.seconds[r]);
        std::printf("%-8s %12.1f %10.2f %12.1f %10.2f\n", name.c_str(), t * 1e3, Median(ratios),
                    summary.peakKiB / 1024.0, double(summary.peakKiB) / double(bare->second.peakKiB));
    }
    return 0;
}

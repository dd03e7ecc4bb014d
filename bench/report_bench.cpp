// The class report: how long the statistics window's print preview of a class of 181 takes to
// open, and how long the PDF of 1,000 marks takes, drawn in the process and by quenby-engine
// --report as a teacher runs it.
#include "platform/widgets/WindowRegistry.h"
#include "quenby/QuenbyStartup.h"
#include "quenby/logic/ClassReport.h"
#include "quenby/report/ReportPages.h"
#include "quenby/windows/frmTj.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

QStringList marks(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i) {
        const int whole = 35 + (i * 37) % 116; // 35 to 150
        list << QString::number(whole) + (i % 3 == 0 && whole < 150 ? QStringLiteral(".5") : QString());
    }
    return list;
}

// From Ctrl+P to the preview shown with its page drawn.
void BM_PreviewOf181(benchmark::State &state)
{
    auto *window = WindowRegistry::instance().show<frmTj>();
    auto *input = window->findChild<QLineEdit *>(QStringLiteral("txtInput"));
    for (const QString &mark : marks(181)) {
        input->setText(mark);
        window->cmdIn_Click();
    }
    for (auto _ : state) {
        window->printReportAction()->trigger();
        auto *preview = window->findChild<QPrintPreviewDialog *>();
        auto *pages = preview ? preview->findChild<QPrintPreviewWidget *>() : nullptr;
        while (pages && pages->pageCount() == 0)
            QCoreApplication::processEvents();
        if (!pages) {
            state.SkipWithError("no preview");
            break;
        }
        preview->repaint();
        pages->repaint();
        state.PauseTiming();
        delete preview;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    WindowRegistry::instance().destroyAll();
}
BENCHMARK(BM_PreviewOf181)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_PdfOf1000(benchmark::State &state)
{
    QTemporaryDir dir;
    const classreport::Content content
        = classreport::makeContent(marks(1000), QStringLiteral("2026/12/11 10:20:30"));
    for (auto _ : state) {
        QString reason;
        if (!reportpages::writePdf(dir.filePath(QStringLiteral("school.pdf")), content, &reason))
            state.SkipWithError("not written");
    }
}
BENCHMARK(BM_PdfOf1000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The whole tool: start, read 1,000 lines, draw, write, exit.
void BM_ToolReportOf1000(benchmark::State &state)
{
    QTemporaryDir dir;
    const QByteArray input = marks(1000).join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
    for (auto _ : state) {
        QProcess tool;
        tool.start(QStringLiteral(QUENBY_ENGINE_TOOL),
                   {QStringLiteral("--report"), dir.filePath(QStringLiteral("school.pdf"))});
        tool.write(input);
        tool.closeWriteChannel();
        if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
            state.SkipWithError("the tool failed");
    }
}
BENCHMARK(BM_ToolReportOf1000)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program's own start: fonts, translations, the calculator (closed again at once).
    startQuenby();
    WindowRegistry::instance().destroyAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

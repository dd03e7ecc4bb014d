#include "TovrikStartup.h"

#include "platform/core/CommandLine.h"
#include "platform/widgets/FirstWindow.h"
#include "platform/widgets/WindowRegistry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Read before the application object exists: --help and --version need no display.
    const commandLine::About about {
        .program = QStringLiteral("tovrik"),
        .description = QStringLiteral("小学口算练习：乘法口诀、百以内和千以内的加减法。"),
        .version = QStringLiteral(QUENBY_VERSION),
    };
    if (const std::optional<int> exitCode = commandLine::handle(argc, argv, about))
        return *exitCode;

    QApplication app(argc, argv);
    if (const std::optional<int> exitCode = commandLine::handleRest(QApplication::arguments(), about))
        return *exitCode;
    QApplication::setApplicationVersion(about.version);
    firstWindow::quitOnceShownIfAsked(startTovrik());
    const int rc = app.exec();
    WindowRegistry::instance().destroyAll();
    return rc;
}

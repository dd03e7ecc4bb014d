#include "QuenbyStartup.h"

#include "platform/core/CommandLine.h"
#include "platform/widgets/FirstWindow.h"
#include "platform/widgets/WindowRegistry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Read before the application object exists: --help and --version need no display.
    const commandLine::About about {
        .program = QStringLiteral("quenby"),
        .description = QStringLiteral("小学算术表达式计算器，附成绩统计和口算练习。"),
        .version = QStringLiteral(QUENBY_VERSION),
    };
    if (const std::optional<int> exitCode = commandLine::handle(argc, argv, about))
        return *exitCode;

    QApplication app(argc, argv);
    if (const std::optional<int> exitCode = commandLine::handleRest(QApplication::arguments(), about))
        return *exitCode;
    QApplication::setApplicationVersion(about.version);
    firstWindow::quitOnceShownIfAsked(startQuenby());
    const int rc = app.exec();
    WindowRegistry::instance().destroyAll();
    return rc;
}

#include "QuenbyStartup.h"

#include "widgets/WindowRegistry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    startQuenby();
    const int rc = app.exec();
    WindowRegistry::instance().destroyAll();
    return rc;
}

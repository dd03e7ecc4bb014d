#include "FrmCal.h"

#include "Fonts.h"
#include "WindowRegistry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quenby"));
    fonts::installSubstitutes();

    WindowRegistry::instance().show<FrmCal>();
    const int rc = app.exec();
    WindowRegistry::instance().destroyAll();
    return rc;
}

#include "Startup.h"

#include "FrmCal.h"
#include "Fonts.h"
#include "WindowRegistry.h"

#include <QApplication>

QWidget *startQuenby()
{
    QApplication::setApplicationName(QStringLiteral("Quenby"));
    fonts::installSubstitutes();
    return WindowRegistry::instance().show<FrmCal>();
}

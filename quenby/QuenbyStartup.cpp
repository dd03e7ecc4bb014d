#include "QuenbyStartup.h"

#include "FrmCal.h"
#include "Fonts.h"
#include "WindowRegistry.h"

#include <QApplication>
#include <QIcon>

QWidget *startQuenby()
{
    QApplication::setApplicationName(QStringLiteral("Quenby"));
    fonts::installSubstitutes();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quenby/resources/quenby.png")));
    return WindowRegistry::instance().show<FrmCal>();
}

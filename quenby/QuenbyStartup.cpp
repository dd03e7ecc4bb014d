#include "QuenbyStartup.h"

#include "core/Services.h"
#include "widgets/DesktopHabits.h"
#include "widgets/Fonts.h"
#include "widgets/QtDialogs.h"
#include "widgets/QtTranslations.h"
#include "widgets/WindowRegistry.h"
#include "windows/FrmCal.h"

#include <QApplication>
#include <QIcon>

QWidget *startQuenby()
{
    QApplication::setApplicationName(QStringLiteral("Quenby"));
    translations::installQtChinese();
    habits::install();
    fonts::installSubstitutes();
    static QtDialogs realDialogs;
    services::setRealDialogs(&realDialogs);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quenby/resources/quenby.png")));
    return WindowRegistry::instance().show<FrmCal>();
}

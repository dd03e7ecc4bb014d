#include "QuenbyStartup.h"

#include "platform/core/Services.h"
#include "platform/widgets/DesktopHabits.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/QtDialogs.h"
#include "platform/widgets/QtTranslations.h"
#include "platform/widgets/WindowRegistry.h"
#include "quenby/windows/FrmCal.h"

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

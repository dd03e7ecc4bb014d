#include "TovrikStartup.h"

#include "platform/core/Services.h"
#include "platform/widgets/DesktopHabits.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/QtDialogs.h"
#include "platform/widgets/QtTranslations.h"
#include "platform/widgets/WindowRegistry.h"
#include "tovrik/windows/Form3.h"
#include "tovrik/windows/FormPictures.h"

#include <QApplication>

QWidget *startTovrik()
{
    QApplication::setApplicationName(QStringLiteral("Tovrik"));
    translations::installQtChinese();
    habits::install();
    fonts::installSubstitutes();
    static QtDialogs realDialogs;
    services::setRealDialogs(&realDialogs);
    QApplication::setWindowIcon(formPictures::face(formPictures::kSmileFile));
    // The menu stays loaded, hidden or shown, for the whole run; the program ends when the menu's
    // "退出" or its close box says so, not when the last visible window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
    return WindowRegistry::instance().show<Form3>();
}

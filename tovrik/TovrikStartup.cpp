#include "TovrikStartup.h"

#include "core/Services.h"
#include "widgets/DesktopHabits.h"
#include "widgets/Fonts.h"
#include "widgets/QtDialogs.h"
#include "widgets/QtTranslations.h"
#include "widgets/WindowRegistry.h"
#include "windows/Form3.h"
#include "windows/FormPictures.h"

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

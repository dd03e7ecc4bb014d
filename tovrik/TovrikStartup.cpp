#include "TovrikStartup.h"

#include "Fonts.h"
#include "Form3.h"
#include "FormPictures.h"
#include "WindowRegistry.h"

#include <QApplication>

QWidget *startTovrik()
{
    QApplication::setApplicationName(QStringLiteral("Tovrik"));
    fonts::installSubstitutes();
    QApplication::setWindowIcon(formPictures::face(formPictures::SmileFile));
    // The menu stays loaded, hidden or shown, for the whole run; the program ends when the menu's
    // "退出" or its close box says so, not when the last visible window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
    return WindowRegistry::instance().show<Form3>();
}

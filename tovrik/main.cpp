#include "Fonts.h"
#include "Form3.h"
#include "FormPictures.h"
#include "WindowRegistry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tovrik"));
    fonts::installSubstitutes();
    QApplication::setWindowIcon(formPictures::face(formPictures::SmileFile));
    // The menu stays loaded, hidden or shown, for the whole run; the program ends when the menu's
    // "退出" or its close box says so, not when the last visible window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);

    WindowRegistry::instance().show<Form3>();
    const int rc = app.exec();
    WindowRegistry::instance().destroyAll();
    return rc;
}

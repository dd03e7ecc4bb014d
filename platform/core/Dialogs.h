#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Modal message and input boxes. The windows speak only through this interface, so tests can
// replace the real boxes with a scripted fake.
class Dialogs
{
public:
    enum class Icon { None, Question };

    virtual ~Dialogs() = default;

    // A message box with an OK button.
    virtual void inform(QWidget *parent, const QString &text, const QString &title) = 0;

    // A message box with OK and Cancel; true for OK.
    virtual bool confirm(QWidget *parent, const QString &text, const QString &title, Icon icon) = 0;

    // An input box with a prompt, OK and Cancel, empty at opening. Cancel gives the empty text.
    // An empty title stands for the platform's default title (the program's name).
    virtual QString input(QWidget *parent, const QString &prompt, const QString &title = QString()) = 0;
};

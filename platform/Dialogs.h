#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

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

// The real boxes, with Chinese button texts whatever the locale.
class QtDialogs : public Dialogs
{
public:
    void inform(QWidget *parent, const QString &text, const QString &title) override;
    bool confirm(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    QString input(QWidget *parent, const QString &prompt, const QString &title = QString()) override;
};

// A fake for tests: records every box shown and answers from a script.
class ScriptedDialogs : public Dialogs
{
public:
    struct Shown {
        enum class Kind { Inform, Confirm, Input } kind;
        QString text;
        QString title;
        Icon icon = Icon::None;
    };

    // Answers for the next confirm() calls, in order; without one, confirm answers OK.
    void scriptConfirm(bool ok) { m_confirms.push_back(ok); }
    // Answers for the next input() calls, in order; without one, input answers as Cancel does ("").
    void scriptInput(const QString &text) { m_inputs.push_back(text); }

    const std::vector<Shown> &shown() const { return m_shown; }
    void clear();

    void inform(QWidget *parent, const QString &text, const QString &title) override;
    bool confirm(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    QString input(QWidget *parent, const QString &prompt, const QString &title = QString()) override;

private:
    std::vector<Shown> m_shown;
    std::deque<bool> m_confirms;
    std::deque<QString> m_inputs;
};

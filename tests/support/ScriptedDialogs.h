#pragma once

#include "platform/core/Dialogs.h"

#include <deque>
#include <functional>
#include <vector>

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

    // Runs while the next input() asks, as a person looks at the window behind the box.
    void whileAsking(std::function<void()> look) { m_whileAsking = std::move(look); }

    const std::vector<Shown> &shown() const { return m_shown; }
    void clear();

    void inform(QWidget *parent, const QString &text, const QString &title) override;
    bool confirm(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    QString input(QWidget *parent, const QString &prompt, const QString &title = QString()) override;

private:
    std::vector<Shown> m_shown;
    std::deque<bool> m_confirms;
    std::deque<QString> m_inputs;
    std::function<void()> m_whileAsking;
};

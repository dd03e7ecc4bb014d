#include "ScriptedDialogs.h"

#include <utility>

void ScriptedDialogs::clear()
{
    m_shown.clear();
    m_confirms.clear();
    m_inputs.clear();
}

void ScriptedDialogs::inform(QWidget *, const QString &text, const QString &title)
{
    m_shown.push_back({Shown::Kind::Inform, text, title, Icon::None});
}

bool ScriptedDialogs::confirm(QWidget *, const QString &text, const QString &title, Icon icon)
{
    m_shown.push_back({Shown::Kind::Confirm, text, title, icon});
    if (m_confirms.empty())
        return true;
    const bool ok = m_confirms.front();
    m_confirms.pop_front();
    return ok;
}

QString ScriptedDialogs::input(QWidget *, const QString &prompt, const QString &title)
{
    m_shown.push_back({Shown::Kind::Input, prompt, title, Icon::None});
    if (m_whileAsking)
        std::exchange(m_whileAsking, {})();
    if (m_inputs.empty())
        return QString();
    QString answer = m_inputs.front();
    m_inputs.pop_front();
    return answer;
}

#pragma once

#include <QPointer>
#include <QWidget>

#include <map>
#include <typeindex>

// The program's windows: at most one of each form. A window is deleted when it closes
// (WA_DeleteOnClose), so a closed window loses its state and is not open any more.
class WindowRegistry
{
public:
    static WindowRegistry &instance();

    // The open window of form W, or nullptr when none is open.
    template <class W> W *find() const
    {
        auto it = m_windows.find(std::type_index(typeid(W)));
        if (it == m_windows.end() || it->second.isNull())
            return nullptr;
        return static_cast<W *>(it->second.data());
    }

    // The open window of form W, created (not shown) when none is open.
    template <class W> W *open()
    {
        if (W *existing = find<W>())
            return existing;
        auto *w = new W;
        w->setAttribute(Qt::WA_DeleteOnClose);
        m_windows[std::type_index(typeid(W))] = w;
        return w;
    }

    // Shows the window of form W, opening a fresh one when none is open, and brings it forward.
    template <class W> W *show()
    {
        W *w = open<W>();
        w->show();
        w->raise();
        w->activateWindow();
        return w;
    }

    // Deletes every open window at once, without any closing handling (used to end a program
    // at once, and by tests between cases).
    void destroyAll();

private:
    std::map<std::type_index, QPointer<QWidget>> m_windows;
};

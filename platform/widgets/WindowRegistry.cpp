#include "platform/widgets/WindowRegistry.h"

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::destroyAll()
{
    auto windows = std::move(m_windows);
    m_windows.clear();
    for (auto &[type, window] : windows) {
        if (!window.isNull()) {
            window->hide();
            delete window.data();
        }
    }
}

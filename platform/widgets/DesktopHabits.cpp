#include "platform/widgets/DesktopHabits.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <memory>

namespace habits {

namespace {

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Watches every key press of the application for Enter.
class EnterKey : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(receiver);
        if (!widget || !isEnter(key))
            return false;
        if (!key->isAutoRepeat())
            m_window = widget->window();
        else if (widget->window() != m_window)
            return true;
        auto *button = qobject_cast<QPushButton *>(widget);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (!button || !plain || !button->isEnabled() || !button->isVisible())
            return false;
        button->click();
        return true;
    }

private:
    // The window in which Enter last went down.
    QPointer<QWidget> m_window;
};

} // namespace

QPalette designedPalette()
{
    // Fusion's palette is Qt's own light one, the same under every style and colour scheme.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion ? fusion->standardPalette() : QApplication::style()->standardPalette();
}

void install()
{
    QApplication::setPalette(designedPalette());
    static EnterKey *enterKey = nullptr;
    if (!enterKey) {
        enterKey = new EnterKey(qApp);
        qApp->installEventFilter(enterKey);
    }
}

} // namespace habits

#pragma once

#include "platform/core/Dialogs.h"

// The real boxes, with Chinese button texts whatever the locale.
class QtDialogs : public Dialogs
{
public:
    void inform(QWidget *parent, const QString &text, const QString &title) override;
    bool confirm(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    QString input(QWidget *parent, const QString &prompt, const QString &title = QString()) override;
};

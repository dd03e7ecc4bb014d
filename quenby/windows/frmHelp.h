#pragma once

#include <QWidget>

class QPlainTextEdit;

// The help window: the help text, read-only but selectable and copyable.
class frmHelp : public QWidget
{
    Q_OBJECT

public:
    explicit frmHelp(QWidget *parent = nullptr);

private:
    QPlainTextEdit *Text1 = nullptr;
};

#pragma once

#include <QMainWindow>

class QPlainTextEdit;

// The calculator window.
class FrmCal : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmCal(QWidget *parent = nullptr);

    // The text of txtIn as the rest of the program sees it: line breaks as CR LF.
    QString inputText() const;
    // The text of txtOut.
    QString outputText() const;
    // Sets the texts of txtIn and txtOut to "".
    void clearBoxes();

private:
    QPlainTextEdit *txtIn = nullptr;
    QPlainTextEdit *txtOut = nullptr;
};

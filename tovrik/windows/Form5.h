#pragma once

#include "tovrik/logic/DrillRun.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The report of a drill: answers given, right and wrong, the score and, after a drill that
// ended by time, the answers per minute.
class Form5 : public QWidget
{
    Q_OBJECT

public:
    explicit Form5(QWidget *parent = nullptr);

    // Fills the figures in; after an ending by time the rate is worked out from the minutes the
    // drill ran with.
    void FillReport(int done, int right, int wrong, drill::Ending ending, int minutes);

signals:
    // The report was left by "退出" or the window's close box.
    void backToMenu();

public slots:
    void Command1_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void addTexts();
    void addPictures();

    QLineEdit *Text1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QPushButton *Command1 = nullptr;
};

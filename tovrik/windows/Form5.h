#pragma once

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

    // Fills the figures in; the rate is worked out from the menu's minutes when rateWanted.
    void FillReport(int done, int right, int wrong, bool rateWanted);

public slots:
    void Command1_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLineEdit *Text1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label1_1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label7_0 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label7_1 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Image3 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7_2 = nullptr;
    QPushButton *Command1 = nullptr;
};

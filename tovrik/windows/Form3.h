#pragma once

#include "logic/DrillQuestions.h"
#include "logic/DrillRun.h"

#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The menu window: the training form with its limit, and the four drills.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr);

    // The limits a drill opened now gets: what the number labels Label1 (minutes) and Label2
    // (questions) show, hidden or not; 0 where a label is empty.
    drill::Limits limits() const { return m_limits; }

    // Gives control back to the menu after a drill or the report has closed: empty number labels,
    // no training form chosen, the menu on show (opened afresh if it was not open).
    static void ReturnToMenu();

public slots:
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();
    void Command3_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void addChoice();
    void addButtons();
    void Form_Load();
    void clearOptions();
    void clearLimits();
    void refuse();
    void openDrill(drill::Kind kind);

    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    QButtonGroup *m_drillButtons = nullptr;

    int m_minutesChosen = 0;
    int m_questionsChosen = 0;
    drill::Limits m_limits; // what Label1 and Label2 show
};

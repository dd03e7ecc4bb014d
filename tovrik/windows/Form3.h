#pragma once

#include "tovrik/logic/DrillQuestions.h"
#include "tovrik/logic/DrillRun.h"
#include "tovrik/logic/LimitChoice.h"

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
    drill::Limits limits() const { return m_choice.limits(); }

    // Gives control back to the menu after a drill or the report has closed: empty number labels,
    // no training form chosen, the menu on show (opened afresh if it was not open). The drills the
    // menu opens, and the reports they hand over to, call it through their backToMenu signal.
    static void ReturnToMenu();

public slots:
    void Option1_Click();
    void Option2_Click();
    void Command3_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void addChoice();
    void addButtons();
    void Form_Load();
    void showChoice();
    void showRows();
    void showForm(drill::TrainingForm form);
    void refuse();
    void openDrill(drill::Kind kind);

    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command3 = nullptr;
    QButtonGroup *m_drillButtons = nullptr;

    drill::LimitChoice m_choice; // what the option buttons and the number rows show
};

#pragma once

#include <QWidget>

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

    // The limits handed to the drills: the texts of Label1 (minutes) and Label2 (questions);
    // empty for no limit of that form.
    QString minutesText() const;
    QString questionsText() const;

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
    void Form_Load();
    void clearOptions();
    void refuse();
    template <class W> void openDrill();

    QLabel *Image1 = nullptr;
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

    int m_minutesChosen = 0;
    int m_questionsChosen = 0;
};

#pragma once

#include <QStringList>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The teachers' score statistics window: marks typed in one at a time, listed, and counted up
// into fourteen read-only result boxes.
class frmTj : public QWidget
{
    Q_OBJECT

public:
    explicit frmTj(QWidget *parent = nullptr);

    // The number of marks in the list.
    int markCount() const;
    // The marks in list order, exactly as typed.
    QStringList markTexts() const;
    // The texts of the fourteen result boxes: total, mean, deviation, highest, lowest, the four
    // grade bands and the five ten-point buckets.
    QStringList resultTexts() const;

public slots:
    void cmdIn_Click();
    void cmdOut_Click();
    void cmdTongj_Click();
    void cmdClear_Click();
    void cmdSave_Click();
    void cmdBack_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void addEntryControls();
    void addButtons();
    void addResults();
    void Form_Unload();

    QLabel *Label1 = nullptr;
    QLineEdit *txtInput = nullptr;
    QPushButton *cmdIn = nullptr;
    QPushButton *cmdOut = nullptr;
    QPushButton *cmdTongj = nullptr;
    QListWidget *List1 = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdBack = nullptr;

    QLineEdit *txtSum = nullptr;
    QLineEdit *txtAve = nullptr;
    QLineEdit *txtStd = nullptr;
    QLineEdit *txtmax = nullptr;
    QLineEdit *txtmin = nullptr;
    QLineEdit *txtyo = nullptr;
    QLineEdit *txtli = nullptr;
    QLineEdit *txtjg = nullptr;
    QLineEdit *txtbjg = nullptr;
    QLineEdit *txt100 = nullptr;
    QLineEdit *txt90 = nullptr;
    QLineEdit *txt80 = nullptr;
    QLineEdit *txt70 = nullptr;
    QLineEdit *txt60 = nullptr;

    // The result boxes in the order of the statistics' texts.
    std::array<QLineEdit *, 14> m_results {};
};

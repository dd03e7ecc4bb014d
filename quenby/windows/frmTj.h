#pragma once

#include "quenby/windows/frmSave.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class QAction;
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
    ~frmTj() override;

    // The number of marks in the list.
    int markCount() const;
    // The marks in list order, exactly as typed.
    QStringList markTexts() const;
    // The texts of the fourteen result boxes: total, mean, deviation, highest, lowest, the four
    // grade bands and the five ten-point buckets.
    QStringList resultTexts() const;

    // What the save dialog writes when this window opens it.
    void setContentSource(std::function<SaveContent()> source);

    // "打印成绩报告…": Ctrl+P and the list's right-click menu; greyed while the list is empty.
    QAction *printReportAction() const;

signals:
    // "保存" was clicked: the calculator empties its boxes at once, whether or not the teacher
    // then saves, so that the save dialog has only the marks to write.
    void savingMarks();
    // The window closed; the calculator shows again.
    void closed();

public slots:
    void cmdIn_Click();
    void cmdOut_Click();
    void cmdTongj_Click();
    void cmdClear_Click();
    void cmdSave_Click();
    void cmdBack_Click();
    // Opens the print preview of the class report of the marks in the list; nothing when it is empty.
    void printReport();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void addEntryControls();
    void addButtons();
    void addResults();
    void addReportPrinting();
    void Form_Unload();
    // The marks of a column or row pasted into txtInput that the mark rule takes, in order.
    void addPastedMarks(const QStringList &marks);

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
    std::function<SaveContent()> m_contentSource;
    QAction *m_printReport = nullptr;
};

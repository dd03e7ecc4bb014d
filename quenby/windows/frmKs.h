#pragma once

#include "quenby/logic/Practice.h"

#include <QDateTime>
#include <QWidget>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The pupils' oral-arithmetic practice: sets of ten questions of one of six kinds, a verdict line
// per answer, then the score with a comment and the time used. The calculator that opens it hides
// while it is open and shows again when it closes.
class frmKs : public QWidget
{
    Q_OBJECT

public:
    explicit frmKs(QWidget *parent = nullptr);

    // The state of the set under way.
    practice::Kind kind() const { return m_kind; }
    int answeredCount() const { return m_answeredCount; }
    int rightCount() const { return m_rightCount; }

public slots:
    void cmdOK_Click();
    void cmdRep_Click();
    void cmdBack_Click();

signals:
    // The window closed; the calculator shows again.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addKindButtons();
    void addQuestionRow();
    void addListAndButtons();
    void addBottomRow();
    void Form_Load();
    void Form_Unload();
    bool txtZ_KeyDown(int key);
    void presentQuestion(practice::Kind kind);
    void setKindButtonsEnabled(bool enabled);
    void resetCounts();
    void finishSet();

    QPushButton *cmdAdd1 = nullptr;
    QPushButton *cmdAdd2 = nullptr;
    QPushButton *cmdAdd3 = nullptr;
    QPushButton *cmdMul = nullptr;
    QPushButton *cmdDiv = nullptr;
    QPushButton *cmdMd = nullptr;
    QLineEdit *txtX = nullptr;
    QLineEdit *txtOp = nullptr;
    QLineEdit *txtY = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *txtZ = nullptr;
    QPushButton *cmdOK = nullptr;
    QListWidget *List2 = nullptr;
    QPushButton *cmdRep = nullptr;
    QPushButton *cmdBack = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *labTime = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *labDefen = nullptr;

    // The six kind buttons, each with its kind as its id.
    QButtonGroup *m_kindButtons = nullptr;

    practice::Kind m_kind = practice::Kind::None;
    int m_answeredCount = 0;
    int m_rightCount = 0;
    QDateTime m_startTime;
};

#pragma once

#include <QMainWindow>
#include <QString>

class QButtonGroup;
class QKeyEvent;
class QLabel;
class QMenu;
class QMouseEvent;
class QPlainTextEdit;
class QPoint;
class QPushButton;
class QStatusBar;
class QToolBar;
class ExpressionBox;
class frmKs;
class frmSave;
class frmTj;

namespace caret {
struct Edit;
}

// The calculator window: a whole expression is built in txtIn by typing, by the keypad Cmd_0 to
// Cmd_23, by the caret buttons or by the window's own clipboard, and "=" (or Enter in txtIn)
// evaluates it into txtOut.
//
// The window keeps its own caret position in txtIn (caretPos) and puts the caret back there
// before each of its editing commands, so that a button click inserts where the user last left
// the caret. When text is selected, the kept position is the selection's start. caretPos counts
// positions of the box itself, one per line break; only the text that leaves the window
// (inputText(), the character count) has CR LF line breaks.
//
// txtIn takes text only from the keyboard, input methods and the window's own commands: no drops,
// no middle-button paste, no drags out of it.
class FrmCal : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmCal(QWidget *parent = nullptr);

    // The text of txtIn as the rest of the program sees it: every character as typed, line
    // breaks as CR LF.
    QString inputText() const;
    // The text of txtOut.
    QString outputText() const;
    // Sets the texts of txtIn and txtOut to "".
    void clearBoxes();

    // The windows the calculator opens, each shown and brought forward. A fresh one is told what
    // the save dialog writes and when the calculator hides and shows again; none of them needs a
    // calculator to be open, and one that brings the calculator back opens a fresh one if need be.
    static frmSave *openSaveDialog();
    static frmTj *openStatistics();
    static frmKs *openPractice();

    // The kept caret position in txtIn, and the window's own clipboard.
    int caretPos() const { return m_caretPos; }
    QString clipText() const { return m_clipText; }

public slots:
    // Keypad: inserts the caption of button `index` at the kept caret.
    void Cmd_Click(int index);
    void cmdLeft_Click();
    void cmdRight_Click();
    void cmdBack_Click();
    void cmdClr_Click();
    // Evaluates the expression of txtIn into txtOut.
    void cmdCal_Click();

    void txtIn_Change();
    // Before the box handles a key: Enter evaluates.
    void txtIn_KeyDown(QKeyEvent *event);
    // After the box has placed its caret for a mouse button.
    void txtIn_MouseDown(QMouseEvent *event);
    // After a mouse button was released over the box: the right button opens mnuEdit there.
    void txtIn_MouseUp(QMouseEvent *event);

    void mnuFileSave_Click();
    void muFileExit_Click();
    void mnuEditCopy_Click();
    void mnuEditCut_Click();
    void mnuEditPaste_Click();
    void mnuJxTj_Click();
    void mnuJxKs_Click();
    void mnuHelpHelp_Click();
    void mnuHelpNotice_Click();

    // Runs the command of toolbar button `number` (1 to 8 from the left); other numbers do nothing.
    void Toolbar1_ButtonClick(int number);

private:
    void Form_Load();
    void buildMenus();
    void buildToolbar();
    void buildBoxes();
    void buildButtons();
    void buildKeypad();
    void buildStatusBar();
    void buildResultMenu();
    void chainTabOrder();

    // Gives txtIn the focus and puts its caret at the kept position (at most the end of the
    // text), collapsing any selection; gives that caret.
    int restoreCaret();
    // Keeps `pos` as the caret position and puts the caret there.
    void keepCaret(int pos);
    // Makes one of the window's own edits in txtIn and keeps the caret where the edit leaves it.
    void commitEdit(const caret::Edit &edit);
    // Takes the current caret of txtIn (the start of a selection) as the kept position.
    void followCaret();
    // Copies the result (its selected part, else all of it) to the system clipboard.
    void copyResult();
    void showResultMenu(const QPoint &at);

    QToolBar *Toolbar1 = nullptr;
    ExpressionBox *txtIn = nullptr;
    QPushButton *cmdCal = nullptr;
    QPlainTextEdit *txtOut = nullptr;
    QPushButton *cmdClr = nullptr;
    QPushButton *cmdLeft = nullptr;
    QPushButton *cmdRight = nullptr;
    QPushButton *cmdBack = nullptr;
    // The keypad, Cmd_0 to Cmd_23: each button's id in the group is its index.
    QButtonGroup *Cmd = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *Panels_1 = nullptr;
    QLabel *Panels_2 = nullptr;

    QMenu *mnuFile = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuJx = nullptr;
    QMenu *mnuHelp = nullptr;
    // The pop-up menu of the result box.
    QMenu *resultMenu = nullptr;

    int m_caretPos = 0;
    QString m_clipText;
};

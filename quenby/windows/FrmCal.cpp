// What the calculator window does: the keypad, the caret it keeps, "=", its own clipboard, the
// companion windows it opens. How it is built is in FrmCalLayout.cpp.
#include "quenby/windows/FrmCal.h"

#include "platform/widgets/WindowRegistry.h"
#include "quenby/engine/EvaluateCommand.h"
#include "quenby/logic/CaretEditing.h"
#include "quenby/logic/EngineText.h"
#include "quenby/windows/ExpressionBox.h"
#include "quenby/windows/frmAbout.h"
#include "quenby/windows/frmHelp.h"
#include "quenby/windows/frmKs.h"
#include "quenby/windows/frmSave.h"
#include "quenby/windows/frmTj.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <initializer_list>
#include <string_view>

void FrmCal::Form_Load()
{
    txtIn->setPlainText(QString());
    txtOut->setPlainText(QString());
    m_caretPos = 0;
    m_clipText.clear();
    txtIn_Change();
    txtIn->setFocus(Qt::OtherFocusReason);
}

QString FrmCal::inputText() const
{
    return caret::toCrLf(txtIn->rawText());
}

QString FrmCal::outputText() const
{
    return txtOut->toPlainText();
}

void FrmCal::clearBoxes()
{
    txtIn->apply(caret::Edit {0, txtIn->length(), QString(), 0});
    txtOut->setPlainText(QString());
}

int FrmCal::restoreCaret()
{
    const int pos = caret::restore(txtIn->rawText(), m_caretPos);
    txtIn->placeCaret(pos);
    return pos;
}

void FrmCal::keepCaret(int pos)
{
    m_caretPos = pos;
    txtIn->placeCaret(pos);
}

void FrmCal::commitEdit(const caret::Edit &edit)
{
    txtIn->apply(edit);
    keepCaret(edit.caretPos);
}

void FrmCal::followCaret()
{
    m_caretPos = txtIn->textCursor().selectionStart();
}

void FrmCal::Cmd_Click(int index)
{
    QAbstractButton *button = Cmd->button(index);
    if (!button)
        return;
    restoreCaret();
    commitEdit(caret::insertAt(txtIn->rawText(), m_caretPos, button->text()));
}

void FrmCal::cmdLeft_Click()
{
    restoreCaret();
    keepCaret(caret::left(txtIn->rawText(), m_caretPos));
}

void FrmCal::cmdRight_Click()
{
    restoreCaret();
    keepCaret(caret::right(txtIn->rawText(), m_caretPos));
}

void FrmCal::cmdBack_Click()
{
    restoreCaret();
    const caret::Edit edit = caret::backspace(txtIn->rawText(), m_caretPos);
    if (edit.changesText())
        commitEdit(edit);
}

void FrmCal::cmdClr_Click()
{
    clearBoxes();
}

void FrmCal::cmdCal_Click()
{
    txtOut->setPlainText(QString());
    const engine::Evaluation result = engine::EvaluateExpression(engineText::view(inputText()));
    if (result.hasNormalised) {
        const QString normalised = QString::fromStdU16String(result.normalised);
        const QString current = txtIn->rawText();
        if (normalised != current) {
            // The caret stays beside the same character; the kept position is not touched.
            QTextCursor cursor = txtIn->textCursor();
            const int caretThere = caret::caretAfterNormalising(current, cursor.position());
            txtIn->apply(caret::Edit {0, static_cast<int>(current.size()), normalised, 0});
            cursor.setPosition(std::clamp(caretThere, 0, txtIn->length()));
            txtIn->setTextCursor(cursor);
        }
    }
    txtOut->setPlainText(QString::fromStdU16String(result.display));
}

void FrmCal::txtIn_Change()
{
    Panels_2->setText(caret::countPanelText(txtIn->rawText()));
}

void FrmCal::txtIn_KeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        cmdCal_Click();
}

void FrmCal::txtIn_MouseDown(QMouseEvent *)
{
    followCaret();
}

void FrmCal::txtIn_MouseUp(QMouseEvent *event)
{
    if (event->button() != Qt::RightButton)
        return;
    event->accept();
    QWidget *surface = txtIn->viewport();
    const QPoint at = event->position().toPoint();
    if (surface->rect().contains(at))
        mnuEdit->popup(surface->mapToGlobal(at));
}

void FrmCal::copyResult()
{
    const QTextCursor selection = txtOut->textCursor();
    QApplication::clipboard()->setText(selection.hasSelection() ? selection.selectedText() : outputText());
}

void FrmCal::showResultMenu(const QPoint &at)
{
    resultMenu->actions().constFirst()->setEnabled(!outputText().isEmpty());
    resultMenu->popup(txtOut->viewport()->mapToGlobal(at));
}

void FrmCal::mnuEditCopy_Click()
{
    const QTextCursor selection = txtIn->textCursor();
    m_clipText = txtIn->rawText().mid(selection.selectionStart(),
                                      selection.selectionEnd() - selection.selectionStart());
}

void FrmCal::mnuEditCut_Click()
{
    const QTextCursor selection = txtIn->textCursor();
    const QString text = txtIn->rawText();
    const caret::Edit edit = caret::cut(text, selection.anchor(), selection.position());
    m_clipText = text.mid(edit.from, edit.to - edit.from);
    commitEdit(edit);
}

void FrmCal::mnuEditPaste_Click()
{
    restoreCaret();
    commitEdit(caret::insertAt(txtIn->rawText(), m_caretPos, m_clipText));
}

namespace {

// What the save dialog writes, read from the windows as they stand at that moment.
SaveContent contentToSave()
{
    const WindowRegistry &windows = WindowRegistry::instance();
    SaveContent content;
    if (const FrmCal *calculator = windows.find<FrmCal>()) {
        content.expression = calculator->inputText();
        content.result = calculator->outputText();
    }
    if (const frmTj *statistics = windows.find<frmTj>()) {
        content.marks = statistics->markTexts();
        content.results = statistics->resultTexts();
    }
    return content;
}

void showCalculator()
{
    WindowRegistry::instance().show<FrmCal>();
}

} // namespace

frmSave *FrmCal::openSaveDialog()
{
    frmSave *dialog = WindowRegistry::instance().show<frmSave>();
    dialog->setContentSource(contentToSave);
    return dialog;
}

frmTj *FrmCal::openStatistics()
{
    WindowRegistry &windows = WindowRegistry::instance();
    if (!windows.find<frmTj>()) {
        frmTj *statistics = windows.open<frmTj>();
        statistics->setContentSource(contentToSave);
        connect(statistics, &frmTj::savingMarks, statistics, [] {
            if (FrmCal *calculator = WindowRegistry::instance().find<FrmCal>())
                calculator->clearBoxes();
        });
        connect(statistics, &frmTj::closed, statistics, showCalculator);
    }
    return windows.show<frmTj>();
}

frmKs *FrmCal::openPractice()
{
    WindowRegistry &windows = WindowRegistry::instance();
    if (!windows.find<frmKs>()) {
        frmKs *practice = windows.open<frmKs>();
        // The calculator is out of the way while a pupil practises.
        if (FrmCal *calculator = windows.find<FrmCal>())
            calculator->hide();
        connect(practice, &frmKs::closed, practice, showCalculator);
    }
    return windows.show<frmKs>();
}

void FrmCal::mnuFileSave_Click()
{
    openSaveDialog();
}

void FrmCal::muFileExit_Click()
{
    close();
}

void FrmCal::mnuJxTj_Click()
{
    openStatistics();
}

void FrmCal::mnuJxKs_Click()
{
    openPractice();
}

void FrmCal::mnuHelpHelp_Click()
{
    WindowRegistry::instance().show<frmHelp>();
}

void FrmCal::mnuHelpNotice_Click()
{
    WindowRegistry::instance().show<frmAbout>();
}

void FrmCal::Toolbar1_ButtonClick(int number)
{
    switch (number) {
    case 1:
        mnuFileSave_Click();
        break;
    case 2:
        mnuEditCopy_Click();
        break;
    case 3:
        mnuEditCut_Click();
        break;
    case 4:
        mnuEditPaste_Click();
        break;
    case 5:
        openStatistics();
        hide();
        break;
    case 6:
        hide();
        openPractice();
        break;
    case 7:
        mnuHelpHelp_Click();
        break;
    case 8:
        // Ends the program at once: every window goes without its closing handling.
        WindowRegistry::instance().destroyAll();
        QCoreApplication::quit();
        break;
    default:
        break;
    }
}

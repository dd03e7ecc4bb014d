#include "Dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString kOk = QStringLiteral("确定");
const QString kCancel = QStringLiteral("取消");

QString defaultTitle()
{
    return QApplication::applicationName();
}

} // namespace

void QtDialogs::inform(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(kOk);
    box.exec();
}

bool QtDialogs::confirm(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(icon == Icon::Question ? QMessageBox::Question : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Ok)->setText(kOk);
    box.button(QMessageBox::Cancel)->setText(kCancel);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

QString QtDialogs::input(QWidget *parent, const QString &prompt, const QString &title)
{
    QInputDialog box(parent);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(title.isEmpty() ? defaultTitle() : title);
    box.setLabelText(prompt);
    box.setTextValue(QString());
    box.setOkButtonText(kOk);
    box.setCancelButtonText(kCancel);
    if (box.exec() != QDialog::Accepted)
        return QString();
    return box.textValue();
}

void ScriptedDialogs::clear()
{
    m_shown.clear();
    m_confirms.clear();
    m_inputs.clear();
}

void ScriptedDialogs::inform(QWidget *, const QString &text, const QString &title)
{
    m_shown.push_back({Shown::Kind::Inform, text, title, Icon::None});
}

bool ScriptedDialogs::confirm(QWidget *, const QString &text, const QString &title, Icon icon)
{
    m_shown.push_back({Shown::Kind::Confirm, text, title, icon});
    if (m_confirms.empty())
        return true;
    const bool ok = m_confirms.front();
    m_confirms.pop_front();
    return ok;
}

QString ScriptedDialogs::input(QWidget *, const QString &prompt, const QString &title)
{
    m_shown.push_back({Shown::Kind::Input, prompt, title, Icon::None});
    if (m_inputs.empty())
        return QString();
    QString answer = m_inputs.front();
    m_inputs.pop_front();
    return answer;
}

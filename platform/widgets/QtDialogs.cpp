#include "platform/widgets/QtDialogs.h"

#include <QApplication>
#include <QGridLayout>
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

// A message box sizes itself to its text, and a window manager then cuts a longer title short.
// A spacer as wide as the title (plus room for the frame's buttons) keeps the title whole.
void fitTitle(QMessageBox &box, const QString &title)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const int width = box.fontMetrics().horizontalAdvance(title) + 120;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

} // namespace

void QtDialogs::inform(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(kOk);
    fitTitle(box, title);
    box.exec();
}

bool QtDialogs::confirm(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(icon == Icon::Question ? QMessageBox::Question : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Ok)->setText(kOk);
    box.button(QMessageBox::Cancel)->setText(kCancel);
    box.setDefaultButton(QMessageBox::Ok);
    fitTitle(box, title);
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

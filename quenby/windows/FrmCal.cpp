#include "FrmCal.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

FrmCal::FrmCal(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quenby"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    txtIn = new QPlainTextEdit(central);
    txtIn->setObjectName(QStringLiteral("txtIn"));
    txtOut = new QPlainTextEdit(central);
    txtOut->setObjectName(QStringLiteral("txtOut"));
    txtOut->setReadOnly(true);
    layout->addWidget(txtIn);
    layout->addWidget(txtOut);
    setCentralWidget(central);
}

QString FrmCal::inputText() const
{
    QString text = txtIn->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString FrmCal::outputText() const
{
    return txtOut->toPlainText();
}

void FrmCal::clearBoxes()
{
    txtIn->setPlainText(QString());
    txtOut->setPlainText(QString());
}

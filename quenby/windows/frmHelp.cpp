#include "windows/frmHelp.h"

#include "logic/HelpText.h"
#include "widgets/Fonts.h"
#include "widgets/Twips.h"

#include <QPlainTextEdit>

frmHelp::frmHelp(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("帮助"));
    // A window of fixed size: no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    twips::setClientSize(this, 6735, 6990);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    twips::place(Text1, 120, 120, 6615, 6855);
    Text1->setFont(fonts::make(QStringLiteral("宋体"), 12));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    // Black text on the button-face colour, as a locked text box shows.
    QPalette palette = Text1->palette();
    const QColor face = palette.color(QPalette::Button);
    palette.setColor(QPalette::Base, face);
    palette.setColor(QPalette::Text, Qt::black);
    Text1->setPalette(palette);

    // The box keeps its lines with its own line breaks; the text is the help text all the same.
    QString text = help::text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text1->setPlainText(text);
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

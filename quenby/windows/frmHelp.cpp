#include "quenby/windows/frmHelp.h"

#include "platform/widgets/Fonts.h"
#include "platform/widgets/FormKit.h"
#include "quenby/logic/HelpText.h"

#include <QPlainTextEdit>

frmHelp::frmHelp(QWidget *parent) : QWidget(parent)
{
    form::setupFixedWindow(this, QStringLiteral("frmHelp"), QStringLiteral("帮助"), 6735, 6990);

    Text1 = form::add<QPlainTextEdit>(this, "Text1", {120, 120, 6615, 6855}, fonts::make(fonts::kSong, 12));
    Text1->setAccessibleName(QStringLiteral("帮助内容"));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    // Black text on the button-face colour, as a locked text box shows.
    QPalette palette = Text1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    palette.setColor(QPalette::Text, Qt::black);
    Text1->setPalette(palette);

    // The box keeps its lines with its own line breaks; the text is the help text all the same.
    QString text = help::text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text1->setPlainText(text);
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Read-only: copying and selecting all are what its menu offers.
    form::useChineseCopyMenu(Text1);
}

#include "windows/Form5.h"

#include "logic/ReportFigures.h"
#include "logic/TextNumbers.h"
#include "widgets/Fonts.h"
#include "widgets/Twips.h"
#include "widgets/WindowRegistry.h"
#include "windows/Form3.h"
#include "windows/FormPictures.h"
#include "windows/FormWidgets.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using formWidgets::makeLabel;

QLabel *makeFace(QWidget *parent, const char *name, const QString &file)
{
    QLabel *picture = formWidgets::makePicture(parent, name);
    picture->setPixmap(formPictures::facePixmap(file, twips::toPixels(480)));
    return picture;
}

} // namespace

Form5::Form5(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("成绩汇报 "));
    twips::setClientSize(this, 5700, 4140);
    formWidgets::fixedSizeFrame(this);
    formWidgets::paintCyan(this, false);

    // A tiny box without behaviour; first in the Tab order, but the Tab key passes it by.
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFocusPolicy(Qt::ClickFocus);
    twips::place(Text1, 3285, 3600, 90, 180);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    twips::place(Image1, 240, 360, 5220, 810);
    Image1->setPixmap(formPictures::banner(Image1->size(), QStringLiteral("看看我的成绩"), QString()));
    Image1->setToolTip(QStringLiteral("虚心使人进步，骄傲使人落后！"));

    const QFont words = fonts::make(QStringLiteral("隶书"), 15.75);
    const QFont smallWords = fonts::make(QStringLiteral("隶书"), 15);
    const QFont figures = fonts::make(QStringLiteral("Arial"), 21.75);

    Label1_1 = makeLabel(this, "Label1_1", QStringLiteral("共做"), words);
    twips::place(Label1_1, 720, 1920, 975, 495);
    Label4 = makeLabel(this, "Label4", QString(), figures, Qt::AlignHCenter);
    twips::place(Label4, 1560, 1860, 855, 495);
    Label7_0 = makeLabel(this, "Label7_0", QStringLiteral("题"), words);
    twips::place(Label7_0, 2640, 1980, 375, 375);
    Label10 = makeLabel(this, "Label10", QStringLiteral("每分"), smallWords);
    twips::place(Label10, 3360, 2040, 735, 495);
    Label11 = makeLabel(this, "Label11", QString(), figures, Qt::AlignHCenter);
    twips::place(Label11, 4200, 1920, 855, 495);
    Label12 = makeLabel(this, "Label12", QStringLiteral("题"), smallWords);
    twips::place(Label12, 5160, 2040, 375, 375);

    Image2 = makeFace(this, "Image2", formPictures::SmileFile);
    twips::place(Image2, 840, 2587, 480, 480);
    Label5 = makeLabel(this, "Label5", QString(), figures, Qt::AlignHCenter);
    twips::place(Label5, 1560, 2520, 855, 495);
    Label7_1 = makeLabel(this, "Label7_1", QStringLiteral("题"), words);
    twips::place(Label7_1, 2640, 2700, 375, 375);
    Label8 = makeLabel(this, "Label8", QStringLiteral("得分"), words);
    twips::place(Label8, 3720, 2640, 975, 615);
    Label9 = makeLabel(this, "Label9", QString(), fonts::make(QStringLiteral("Arial"), 18), Qt::AlignHCenter);
    twips::place(Label9, 4800, 2640, 735, 735);

    Image3 = makeFace(this, "Image3", formPictures::FrownFile);
    twips::place(Image3, 840, 3240, 480, 480);
    Label6 = makeLabel(this, "Label6", QString(), figures, Qt::AlignHCenter);
    twips::place(Label6, 1560, 3240, 855, 495);
    Label7_2 = makeLabel(this, "Label7_2", QStringLiteral("题"), words);
    twips::place(Label7_2, 2640, 3360, 375, 375);

    Command1 = new FormButton(QStringLiteral("退出"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(smallWords);
    twips::place(Command1, 4080, 3360, 855, 495);

    setTabOrder(Text1, Command1);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
}

void Form5::FillReport(int done, int right, int wrong, bool rateWanted)
{
    const Form3 *menu = WindowRegistry::instance().find<Form3>();
    const int minutes = menu ? leadingNumber(menu->minutesText()) : 0;
    const ReportTexts texts = reportTexts(done, right, wrong, rateWanted, minutes);
    Label4->setText(texts.done);
    Label5->setText(texts.right);
    Label6->setText(texts.wrong);
    Label9->setText(texts.score);
    if (rateWanted) {
        Label11->setText(texts.rate);
    } else {
        // The whole per-minute row goes.
        Label10->clear();
        Label11->clear();
        Label12->clear();
    }
}

void Form5::Command1_Click()
{
    close();
}

void Form5::closeEvent(QCloseEvent *event)
{
    // "退出" and the window's close box alike give control back to the menu.
    event->accept();
    Form3::ReturnToMenu();
}

#include "platform/widgets/Fonts.h"
#include "platform/widgets/Twips.h"
#include "platform/widgets/WindowRegistry.h"
#include "quenby/windows/FrmCal.h"
#include "quenby/windows/frmAbout.h"
#include "support/WindowTest.h"

#include <QLabel>
#include <QtTest>

class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void window();
    void labels_data();
    void labels();
    void picture();
    void lineAboutTheProgramFits();
    void openingTwiceShowsOneWindowAndCalculatorStays();

private:
    frmAbout *openAbout();
};

// The program's own font substitutes, so that the wrapped line is measured in the faces it shows.
void tst_frmAbout::initTestCase()
{
    fonts::installSubstitutes();
}

void tst_frmAbout::cleanup()
{
    WindowRegistry::instance().destroyAll();
}

frmAbout *tst_frmAbout::openAbout()
{
    auto *w = WindowRegistry::instance().show<frmAbout>();
    return QTest::qWaitForWindowExposed(w) ? w : nullptr;
}

void tst_frmAbout::window()
{
    auto *w = openAbout();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("关于本软件"));
    QCOMPARE(w->size(), twips::size(4950, 4125));
    QVERIFY(!w->isModal());
    QCOMPARE(w->findChildren<QWidget *>().size(), 5);
}

void tst_frmAbout::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twipsRect");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("colourRole"); // a palette role, or -1 for black

    QTest::newRow("Label1") << "Label1" << QRect(2640, 480, 1815, 495) << QStringLiteral("华文细黑") << 15.0
                            << true << int(QPalette::Link);
    QTest::newRow("Label4") << "Label4" << QRect(1800, 1080, 3255, 615) << QStringLiteral("黑体") << 24.0
                            << true << int(QPalette::Highlight);
    QTest::newRow("Label2") << "Label2" << QRect(240, 2160, 4455, 1215) << QStringLiteral("仿宋_GB2312")
                            << 14.25 << false << -1;
    QTest::newRow("Label3") << "Label3" << QRect(120, 3240, 4695, 495) << QStringLiteral("幼圆") << 10.5
                            << false << int(QPalette::ToolTipText);
}

void tst_frmAbout::labels()
{
    QFETCH(QString, name);
    QFETCH(QRect, twipsRect);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(int, colourRole);

    auto *w = openAbout();
    QVERIFY(w);
    auto *label = w->findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(windowtest::placeOf(label),
             twips::rect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
    QCOMPARE(label->font().family(), family);
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(label->font().bold(), bold);
    const QColor expected
        = colourRole < 0 ? QColor(Qt::black) : w->palette().color(QPalette::ColorRole(colourRole));
    QCOMPARE(label->palette().color(QPalette::WindowText), expected);
    QVERIFY(!label->text().trimmed().isEmpty());
}

void tst_frmAbout::picture()
{
    auto *w = openAbout();
    QVERIFY(w);
    auto *picture = w->findChild<QLabel *>("Picture1");
    QCOMPARE(picture->accessibleName(), QStringLiteral("算盘图片"));
    QVERIFY(picture);
    QCOMPARE(picture->geometry(), twips::rect(0, 0, 1620, 1635));
    const QPixmap pixmap = picture->pixmap();
    QVERIFY(!pixmap.isNull());
    QVERIFY(pixmap.width() <= picture->width() && pixmap.height() <= picture->height());
}

void tst_frmAbout::lineAboutTheProgramFits()
{
    auto *w = openAbout();
    QVERIFY(w);
    QCOMPARE(w->findChild<QLabel *>("Label4")->text(), QStringLiteral("Quenby"));
    QCOMPARE(w->findChild<QLabel *>("Label1")->text(), QStringLiteral("欢迎使用"));

    auto *line = w->findChild<QLabel *>("Label2");
    QVERIFY(line->text().startsWith(QStringLiteral("   ")));
    QVERIFY(line->text().at(3) != QLatin1Char(' '));
    QVERIFY(line->wordWrap());
    // Wrapped within the label, the whole sentence shows.
    QVERIFY(line->heightForWidth(line->width()) <= line->height());
}

void tst_frmAbout::openingTwiceShowsOneWindowAndCalculatorStays()
{
    auto *cal = WindowRegistry::instance().show<FrmCal>();
    auto *first = openAbout();
    QVERIFY(first);
    QCOMPARE(WindowRegistry::instance().show<frmAbout>(), first);
    QVERIFY(cal->isVisible());
    first->close();
    QTRY_VERIFY(!WindowRegistry::instance().find<frmAbout>());
    QVERIFY(cal->isVisible());
    QCOMPARE(WindowRegistry::instance().find<FrmCal>(), cal);
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"

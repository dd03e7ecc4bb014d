// What a person sees, pixel for pixel: every window of both programs, opened and in a filled state,
// rendered and compared with the reference pictures in tests/app/pictures/. A changed pixel fails
// and leaves the new picture and a difference picture in QUENBY_PICTURES_OUT (default: pictures-out
// in the current folder). With ARITH_TEST_DARK_DESKTOP set, the application has a dark desktop's
// palette before the programs start, and the windows must still match. The references hold only where the fonts and the Qt version are the ones
// they were made with (pictures/FINGERPRINT); elsewhere the check says so and skips.
// scripts/update-pictures makes the references anew.

#include "EveryWindow.h"
#include "platform/core/Services.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/WindowRegistry.h"
#include "quenby/QuenbyStartup.h"
#include "quenby/windows/FrmCal.h"
#include "quenby/windows/frmAbout.h"
#include "quenby/windows/frmHelp.h"
#include "quenby/windows/frmKs.h"
#include "quenby/windows/frmSave.h"
#include "quenby/windows/frmTj.h"
#include "support/FakeClock.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"
#include "support/WindowTest.h"
#include "tovrik/TovrikStartup.h"
#include "tovrik/windows/Form1.h"
#include "tovrik/windows/Form2.h"
#include "tovrik/windows/Form3.h"
#include "tovrik/windows/Form4.h"
#include "tovrik/windows/Form5.h"
#include "tovrik/windows/Form7.h"

#include <QApplication>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRawFont>
#include <QtTest>

#include <functional>

namespace {

// Brings a window into the state to show, and gives it.
using Scene = std::function<QWidget *()>;

QString referenceFolder()
{
    return QStringLiteral(PICTURES_DIR);
}

bool updating()
{
    return qEnvironmentVariableIsSet("QUENBY_UPDATE_PICTURES");
}

QString outputFolder()
{
    const QString out = qEnvironmentVariable("QUENBY_PICTURES_OUT", QStringLiteral("pictures-out"));
    QDir().mkpath(out);
    return out;
}

// What the pictures depend on besides the windows: the Qt version and every face the windows
// name, down to the font file's own header.
QString fingerprint()
{
    QStringList lines {QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion()))};
    const QStringList faces {fonts::kSong,        fonts::kHei,      fonts::kXihei,
                             fonts::kYouyuan,     fonts::kKai,      fonts::kLishu,
                             fonts::kHuawenLishu, fonts::kFangsong, fonts::kArial};
    for (const QString &face : faces) {
        for (bool bold : {false, true}) {
            const QRawFont raw = QRawFont::fromFont(fonts::make(face, 12, bold));
            const QByteArray head = QCryptographicHash::hash(raw.fontTable("head"), QCryptographicHash::Sha1);
            lines << QStringLiteral("%1%2: %3 %4 %5")
                         .arg(face, bold ? QStringLiteral(" bold") : QString(), raw.familyName(),
                              raw.styleName(), QString::fromLatin1(head.toHex().left(12)));
        }
    }
    const QFont plain = QApplication::font();
    lines << QStringLiteral("default: %1 %2").arg(QFontInfo(plain).family()).arg(plain.pointSizeF());
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// A picture of the pixels that differ: red where they differ, the reference faded elsewhere.
QImage difference(const QImage &reference, const QImage &actual)
{
    const QSize size = reference.size().expandedTo(actual.size());
    QImage diff(size, QImage::Format_RGB32);
    diff.fill(Qt::red);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const bool inBoth = reference.valid(x, y) && actual.valid(x, y);
            if (inBoth && reference.pixel(x, y) == actual.pixel(x, y)) {
                const int grey = qGray(reference.pixel(x, y));
                diff.setPixel(x, y, qRgb(192 + grey / 4, 192 + grey / 4, 192 + grey / 4));
            }
        }
    }
    return diff;
}

// A folder with the same contents on every machine, for the save dialog to open.
QString fixedFolder()
{
    const QString folder = QDir::tempPath() + QStringLiteral("/quenby-pictures/成绩");
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/三年级.txt"));
    if (!file.exists() && file.open(QIODevice::WriteOnly))
        file.write("85\n");
    return folder;
}

} // namespace

class tst_Pictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void window_data();
    void window();

private:
    template <class W> W *open();
    void type(QWidget *window, const QString &text);
    void enter(QWidget *window);

    ScriptedDialogs m_dialogs;
    FakeClock m_clock;
    ScriptedRandom m_random;
    bool m_fingerprintMatches = false;
    QString m_fingerprint;
};

// A dark desktop's palette (qt6ct's "darker" scheme), given to the application before the
// programs start, as a dark desktop theme does.
QPalette darkDesktop()
{
    QPalette dark(QColor(0x42, 0x42, 0x45));
    dark.setColor(QPalette::Window, QColor(0x22, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, QColor(0xe7, 0xe4, 0xe0));
    dark.setColor(QPalette::Base, QColor(0x42, 0x42, 0x45));
    dark.setColor(QPalette::Text, QColor(0xe7, 0xe4, 0xe0));
    dark.setColor(QPalette::Button, QColor(0x42, 0x42, 0x45));
    dark.setColor(QPalette::ButtonText, QColor(0xe7, 0xe4, 0xe0));
    dark.setColor(QPalette::Highlight, QColor(0x12, 0x60, 0x8a));
    dark.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::ToolTipText, QColor(0xe7, 0xe4, 0xe0));
    return dark;
}

void tst_Pictures::initTestCase()
{
    if (qEnvironmentVariableIsSet("ARITH_TEST_DARK_DESKTOP"))
        QApplication::setPalette(darkDesktop());
    // The caret stands still, so a picture does not depend on the moment it is taken.
    QApplication::setCursorFlashTime(0);
    startBothPrograms();

    m_fingerprint = fingerprint();
    QFile made(referenceFolder() + QStringLiteral("/FINGERPRINT"));
    if (updating()) {
        QDir().mkpath(referenceFolder());
        QVERIFY(made.open(QIODevice::WriteOnly | QIODevice::Truncate));
        made.write(m_fingerprint.toUtf8());
        m_fingerprintMatches = true;
    } else {
        m_fingerprintMatches
            = made.open(QIODevice::ReadOnly) && QString::fromUtf8(made.readAll()) == m_fingerprint;
    }
}

void tst_Pictures::init()
{
    services::setDialogs(&m_dialogs);
    services::setClock(&m_clock);
    services::setRandom(&m_random);
    m_clock.set(QDateTime(QDate(2026, 9, 1), QTime(8, 30, 0)));
    m_random = ScriptedRandom();
    // Every question drawn is the middle of its range.
    for (int i = 0; i < 400; ++i)
        m_random.push(0.5);
}

void tst_Pictures::cleanup()
{
    WindowRegistry::instance().destroyAll();
    services::reset();
}

template <class W> W *tst_Pictures::open()
{
    W *window = WindowRegistry::instance().show<W>();
    return windowtest::activate(window) ? window : nullptr;
}

void tst_Pictures::type(QWidget *window, const QString &text)
{
    for (QChar c : text)
        QTest::keyClick(window->windowHandle(), c.toLatin1());
}

void tst_Pictures::enter(QWidget *window)
{
    QTest::keyClick(window->windowHandle(), Qt::Key_Return);
}

void tst_Pictures::window_data()
{
    QTest::addColumn<Scene>("scene");
    auto row = [](const char *name, Scene scene) { QTest::newRow(name) << scene; };

    row("FrmCal", [this] { return open<FrmCal>(); });
    row("FrmCal-evaluated", [this] {
        auto *w = open<FrmCal>();
        type(w, QStringLiteral("(1+2)*3-4/8"));
        enter(w);
        return w;
    });
    row("frmTj", [this] { return open<frmTj>(); });
    row("frmTj-counted", [this] {
        auto *w = open<frmTj>();
        for (const char *mark : {"85", "92.5", "59", "100", "73", "60", "88"}) {
            type(w, QString::fromLatin1(mark));
            enter(w);
        }
        windowtest::clickButton(w, "cmdTongj");
        return w;
    });
    row("frmKs", [this] { return open<frmKs>(); });
    row("frmKs-graded", [this] {
        auto *w = open<frmKs>();
        windowtest::clickButton(w, "cmdMul");
        for (const char *answer : {"25", "24", "25"}) {
            type(w, QString::fromLatin1(answer));
            enter(w);
        }
        return w;
    });
    row("frmSave", [this] {
        qputenv("HOME", fixedFolder().toUtf8());
        auto *w = open<frmSave>();
        // The volumes of this machine stand in for drives; the picture shows one.
        auto *drives = windowtest::child<QComboBox>(w, "Drive1");
        const QSignalBlocker quiet(drives);
        drives->clear();
        drives->addItem(QStringLiteral("/"));
        return w;
    });
    row("frmHelp", [this] { return open<frmHelp>(); });
    row("frmAbout", [this] { return open<frmAbout>(); });
    row("Form3", [this] { return open<Form3>(); });
    row("Form1", [this] { return open<Form1>(); });
    row("Form1-answered", [this] {
        auto *w = open<Form1>();
        auto *answer = windowtest::child<QLineEdit>(w, "Text1");
        answer->setFocus();
        type(w, QStringLiteral("7"));
        enter(w);
        return static_cast<QWidget *>(w);
    });
    row("Form2", [this] { return open<Form2>(); });
    row("Form4", [this] { return open<Form4>(); });
    row("Form7", [this] { return open<Form7>(); });
    row("Form5", [this] {
        auto *w = open<Form5>();
        w->FillReport(20, 17, 3, drill::Ending::ByCount, 0);
        return static_cast<QWidget *>(w);
    });
}

void tst_Pictures::window()
{
    if (!m_fingerprintMatches)
        QSKIP(qPrintable(QStringLiteral("the reference pictures were made with other fonts or another Qt "
                                        "(see %1/FINGERPRINT); here:\n%2")
                             .arg(referenceFolder(), m_fingerprint)));
    QFETCH(Scene, scene);
    QWidget *w = scene();
    QVERIFY(w);
    windowtest::settle();
    const QImage actual = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString name = QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".png");
    const QString referencePath = referenceFolder() + QLatin1Char('/') + name;
    if (updating()) {
        QVERIFY(actual.save(referencePath));
        return;
    }
    const QImage reference = QImage(referencePath).convertToFormat(QImage::Format_RGB32);
    if (reference == actual)
        return;
    const QString out = outputFolder();
    actual.save(out + QLatin1Char('/') + name);
    difference(reference, actual).save(out + QStringLiteral("/diff-") + name);
    QFAIL(qPrintable(
        QStringLiteral("%1 differs from its reference %2 (%3); new picture and difference in %4")
            .arg(name, referencePath,
                 reference.isNull() ? QStringLiteral("no reference") : QStringLiteral("pixels changed"),
                 QDir(out).absolutePath())));
}

QTEST_MAIN(tst_Pictures)
#include "tst_Pictures.moc"

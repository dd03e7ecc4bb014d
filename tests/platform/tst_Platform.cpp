#include "platform/core/Clock.h"
#include "platform/core/RandomSource.h"
#include "platform/core/Services.h"
#include "platform/widgets/Pictures.h"
#include "platform/widgets/Twips.h"
#include "platform/widgets/WindowRegistry.h"
#include "support/FakeClock.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class Probe : public QWidget
{
public:
    static int alive;
    Probe() { ++alive; }
    ~Probe() override { --alive; }
};
int Probe::alive = 0;

class OtherProbe : public QWidget
{ };

} // namespace

class tst_Platform : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void twipsToPixels_data();
    void twipsToPixels();
    void randBelowAndCoin_data();
    void randBelowAndCoin();
    void scriptedRandomRunsOut();
    void realRandomStaysInRange();
    void scriptedDialogsRecordAndAnswer();
    void servicesFallBackToTheRealOnes();
    void registryKeepsOneWindowPerForm();
    void registryForgetsClosedWindows();
    void picturesAreLookedUpInTheCurrentFolderFirst();
    void picturesAreLookedUpInOrder();
};

void tst_Platform::cleanup()
{
    WindowRegistry::instance().destroyAll();
    services::reset();
}

void tst_Platform::twipsToPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("exact") << 4740 << 316;
    QTest::newRow("rounds down") << 2587 << 172;
    QTest::newRow("rounds up") << 975 << 65;
    QTest::newRow("under half a pixel") << 7 << 0;
    QTest::newRow("over half a pixel") << 8 << 1;
}

void tst_Platform::twipsToPixels()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(twips::toPixels(twips), pixels);
}

void tst_Platform::randBelowAndCoin_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("coinFace");
    QTest::newRow("zero") << 0.0 << 10 << 0 << 0;
    QTest::newRow("just below a half") << 0.4999999 << 10 << 4 << 0;
    QTest::newRow("a half") << 0.5 << 10 << 5 << 1;
    QTest::newRow("top") << 0.9999999 << 101 << 100 << 1;
    QTest::newRow("exact product") << 0.7 << 10 << 7 << 1;
}

void tst_Platform::randBelowAndCoin()
{
    QFETCH(double, r);
    QFETCH(int, n);
    QFETCH(int, drawn);
    QFETCH(int, coinFace);
    ScriptedRandom source {r, r};
    QCOMPARE(randBelow(source, n), drawn);
    QCOMPARE(coin(source), coinFace);
    QCOMPARE(source.remaining(), std::size_t(0));
}

void tst_Platform::scriptedRandomRunsOut()
{
    ScriptedRandom source {0.25};
    source.reseed();
    QCOMPARE(source.next(), 0.25);
    QCOMPARE(source.reseeds(), 1);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, source.next());
}

void tst_Platform::realRandomStaysInRange()
{
    ClockSeededRandom source;
    double low = 1, high = 0;
    for (int i = 0; i < 20000; ++i) {
        if (i % 100 == 0)
            source.reseed();
        const double r = source.next();
        QVERIFY(r >= 0.0 && r < 1.0);
        low = std::min(low, r);
        high = std::max(high, r);
    }
    QVERIFY(low < 0.01);
    QVERIFY(high > 0.99);

    // Two reseeds in a row do not repeat the sequence.
    source.reseed();
    const double a = source.next();
    source.reseed();
    const double b = source.next();
    QVERIFY(a != b);
}

void tst_Platform::scriptedDialogsRecordAndAnswer()
{
    ScriptedDialogs dialogs;
    dialogs.scriptConfirm(false);
    dialogs.scriptInput(QStringLiteral("20"));
    QVERIFY(!dialogs.confirm(nullptr, QStringLiteral("确定保存吗？"), QStringLiteral("保存"),
                             Dialogs::Icon::Question));
    QVERIFY(dialogs.confirm(nullptr, QStringLiteral("again"), QStringLiteral("t"), Dialogs::Icon::None));
    QCOMPARE(dialogs.input(nullptr, QStringLiteral("how many?")), QStringLiteral("20"));
    QCOMPARE(dialogs.input(nullptr, QStringLiteral("how many?")), QString()); // as Cancel
    dialogs.inform(nullptr, QString(), QStringLiteral("已保存"));

    const auto &shown = dialogs.shown();
    QCOMPARE(shown.size(), std::size_t(5));
    QCOMPARE(shown[0].text, QStringLiteral("确定保存吗？"));
    QCOMPARE(shown[0].title, QStringLiteral("保存"));
    QCOMPARE(shown[0].icon, Dialogs::Icon::Question);
    QCOMPARE(shown[4].kind, ScriptedDialogs::Shown::Kind::Inform);
    QCOMPARE(shown[4].title, QStringLiteral("已保存"));
}

void tst_Platform::servicesFallBackToTheRealOnes()
{
    FakeClock clock;
    services::setClock(&clock);
    QCOMPARE(services::clock().now(), clock.now());
    services::reset();
    QVERIFY(qAbs(services::clock().now().secsTo(QDateTime::currentDateTime())) < 5);
}

void tst_Platform::registryKeepsOneWindowPerForm()
{
    auto &registry = WindowRegistry::instance();
    QCOMPARE(registry.find<Probe>(), nullptr);
    Probe *first = registry.open<Probe>();
    QCOMPARE(registry.open<Probe>(), first);
    QCOMPARE(registry.show<Probe>(), first);
    QVERIFY(first->isVisible());
    QVERIFY(first->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(registry.open<OtherProbe>() != nullptr);
    QCOMPARE(Probe::alive, 1);
    registry.destroyAll();
    QCOMPARE(Probe::alive, 0);
    QCOMPARE(registry.find<Probe>(), nullptr);
    QCOMPARE(registry.find<OtherProbe>(), nullptr);
}

void tst_Platform::registryForgetsClosedWindows()
{
    auto &registry = WindowRegistry::instance();
    Probe *first = registry.show<Probe>();
    QPointer<Probe> guard(first);
    first->close();
    QTRY_VERIFY(guard.isNull()); // deleted later by the event loop
    QCOMPARE(registry.find<Probe>(), nullptr);
    Probe *second = registry.open<Probe>();
    QVERIFY(second != nullptr);
    QCOMPARE(Probe::alive, 1);
}

void tst_Platform::picturesAreLookedUpInTheCurrentFolderFirst()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));

    QCOMPARE(pictures::locate(QStringLiteral("nowhere.ico"), QStringLiteral("tovrik")), QString());
    QVERIFY(pictures::load(QStringLiteral("nowhere.ico"), QStringLiteral("tovrik")).isNull());

    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::yellow);
    QVERIFY(image.save(dir.filePath(QStringLiteral("face.ico")), "ICO"));
    QCOMPARE(pictures::locate(QStringLiteral("face.ico"), QStringLiteral("tovrik")),
             QDir(dir.path()).absoluteFilePath(QStringLiteral("face.ico")));
    QCOMPARE(pictures::load(QStringLiteral("face.ico"), QStringLiteral("tovrik")).size(), QSize(16, 16));

    // An unreadable picture is no picture, not a crash.
    QFile broken(dir.filePath(QStringLiteral("broken.ico")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    QVERIFY(pictures::load(QStringLiteral("broken.ico"), QStringLiteral("tovrik")).isNull());

    QDir::setCurrent(previous);
}

void tst_Platform::picturesAreLookedUpInOrder()
{
    // A program and a file name of this run only, since two of the folders are real ones: the
    // test's own folder and the share/ folder beside it.
    const QString pid = QString::number(QCoreApplication::applicationPid());
    const QString program = QStringLiteral("tst-pictures-") + pid;
    const QString name = QStringLiteral("order-") + pid + QStringLiteral(".ico");
    QTemporaryDir current;
    QTemporaryDir dataHome;
    QVERIFY(current.isValid() && dataHome.isValid());
    const QString previous = QDir::currentPath();
    const QByteArray previousDataHome = qgetenv("XDG_DATA_HOME");
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString installed = QDir::cleanPath(programDir + QStringLiteral("/../share/") + program);
    const auto restore = qScopeGuard([&] {
        QDir::setCurrent(previous);
        qputenv("XDG_DATA_HOME", previousDataHome);
        QFile::remove(QDir(programDir).filePath(name));
        QDir(installed).removeRecursively();
    });
    QVERIFY(QDir::setCurrent(current.path()));
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());

    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::yellow);
    // Each folder in turn gets the picture; the lookup moves to the one that comes earlier.
    const QStringList folders = {
        dataHome.path() + QLatin1Char('/') + program, // a standard data folder
        installed,                                    // <executable's folder>/../share/<program>
        programDir,                                   // beside the executable
        current.path(),                               // the current folder
    };
    for (const QString &folder : folders) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(image.save(QDir(folder).filePath(name), "ICO"));
        QCOMPARE(pictures::locate(name, program), QDir::cleanPath(QDir(folder).absoluteFilePath(name)));
    }
}

QTEST_MAIN(tst_Platform)
#include "tst_Platform.moc"

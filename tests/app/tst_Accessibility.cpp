// What a screen reader finds in the windows of both programs: every control a person can reach by
// the keyboard or click has a name, and the texts that carry the outcome can be read.

#include "EveryWindow.h"
#include "platform/widgets/WindowRegistry.h"
#include "quenby/QuenbyStartup.h"
#include "tovrik/TovrikStartup.h"

#include <QAccessible>
#include <QApplication>
#include <QtTest>

#include <functional>

namespace {

bool reachable(QAccessibleInterface *node)
{
    const QAccessible::State state = node->state();
    if (state.invisible || state.disabled)
        return false;
    QAccessibleActionInterface *actions = node->actionInterface();
    const bool clickable
        = actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
    return state.focusable || clickable;
}

QString describe(const QAccessibleInterface *node)
{
    const QObject *object = node->object();
    return QStringLiteral("%1 (%2)").arg(object ? object->objectName() : QStringLiteral("?"),
                                         object ? QString::fromLatin1(object->metaObject()->className())
                                                : QStringLiteral("?"));
}

// Every reachable control below node without a name.
void collectNameless(QAccessibleInterface *node, QStringList &nameless, int depth = 0)
{
    if (!node || depth > 40)
        return;
    if (depth > 0 && reachable(node) && node->text(QAccessible::Name).trimmed().isEmpty())
        nameless << describe(node);
    for (int i = 0; i < node->childCount(); ++i)
        collectNameless(node->child(i), nameless, depth + 1);
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startQuenby();
        WindowRegistry::instance().destroyAll();
    }
    void cleanup() { WindowRegistry::instance().destroyAll(); }
    void everyReachableControlHasAName_data();
    void everyReachableControlHasAName();
};

void tst_Accessibility::everyReachableControlHasAName_data()
{
    addEveryWindowRow();
}

void tst_Accessibility::everyReachableControlHasAName()
{
    QFETCH(Opener, open);
    QWidget *window = open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window);
    QVERIFY(root);
    QStringList nameless;
    collectNameless(root, nameless);
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", "))));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_Accessibility.moc"

#pragma once

#include "platform/widgets/WindowRegistry.h"
#include "quenby/QuenbyStartup.h"
#include "quenby/windows/FrmCal.h"
#include "quenby/windows/frmAbout.h"
#include "quenby/windows/frmHelp.h"
#include "quenby/windows/frmKs.h"
#include "quenby/windows/frmSave.h"
#include "quenby/windows/frmTj.h"
#include "tovrik/TovrikStartup.h"
#include "tovrik/windows/Form1.h"
#include "tovrik/windows/Form2.h"
#include "tovrik/windows/Form3.h"
#include "tovrik/windows/Form4.h"
#include "tovrik/windows/Form5.h"
#include "tovrik/windows/Form7.h"

#include <QTest>

#include <functional>

// Opens one window of either program through its registry, as the programs do.
using Opener = std::function<QWidget *()>;
Q_DECLARE_METATYPE(Opener)

// A data row for every window of both programs, in the column "open".
inline void addEveryWindowRow()
{
    QTest::addColumn<Opener>("open");
    auto &registry = WindowRegistry::instance();
    QTest::newRow("FrmCal") << Opener([&] { return registry.show<FrmCal>(); });
    QTest::newRow("frmTj") << Opener([&] { return registry.show<frmTj>(); });
    QTest::newRow("frmKs") << Opener([&] { return registry.show<frmKs>(); });
    QTest::newRow("frmSave") << Opener([&] { return registry.show<frmSave>(); });
    QTest::newRow("frmHelp") << Opener([&] { return registry.show<frmHelp>(); });
    QTest::newRow("frmAbout") << Opener([&] { return registry.show<frmAbout>(); });
    QTest::newRow("Form3") << Opener([&] { return registry.show<Form3>(); });
    QTest::newRow("Form1") << Opener([&] { return registry.show<Form1>(); });
    QTest::newRow("Form2") << Opener([&] { return registry.show<Form2>(); });
    QTest::newRow("Form4") << Opener([&] { return registry.show<Form4>(); });
    QTest::newRow("Form7") << Opener([&] { return registry.show<Form7>(); });
    QTest::newRow("Form5") << Opener([&] { return registry.show<Form5>(); });
}

// Starts both programs as their main() does (palette, Enter, translations, fonts, services) and
// closes their first windows again, so each test opens what it needs.
inline void startBothPrograms()
{
    startQuenby();
    startTovrik();
    WindowRegistry::instance().destroyAll();
}

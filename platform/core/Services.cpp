#include "platform/core/Services.h"

#include "platform/core/Clock.h"
#include "platform/core/Dialogs.h"
#include "platform/core/RandomSource.h"

#include <QtGlobal>

namespace services {
namespace {

Dialogs *g_realDialogs = nullptr;
Dialogs *g_dialogs = nullptr;
Clock *g_clock = nullptr;
RandomSource *g_random = nullptr;

} // namespace

Dialogs &dialogs()
{
    if (g_dialogs)
        return *g_dialogs;
    if (!g_realDialogs)
        qFatal("services: no dialogs installed (a program installs its real ones at start-up)");
    return *g_realDialogs;
}

Clock &clock()
{
    static SystemClock real;
    return g_clock ? *g_clock : real;
}

RandomSource &random()
{
    static ClockSeededRandom real;
    return g_random ? *g_random : real;
}

void setRealDialogs(Dialogs *d)
{
    g_realDialogs = d;
}
void setDialogs(Dialogs *d)
{
    g_dialogs = d;
}
void setClock(Clock *c)
{
    g_clock = c;
}
void setRandom(RandomSource *r)
{
    g_random = r;
}

void reset()
{
    g_dialogs = nullptr;
    g_clock = nullptr;
    g_random = nullptr;
}

} // namespace services

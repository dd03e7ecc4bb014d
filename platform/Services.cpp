#include "Services.h"

#include "Clock.h"
#include "Dialogs.h"
#include "RandomSource.h"

namespace services {
namespace {

Dialogs *g_dialogs = nullptr;
Clock *g_clock = nullptr;
RandomSource *g_random = nullptr;

} // namespace

Dialogs &dialogs()
{
    static QtDialogs real;
    return g_dialogs ? *g_dialogs : real;
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

void setDialogs(Dialogs *d) { g_dialogs = d; }
void setClock(Clock *c) { g_clock = c; }
void setRandom(RandomSource *r) { g_random = r; }

void reset()
{
    g_dialogs = nullptr;
    g_clock = nullptr;
    g_random = nullptr;
}

} // namespace services

#pragma once

class Dialogs;
class Clock;
class RandomSource;

// The platform services of the running program. The program uses the real ones; a test installs
// fakes before it opens a window and restores the real ones with reset().
namespace services {

Dialogs &dialogs();
Clock &clock();
RandomSource &random();

// The real message and input boxes live with the widgets; a program installs them at start-up.
void setRealDialogs(Dialogs *dialogs);

// Stand-ins for tests; reset() goes back to the real ones.
void setDialogs(Dialogs *dialogs);
void setClock(Clock *clock);
void setRandom(RandomSource *random);
void reset();

} // namespace services

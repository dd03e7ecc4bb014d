#pragma once

class QWidget;

namespace firstWindow {

// For checks of an installed program: when the environment variable ARITH_EXIT_AFTER_START is
// set to 1, writes "first window shown: <class> “<title>”" to standard error once the program's
// first window is on the screen, then ends the event loop (exit code 0). Does nothing otherwise.
void quitOnceShownIfAsked(QWidget *first);

} // namespace firstWindow

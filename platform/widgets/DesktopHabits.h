#pragma once

#include <QPalette>

// What a person expects of the programs' windows on any desktop, set up once at start-up.
namespace habits {

// The light palette the windows were designed on, Qt's own (Fusion's), whatever style and colour
// scheme the desktop has. Windows give some of their texts and backgrounds colours of their
// own and keep the others from this palette, so every text stays readable under a dark theme.
QPalette designedPalette();

// Gives the application the designed palette (once; again is harmless) and makes Enter (and keypad Enter) press the
// focused push button, as Space does. A held key's auto-repeat never reaches a window other than
// the one in which the key went down, so it cannot press a button of a window that opened while
// the key was held.
void install();

} // namespace habits

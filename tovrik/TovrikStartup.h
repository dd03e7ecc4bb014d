#pragma once

class QWidget;

// What tovrik does at start once its QApplication exists: the program's name, the font
// substitutes, the window icon, and the menu window, shown. Gives that first window.
QWidget *startTovrik();

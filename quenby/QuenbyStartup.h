#pragma once

class QWidget;

// What quenby does at start once its QApplication exists: the program's name, the font
// substitutes, and the calculator window, shown. Gives that first window.
QWidget *startQuenby();

#pragma once

#include <QString>
#include <QStringList>

namespace stats {

// What a paste into the mark box brings: a column or row copied from a spreadsheet holds several
// entries, each taken by the mark rule in turn; a single cell is text to insert as if typed.
struct PastedMarks {
    bool severalEntries = false;
    QStringList accepted; // the entries the rule takes, in order, without their blanks
    QString refused;      // the entries it refuses, apart by one blank, to stay in the box
    QString single;       // with one entry (or none): its text, to insert at the caret
};

// Splits a pasted text at its line breaks (CR LF, LF, CR) and tabs, drops the blanks around each
// cell and skips the empty ones. More than one cell: several entries; else the one cell's text.
PastedMarks readPastedMarks(const QString &text);

} // namespace stats

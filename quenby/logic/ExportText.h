#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

// The two text blocks that the program appends to a file of the user's choice, the calculation
// record and the statistics report, and the step that appends a block to a file.
// Inside a line there are two kinds of join: the first join writes nothing, the second pads with
// blanks to the start of the next 14-column print zone (zones start at columns 1, 15, 29, ...),
// counting an East Asian wide character as two columns. Every summary value of the statistics
// report therefore starts in column 15.

namespace exporttext {

// Width of a print zone in columns.
inline constexpr int kPrintZoneWidth = 14;

// The columns a text takes in a fixed-width display: two for East Asian wide and full-width
// characters, one for every other character.
int displayColumns(QStringView text);

// The blanks of the second join after a line that already holds lineSoFar: up to the start of
// the next print zone, at least one blank.
QString printZonePadding(QStringView lineSoFar);

// The fifteen labels of the summary lines of the statistics report, exactly, trailing blanks
// included.
const QStringList &summaryLabels();

// The current date and time as the time stamp line: the locale's short date, one blank, the
// time of day on the 24-hour clock with seconds ("2005/6/15 10:20:30" in a Chinese locale). The
// whole stamp is in ASCII digits: the date keeps the locale's order, separators and marks but
// not its own digits ("2026/12/10" under Pashto). The time has ASCII separators: the hours as
// wide as the locale writes them, and the locale's separator when it is ":" or ".", else ":".
// The C locale, which stands for no locale chosen, writes the date as year-month-day
// ("2005-6-15 10:20:30").
QString timeStampText(const QDateTime &when, const QLocale &locale = QLocale());

// The calculation record: an empty line, the time stamp, and the expression text, "=" and the
// result text joined by the first join. Texts are copied as they are, line breaks included.
QStringList calcRecordLines(const QString &expression, const QString &result, const QString &timeStamp);

// The statistics report: an empty line, the time stamp, one line per mark as typed, and fifteen
// summary lines, each a label, the second join and a result text. results holds the fourteen
// result texts in the order of the statistics window's boxes; a missing one counts as empty.
QStringList scoreReportLines(const QStringList &marks, const QStringList &results, const QString &timeStamp);

// The file a block goes to: the folder, "/" unless the folder already ends in "/" or "\", and
// the file name unchanged (no extension is added).
QString filePathFor(const QString &folder, const QString &fileName);

// The character set of the user's locale, in which the blocks are written: the ANSI code page
// on Windows; elsewhere the locale's codeset (UTF-8 on a usual Linux system, GB18030 under a GB
// locale), with UTF-8 standing in for the plain ASCII of the C locale.
QByteArray localeEncodingName();

// What became of an append.
struct AppendOutcome {
    bool ok = false;
    QString path;   // the file that was, or would have been, written
    QString reason; // why it failed, for the user; empty on success
};

// Appends the lines, each ending in CR LF, to the file filePathFor(folder, fileName), encoded in
// the given character set: the file is created if it is missing, its bytes are kept, the block
// goes after its last byte in one write, and the file is closed. On failure (no file name, no
// such folder, a name that is a folder, a character the encoding cannot hold, a file that cannot
// be opened or written) the outcome says why and the file is as it was before: a partly written
// block is cut off again and a file created for it is removed. The append and its taking back
// hold an advisory lock on the open file, which appends of other processes of the program wait
// for, so a failed append removes only its own bytes, never a block another process added.
AppendOutcome appendLines(const QString &folder, const QString &fileName, const QStringList &lines,
                          const QByteArray &encoding = localeEncodingName());

// The folders from the top of the file system down to the given folder, each as a full path:
// "/home/ann" gives "/", "/home", "/home/ann".
QStringList folderChain(const QString &folder);

} // namespace exporttext

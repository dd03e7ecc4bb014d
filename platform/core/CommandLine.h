#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The command line of a windowed program, read before its application object exists, so that
// --help and --version print and end without a display.
namespace commandLine {

// What a program says about itself.
struct About {
    QString program;     // the executable's name, as in the usage line: "quenby"
    QString description; // one line in Chinese
    QString version;     // "1.0.0"
};

// What the command line asks for: start the program, or end at once with an exit code after
// writing a text to standard output or standard error.
struct Outcome {
    bool start = true;
    int exitCode = 0;
    QString out;
    QString err;
};

// The exit code of a wrong command line (an unknown option, a missing value, an argument).
inline constexpr int kUsageError = 2;

// Reads the arguments (the first is the program itself). -h/--help and -v/--version give the
// Chinese help or the version and exit code 0; an unknown option or any argument gives a
// Chinese message and kUsageError. Qt's own options (-platform, -style, -session …) are
// accepted and left for the application object.
Outcome read(const QStringList &arguments, const About &about);

// read() on main()'s arguments, printing what it says. Gives the exit code when the program
// is to end now, nothing when it is to start.
std::optional<int> handle(int argc, char *argv[], const About &about);

} // namespace commandLine

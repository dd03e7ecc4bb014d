#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The command line of a windowed program: --help and --version are read before its application
// object exists, so that they print and end without a display; the rest once Qt has taken its own
// options.
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

// Reads the arguments (the first is the program itself) before the application object exists:
// -h/--help and -v/--version give the Chinese help or the version and exit code 0, whatever else
// stands on the line; anything else is left for later.
Outcome readEarly(const QStringList &arguments, const About &about);

// Reads what the application object left of the arguments once it took Qt's own options
// (-platform, -style, -session …): an unknown option or any argument gives a Chinese message and
// kUsageError.
Outcome readRest(const QStringList &arguments, const About &about);

// readEarly() on main()'s arguments, printing what it says. Gives the exit code when the program
// is to end now, nothing when it is to go on.
std::optional<int> handle(int argc, char *argv[], const About &about);

// readRest() on QCoreApplication::arguments(), printing what it says; the same answer.
std::optional<int> handleRest(const QStringList &arguments, const About &about);

} // namespace commandLine

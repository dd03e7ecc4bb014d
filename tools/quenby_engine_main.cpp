// quenby-engine: drives the calculator's engine without a window, one line in, one line out.
#include "engine/EvaluateCommand.h"
#include "logic/ScoreStatistics.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

namespace {

const char *const kHelp
    = "usage: quenby-engine [--stats | --help | --version]\n"
      "\n"
      "Reads standard input line by line and writes one output line per input line,\n"
      "flushing after each.\n"
      "\n"
      "  (default)  each input line is one raw expression; the output is the normalised\n"
      "             text, a TAB, and the display text. An empty input line is the empty\n"
      "             expression; its normalised text (none) is written as <none>.\n"
      "  --stats    each input line is a list of mark texts separated by '|'; the output\n"
      "             is the fourteen result texts of the score statistics (total and head\n"
      "             count, mean, standard deviation, highest, lowest, the four grade bands\n"
      "             and the five ten-point buckets), separated by TABs. An empty line\n"
      "             is the empty list and gives <none>. A list with a mark that the\n"
      "             statistics window would refuse (empty, a character other than the\n"
      "             digits 0-9 and '.', or a value above 150; \"85||90\" holds an empty\n"
      "             mark) gives <refused>, a TAB and the first such mark. A carriage\n"
      "             return at the very end of a line (a CR LF line end) is dropped.\n"
      "  --help     prints this text.\n"
      "  --version  prints the name and the version of the program.\n"
      "\n"
      "In input and output, \\\\, \\r, \\n and \\t stand for a backslash, a carriage return,\n"
      "a line feed and a tab; every other character is itself (UTF-8).\n";

// Undoes the escapes of an input line. An unknown escape keeps its backslash.
std::string unescape(std::string_view line)
{
    std::string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\' || i + 1 == line.size()) {
            out.push_back(line[i]);
            continue;
        }
        switch (line[i + 1]) {
        case '\\':
            out.push_back('\\');
            ++i;
            break;
        case 'r':
            out.push_back('\r');
            ++i;
            break;
        case 'n':
            out.push_back('\n');
            ++i;
            break;
        case 't':
            out.push_back('\t');
            ++i;
            break;
        default:
            out.push_back('\\');
            break;
        }
    }
    return out;
}

std::string escape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out.push_back(c);
            break;
        }
    }
    return out;
}

// An input line as text; malformed UTF-8 becomes U+FFFD.
QString fromLine(std::string_view line)
{
    const std::string text = unescape(line);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Text as an output field: UTF-8 with the escapes.
std::string toField(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    return escape(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

std::string evaluateLine(std::string_view line)
{
    const QString raw = fromLine(line);
    const std::u16string_view rawView(reinterpret_cast<const char16_t *>(raw.utf16()),
                                      static_cast<std::size_t>(raw.size()));
    const engine::Evaluation e = engine::EvaluateExpression(rawView);
    std::string out = e.hasNormalised ? toField(e.normalised) : std::string("<none>");
    out += '\t';
    out += toField(e.display);
    return out;
}

std::string statsLine(std::string_view line);

} // namespace

int main(int argc, char *argv[])
{
    bool stats = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::fputs("quenby-engine " QUENBY_VERSION "\n", stdout);
            return 0;
        }
        if (arg == "--stats") {
            stats = true;
            continue;
        }
        std::fprintf(stderr, "quenby-engine: unknown option '%s'\n\n%s", argv[i], kHelp);
        return 2;
    }

    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::string out = stats ? statsLine(line) : evaluateLine(line);
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    return 0;
}

namespace {

// One list of marks in, the fourteen result texts out (see the help text).
std::string statsLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.empty())
        return "<none>";

    const QStringList marks = fromLine(line).split(QLatin1Char('|'));
    for (const QString &mark : marks) {
        if (!stats::IsAcceptableMark(mark))
            return "<refused>\t" + toField(mark);
    }

    const QStringList results = stats::ComputeStatistics(marks);
    std::string out;
    for (qsizetype i = 0; i < results.size(); ++i) {
        if (i > 0)
            out += '\t';
        out += toField(results[i]);
    }
    return out;
}

} // namespace

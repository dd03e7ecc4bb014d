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
std::string Unescape(std::string_view line)
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

std::string Escape(std::string_view text)
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

// UTF-8 to UTF-16; a malformed sequence becomes U+FFFD.
std::u16string FromUtf8(std::string_view s)
{
    std::u16string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        char32_t cp = 0xFFFD;
        std::size_t len = 1;
        auto cont = [&](std::size_t k) {
            return i + k < s.size() && (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
        };
        if (b0 < 0x80) {
            cp = b0;
        } else if ((b0 & 0xE0) == 0xC0 && cont(1)) {
            cp = ((b0 & 0x1F) << 6) | (s[i + 1] & 0x3F);
            len = 2;
            if (cp < 0x80)
                cp = 0xFFFD;
        } else if ((b0 & 0xF0) == 0xE0 && cont(1) && cont(2)) {
            cp = ((b0 & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F);
            len = 3;
            if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))
                cp = 0xFFFD;
        } else if ((b0 & 0xF8) == 0xF0 && cont(1) && cont(2) && cont(3)) {
            cp = ((b0 & 0x07) << 18) | ((s[i + 1] & 0x3F) << 12) | ((s[i + 2] & 0x3F) << 6)
                | (s[i + 3] & 0x3F);
            len = 4;
            if (cp < 0x10000 || cp > 0x10FFFF)
                cp = 0xFFFD;
        }
        i += len;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view s)
{
    std::string out;
    out.reserve(s.size() * 3);
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t cp = s[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::string EvaluateLine(std::string_view line)
{
    const engine::Evaluation e = engine::EvaluateExpression(FromUtf8(Unescape(line)));
    std::string out = e.hasNormalised ? Escape(ToUtf8(e.normalised)) : std::string("<none>");
    out += '\t';
    out += Escape(ToUtf8(e.display));
    return out;
}

std::string StatsLine(std::string_view line);

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
        const std::string out = stats ? StatsLine(line) : EvaluateLine(line);
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    return 0;
}

namespace {

// One list of marks in, the fourteen result texts out (see the help text).
std::string StatsLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.empty())
        return "<none>";

    const std::u16string text = FromUtf8(Unescape(line));
    const QStringList marks = QString::fromStdU16String(text).split(QLatin1Char('|'));
    for (const QString &mark : marks) {
        if (!IsAcceptableMark(mark))
            return "<refused>\t" + Escape(ToUtf8(mark.toStdU16String()));
    }

    const QStringList results = ComputeStatistics(marks);
    std::string out;
    for (qsizetype i = 0; i < results.size(); ++i) {
        if (i > 0)
            out += '\t';
        out += Escape(ToUtf8(results[i].toStdU16String()));
    }
    return out;
}

} // namespace

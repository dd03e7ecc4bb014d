// quenby-engine: drives the calculator's engine without a window, one line in, one line out.
#include "quenby/engine/EvaluateCommand.h"
#include "quenby/logic/ClassReport.h"
#include "quenby/logic/EngineText.h"
#include "quenby/logic/ExportText.h"
#include "quenby/logic/ScoreStatistics.h"
#include "quenby/report/ReportPages.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDateTime>
#include <QGuiApplication>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

namespace {

const char *const kHelp
    = "usage: quenby-engine [--stats | --report FILE.pdf | --help | --version]\n"
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
      "  --report FILE.pdf\n"
      "             each input line is one mark (a column saved from a spreadsheet; CR LF\n"
      "             or LF; blank lines are skipped, blanks around a mark dropped). The\n"
      "             marks that the statistics window takes make a printable class report,\n"
      "             written to FILE.pdf (A4): the marks, the fourteen results and a chart.\n"
      "             A refused line is named on standard error and left out. Exit code 0:\n"
      "             written; 3: written, some lines refused; 1: nothing written (no mark\n"
      "             taken, or the file cannot be written); 2: wrong options.\n"
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
    const engine::Evaluation e = engine::EvaluateExpression(engineText::view(raw));
    std::string out = e.hasNormalised ? toField(e.normalised) : std::string("<none>");
    out += '\t';
    out += toField(e.display);
    return out;
}

std::string statsLine(std::string_view line);

// A message for the user on standard error, in UTF-8 as all the tool's text.
void complain(const QString &message)
{
    const QByteArray utf8 = (QStringLiteral("quenby-engine：") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stderr);
}

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitSomeRefused = 3;

int usageError(const QString &message)
{
    complain(message);
    std::fputs("\n", stderr);
    std::fputs(kHelp, stderr);
    return kExitUsage;
}

int writeReport(const QString &path);

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    const QCommandLineOption help(QStringList {QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption stats(QStringLiteral("stats"));
    const QCommandLineOption report(QStringLiteral("report"), QString(), QStringLiteral("FILE.pdf"));
    parser.addOptions({help, version, stats, report});
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return usageError(
                QStringLiteral("未知的选项“%1”。").arg(parser.unknownOptionNames().constFirst()));
        return usageError(QStringLiteral("选项 --report 后面要有 PDF 文件的名字。"));
    }
    if (parser.isSet(help)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::fputs("quenby-engine " QUENBY_VERSION "\n", stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("多余的参数“%1”。").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(stats) && parser.isSet(report))
        return usageError(QStringLiteral("--stats 和 --report 不能同时使用。"));
    if (parser.isSet(report))
        return writeReport(parser.value(report));

    const bool statsMode = parser.isSet(stats);
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::string out = statsMode ? statsLine(line) : evaluateLine(line);
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

namespace {

// The marks on standard input, one a line, into a PDF class report (see the help text).
int writeReport(const QString &path)
{
    QStringList marks;
    bool someRefused = false;
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const QString mark = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())).trimmed();
        if (mark.isEmpty())
            continue;
        if (stats::IsAcceptableMark(mark)) {
            marks << mark;
            continue;
        }
        someRefused = true;
        complain(QStringLiteral("第 %1 行“%2”不是可以统计的分数，已略过。")
                     .arg(number)
                     .arg(QString::fromStdString(toField(mark))));
    }
    if (marks.isEmpty()) {
        complain(QStringLiteral("没有可以统计的分数，没有写入“%1”。").arg(path));
        return kExitFailed;
    }

    // Drawing needs the GUI part of Qt, but no screen: the report never opens a window. Qt's own
    // notes about the session (no runtime folder, say) are no concern of the user's.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            complain(message);
    });
    int argc = 1;
    char name[] = "quenby-engine";
    char *argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    const classreport::Content content
        = classreport::makeContent(marks, exporttext::timeStampText(QDateTime::currentDateTime()));
    QString reason;
    if (!reportpages::writePdf(path, content, &reason)) {
        complain(reason);
        return kExitFailed;
    }
    return someRefused ? kExitSomeRefused : 0;
}

} // namespace

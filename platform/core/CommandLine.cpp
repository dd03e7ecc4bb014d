#include "platform/core/CommandLine.h"

#include "platform/core/LocaleCodeset.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringEncoder>

#include <clocale>
#include <cstdio>

namespace commandLine {

namespace {

struct Options {
    QCommandLineOption help {{QStringLiteral("h"), QStringLiteral("help")},
                             QStringLiteral("显示本帮助并退出")};
    QCommandLineOption version {{QStringLiteral("v"), QStringLiteral("version")},
                                QStringLiteral("显示版本并退出")};
};

QString optionNames(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    return names.join(QStringLiteral(", "));
}

QString helpText(const About &about, const Options &options)
{
    QString text = QStringLiteral("用法：%1 [选项]\n%2\n\n选项：\n").arg(about.program, about.description);
    for (const QCommandLineOption *option : {&options.help, &options.version})
        text += QStringLiteral("  %1  %2\n").arg(optionNames(*option), -14).arg(option->description());
    text += QStringLiteral("\n另可使用 Qt 的通用选项，如 -platform、-style、-reverse。\n");
    return text;
}

// The option of the given name as it stands on the command line ("-x", "--bogus"), without a value.
QString asTyped(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1)) {
        const QString typed = argument.section(QLatin1Char('='), 0, 0);
        if (typed.startsWith(QLatin1Char('-'))
            && QStringView(typed).mid(typed.startsWith(QLatin1String("--")) ? 2 : 1) == name)
            return typed;
    }
    return name;
}

// The text in the character set of the user's locale, as a terminal shows it (GB18030 under a GB
// locale); UTF-8 under the C locale, whose ASCII cannot hold Chinese, and for a character set
// that Qt does not know. No application object exists yet to have set the locale up.
QByteArray inLocaleEncoding(const QString &text)
{
    std::setlocale(LC_CTYPE, "");
    QStringEncoder encoder(codeset::ofLocale().constData());
    if (!encoder.isValid())
        return text.toUtf8();
    return encoder.encode(text);
}

Outcome end(int exitCode, const QString &out, const QString &err)
{
    return {.start = false, .exitCode = exitCode, .out = out, .err = err};
}

QString usageError(const About &about, const QString &what)
{
    return QStringLiteral("%1：%2\n请用“%1 --help”查看可用的选项。\n").arg(about.program, what);
}

// Whether the command line names the option, before a "--" that ends the options.
bool names(const QStringList &arguments, const QCommandLineOption &option)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            return false;
        for (const QString &name : option.names()) {
            if (argument == QLatin1Char('-') + name || argument == QLatin1String("--") + name)
                return true;
        }
    }
    return false;
}

void print(const Outcome &outcome)
{
    const QByteArray out = inLocaleEncoding(outcome.out);
    const QByteArray err = inLocaleEncoding(outcome.err);
    std::fwrite(out.constData(), 1, out.size(), stdout);
    std::fwrite(err.constData(), 1, err.size(), stderr);
    std::fflush(stdout);
}

} // namespace

Outcome readEarly(const QStringList &arguments, const About &about)
{
    const Options options;
    // Help and version win over everything else on the line, as with most programs.
    if (names(arguments, options.help))
        return end(0, helpText(about, options), QString());
    if (names(arguments, options.version))
        return end(0, about.program + QLatin1Char(' ') + about.version + QLatin1Char('\n'), QString());
    return {};
}

Outcome readRest(const QStringList &arguments, const About &about)
{
    const Options options;
    QCommandLineParser parser;
    // "-bogus" is one option, as Qt reads its own, not the letters b, o, g …
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(options.help);
    parser.addOption(options.version);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        const QString what = unknown.isEmpty()
            ? QStringLiteral("选项缺少取值")
            : QStringLiteral("未知选项“%1”").arg(asTyped(arguments, unknown.first()));
        return end(kUsageError, QString(), usageError(about, what));
    }
    if (!parser.positionalArguments().isEmpty()) {
        const QString what = QStringLiteral("不接受参数“%1”").arg(parser.positionalArguments().first());
        return end(kUsageError, QString(), usageError(about, what));
    }
    return {};
}

std::optional<int> handle(int argc, char *argv[], const About &about)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Outcome outcome = readEarly(arguments, about);
    if (outcome.start)
        return std::nullopt;
    print(outcome);
    return outcome.exitCode;
}

std::optional<int> handleRest(const QStringList &arguments, const About &about)
{
    const Outcome outcome = readRest(arguments, about);
    if (outcome.start)
        return std::nullopt;
    print(outcome);
    return outcome.exitCode;
}

} // namespace commandLine

#include "logic/ExportText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#ifndef Q_OS_WIN
#include <langinfo.h>
#endif

namespace {

// East Asian Wide and Fullwidth characters, condensed from the Unicode East Asian Width data.
// Ambiguous characters count as narrow, as they do outside East Asian fixed-width fonts.
bool isWide(char32_t c)
{
    struct Range {
        char32_t first, last;
    };
    static constexpr Range ranges[] = {
        {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},   {0x23F0, 0x23F0},
        {0x23F3, 0x23F3},   {0x25FD, 0x25FE},   {0x2614, 0x2615},   {0x2648, 0x2653},   {0x267F, 0x267F},
        {0x2693, 0x2693},   {0x26A1, 0x26A1},   {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26C4, 0x26C5},
        {0x26CE, 0x26CE},   {0x26D4, 0x26D4},   {0x26EA, 0x26EA},   {0x26F2, 0x26F3},   {0x26F5, 0x26F5},
        {0x26FA, 0x26FA},   {0x26FD, 0x26FD},   {0x2705, 0x2705},   {0x270A, 0x270B},   {0x2728, 0x2728},
        {0x274C, 0x274C},   {0x274E, 0x274E},   {0x2753, 0x2755},   {0x2757, 0x2757},   {0x2795, 0x2797},
        {0x27B0, 0x27B0},   {0x27BF, 0x27BF},   {0x2B1B, 0x2B1C},   {0x2B50, 0x2B50},   {0x2B55, 0x2B55},
        {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},
        {0xA960, 0xA97F},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},
        {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x16FE0, 0x16FE4}, {0x17000, 0x18CFF}, {0x1B000, 0x1B2FF},
        {0x1F004, 0x1F004}, {0x1F0CF, 0x1F0CF}, {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A}, {0x1F200, 0x1F202},
        {0x1F210, 0x1F23B}, {0x1F240, 0x1F248}, {0x1F250, 0x1F251}, {0x1F260, 0x1F265}, {0x1F300, 0x1F64F},
        {0x1F680, 0x1F6FF}, {0x1F900, 0x1F9FF}, {0x1FA70, 0x1FAFF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
    };
    for (const Range &r : ranges) {
        if (c < r.first)
            return false;
        if (c <= r.last)
            return true;
    }
    return false;
}

// The locale's time format with seconds but without a time zone: the long time format with its
// zone fields taken out.
QString timeFormatWithSeconds(const QLocale &locale)
{
    const QString longFormat = locale.timeFormat(QLocale::LongFormat);
    QString format;
    bool quoted = false;
    for (QChar c : longFormat) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char('t'))
            continue;
        format += c;
    }
    format.remove(QStringLiteral("[]"));
    format.remove(QStringLiteral("()"));
    format = format.trimmed();
    if (!format.contains(QLatin1Char('s')))
        format = QStringLiteral("HH:mm:ss");
    return format;
}

} // namespace

int DisplayColumns(QStringView text)
{
    int columns = 0;
    for (char32_t c : text.toUcs4())
        columns += isWide(c) ? 2 : 1;
    return columns;
}

QString PrintZonePadding(QStringView lineSoFar)
{
    const int used = DisplayColumns(lineSoFar) % kPrintZoneWidth;
    return QString(kPrintZoneWidth - used, QLatin1Char(' '));
}

const QStringList &SummaryLabels()
{
    static const QStringList labels = {
        QStringLiteral("总分："),        QStringLiteral("平均分："),      QStringLiteral("标准差："),
        QStringLiteral("最高分："),      QStringLiteral("最低分："),      QStringLiteral("优(>=85)：   "),
        QStringLiteral("良(75~84)：  "), QStringLiteral("及格(60~74)："), QStringLiteral("不及格：(<60)"),
        QStringLiteral("100分: "),       QStringLiteral("90分:  "),       QStringLiteral("80分:  "),
        QStringLiteral("70分:  "),       QStringLiteral("60分:  "),       QStringLiteral("60以下:"),
    };
    return labels;
}

QString TimeStampText(const QDateTime &when, const QLocale &locale)
{
    const QString date = locale.language() == QLocale::C ? when.date().toString(QStringLiteral("yyyy-M-d"))
                                                         : locale.toString(when.date(), QLocale::ShortFormat);
    return date + QLatin1Char(' ') + locale.toString(when.time(), timeFormatWithSeconds(locale));
}

QStringList CalcRecordLines(const QString &expression, const QString &result, const QString &timeStamp)
{
    return {QString(), timeStamp, expression + QLatin1Char('=') + result};
}

QStringList ScoreReportLines(const QStringList &marks, const QStringList &results, const QString &timeStamp)
{
    // The box shown on each summary line; the last line repeats the count below 60.
    static constexpr int boxOfLine[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 8};

    QStringList lines {QString(), timeStamp};
    lines << marks;
    const QStringList &labels = SummaryLabels();
    for (int i = 0; i < labels.size(); ++i) {
        const QString &label = labels[i];
        lines << label + PrintZonePadding(label) + results.value(boxOfLine[i]);
    }
    return lines;
}

QString FilePathFor(const QString &folder, const QString &fileName)
{
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

QByteArray LocaleEncodingName()
{
#ifdef Q_OS_WIN
    return QByteArray(QStringConverter::nameForEncoding(QStringConverter::System));
#else
    const QByteArray codeset(nl_langinfo(CODESET));
    // The C locale's plain ASCII cannot hold the program's Chinese texts; Qt itself takes the
    // C locale for UTF-8.
    if (codeset.isEmpty() || codeset == "ANSI_X3.4-1968" || codeset == "ASCII" || codeset == "US-ASCII"
        || codeset == "646")
        return QByteArrayLiteral("UTF-8");
    return codeset;
#endif
}

AppendOutcome AppendLines(const QString &folder, const QString &fileName, const QStringList &lines,
                          const QByteArray &encoding)
{
    AppendOutcome outcome;
    outcome.path = FilePathFor(folder, fileName);

    if (fileName.isEmpty()) {
        outcome.reason = QStringLiteral("没有输入文件名。");
        return outcome;
    }
    const QFileInfo folderInfo(folder);
    if (!folderInfo.exists()) {
        outcome.reason = QStringLiteral("文件夹不存在。");
        return outcome;
    }
    if (!folderInfo.isDir()) {
        outcome.reason = QStringLiteral("保存位置不是文件夹。");
        return outcome;
    }
    const QFileInfo target(outcome.path);
    if (target.isDir()) {
        outcome.reason = QStringLiteral("这个名字是一个文件夹，不是文件。");
        return outcome;
    }

    QStringEncoder encoder(encoding.constData());
    if (!encoder.isValid()) {
        outcome.reason = QStringLiteral("本机的字符编码 %1 无法使用。").arg(QString::fromLatin1(encoding));
        return outcome;
    }
    QString block;
    for (const QString &line : lines)
        block += line + QStringLiteral("\r\n");
    const QByteArray bytes = encoder.encode(block);
    if (encoder.hasError()) {
        outcome.reason = QStringLiteral("要保存的文字中有本机字符编码 %1 无法表示的字符。")
                             .arg(QString::fromLatin1(encoding));
        return outcome;
    }

    const bool existed = target.exists();
    QFile file(outcome.path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        outcome.reason = QStringLiteral("无法打开文件（%1）。").arg(file.errorString());
        return outcome;
    }
    const qint64 before = file.size();
    const qint64 written = file.write(bytes);
    QString failure;
    if (written != bytes.size()) {
        failure = file.errorString();
        if (failure.isEmpty())
            failure = QStringLiteral("只写入了 %1 个字节中的 %2 个")
                          .arg(bytes.size())
                          .arg(qMax<qint64>(written, 0));
    }
    file.close();
    if (failure.isEmpty() && file.error() != QFileDevice::NoError)
        failure = file.errorString();

    if (!failure.isEmpty()) {
        // Leave the file as it was: no part of the block stays behind.
        if (existed)
            QFile::resize(outcome.path, before);
        else
            QFile::remove(outcome.path);
        outcome.reason = QStringLiteral("无法写入文件（%1）。").arg(failure);
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}

QStringList FolderChain(const QString &folder)
{
    QString path = QDir::cleanPath(QDir(QDir::fromNativeSeparators(folder)).absolutePath());
    QStringList chain;
    for (;;) {
        chain.prepend(path);
        // After cleaning, only a root ("/", "C:/") ends in a slash.
        if (path.endsWith(QLatin1Char('/')))
            break;
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        if (slash < 0)
            break;
        QString parent = path.left(slash);
        if (parent.isEmpty() || parent.endsWith(QLatin1Char(':')))
            parent += QLatin1Char('/');
        path = parent;
    }
    return chain;
}

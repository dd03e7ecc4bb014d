// The export texts on any box contents and any character set. The input is a small header and
// then texts separated by NUL characters:
//   byte 0    the character set: UTF-8, GB18030, ISO-8859-1, the locale's, GBK, or an unknown name
//   byte 1    flags: statistics report instead of calculation record, folder ending in "/",
//             missing folder, a file given as folder, a file already there, a time stamp from
//             the clock text instead of a typed one, folder ending in "\"
//   byte 2    the locale of the time stamp; bytes 3 to 6 its seconds since 1970 (UTC)
//   texts     file name, time stamp, expression or marks (one a line), result or results (one a
//             line), a folder text for the path rule
// Each block is the one asked for; each append either writes exactly that block after the bytes
// already there, or refuses with a reason and leaves the file as it was. Files are written only
// inside a temporary folder of this program, which is emptied after every input.
#include "FuzzText.h"

#include "quenby/logic/ExportText.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTimeZone>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>

namespace {

enum Flag : std::uint8_t {
    kScoreReport = 1,
    kSlashFolder = 2,
    kMissingFolder = 4,
    kFileAsFolder = 8,
    kExistingFile = 16,
    kClockStamp = 32,
    kBackslashFolder = 64,
};

[[noreturn]] void fail(const char *what, const QString &text)
{
    std::cerr << "export fuzzer: " << what << ": \"" << text.toStdString() << '"' << std::endl;
    std::abort();
}

struct Input {
    QByteArray encoding;
    std::uint8_t flags = 0;
    QLocale locale;
    QDateTime when;
    QStringList texts; // file name, time stamp, expression or marks, result or results, folder
};

QByteArray encodingFor(std::uint8_t choice)
{
    switch (choice % 6) {
    case 0:
        return "UTF-8";
    case 1:
        return "GB18030";
    case 2:
        return "ISO-8859-1";
    case 3:
        return exporttext::localeEncodingName();
    case 4:
        return "GBK";
    default:
        return "x-no-such-charset";
    }
}

QLocale localeFor(std::uint8_t choice)
{
    static constexpr QLocale::Language kLanguages[]
        = {QLocale::C,       QLocale::Chinese, QLocale::English, QLocale::Arabic,
           QLocale::Persian, QLocale::German,  QLocale::Japanese};
    return QLocale(kLanguages[choice % std::size(kLanguages)]);
}

bool readInput(const std::uint8_t *data, std::size_t size, Input &input)
{
    if (size < 7)
        return false;
    input.encoding = encodingFor(data[0]);
    input.flags = data[1];
    input.locale = localeFor(data[2]);
    const qint64 seconds
        = qint64(data[3]) | qint64(data[4]) << 8 | qint64(data[5]) << 16 | qint64(data[6]) << 24;
    input.when = QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
    input.texts = QString::fromStdU16String(fuzztext::decode(data + 7, size - 7)).split(QChar(0));
    while (input.texts.size() < 5)
        input.texts << QString();
    return true;
}

// The C locale writes "yyyy-M-d HH:mm:ss"; every locale writes one line with a blank in it, in
// ASCII digits.
void checkTimeStamp(const QString &stamp, const QLocale &locale)
{
    if (stamp.isEmpty() || stamp.contains(QLatin1Char('\n')) || stamp.contains(QLatin1Char('\r'))
        || !stamp.contains(QLatin1Char(' ')))
        fail("a time stamp that is not one line of date and time", stamp);
    for (char32_t c : stamp.toUcs4()) {
        if (QChar::category(c) == QChar::Number_DecimalDigit && (c < U'0' || c > U'9'))
            fail("a time stamp with digits other than ASCII", stamp);
    }
    if (locale.language() != QLocale::C)
        return;
    const QStringList parts = stamp.split(QLatin1Char(' '));
    const QStringList date = parts.value(0).split(QLatin1Char('-'));
    const QStringList time = parts.value(1).split(QLatin1Char(':'));
    if (parts.size() != 2 || date.size() != 3 || date[0].size() != 4 || time.size() != 3
        || time[2].size() != 2)
        fail("a C locale time stamp of another shape", stamp);
}

void checkPadding(const QString &text)
{
    const QString padding = exporttext::printZonePadding(text);
    const int columns = exporttext::displayColumns(text);
    if (columns < (text.size() + 1) / 2 || columns > 2 * text.size())
        fail("a column count that no character widths give", text);
    if (padding.isEmpty() || padding.size() > exporttext::kPrintZoneWidth
        || padding.count(QLatin1Char(' ')) != padding.size()
        || (columns + padding.size()) % exporttext::kPrintZoneWidth != 0)
        fail("a second join that does not reach the next print zone", text);
}

void checkPathRule(const QString &folder, const QString &fileName)
{
    const QString path = exporttext::filePathFor(folder, fileName);
    const bool separated = folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'));
    if (path != folder + (separated ? QString() : QStringLiteral("/")) + fileName)
        fail("a file path against the path rule", path);

    // A text that starts with ":" names Qt's built-in resources, no folder of the file system.
    if (folder.startsWith(QLatin1Char(':')))
        return;
    const QStringList chain = exporttext::folderChain(folder);
    // The folder itself ends the chain; a "/.." above the root is the root.
    QString last = QDir::cleanPath(QDir(QDir::fromNativeSeparators(folder)).absolutePath());
    while (last == QStringLiteral("/..") || last.startsWith(QStringLiteral("/../")))
        last = last.size() == 3 ? QStringLiteral("/") : last.mid(3);
    if (chain.isEmpty() || chain.first() != QStringLiteral("/") || chain.last() != last)
        fail("a folder chain that does not run from the root to the folder", folder);
    for (qsizetype i = 1; i < chain.size(); ++i) {
        if (!chain[i].startsWith(chain[i - 1]) || chain[i].size() <= chain[i - 1].size())
            fail("a folder chain that does not go down one folder at a time", folder);
    }
}

QStringList buildBlock(const Input &input, const QString &stamp)
{
    if (input.flags & kScoreReport) {
        const QStringList marks = input.texts[2].split(QLatin1Char('\n'));
        const QStringList results = input.texts[3].split(QLatin1Char('\n'));
        const QStringList lines = exporttext::scoreReportLines(marks, results, stamp);
        static constexpr int kBoxOfLine[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 8};
        if (lines.size() != 2 + marks.size() + 15 || !lines[0].isEmpty() || lines[1] != stamp
            || lines.mid(2, marks.size()) != marks)
            fail("a statistics report without its empty line, time stamp and marks", stamp);
        for (int i = 0; i < 15; ++i) {
            const QString &label = exporttext::summaryLabels()[i];
            const QString expected
                = label + exporttext::printZonePadding(label) + results.value(kBoxOfLine[i]);
            if (lines[2 + marks.size() + i] != expected
                || exporttext::displayColumns(label + exporttext::printZonePadding(label)) != 14)
                fail("a summary line whose value does not start in column 15", lines[2 + marks.size() + i]);
        }
        return lines;
    }
    const QStringList lines = exporttext::calcRecordLines(input.texts[2], input.texts[3], stamp);
    if (lines != QStringList {QString(), stamp, input.texts[2] + QLatin1Char('=') + input.texts[3]})
        fail("a calculation record of another shape", stamp);
    return lines;
}

QTemporaryDir &scratchRoot()
{
    static QTemporaryDir root;
    if (!root.isValid())
        fail("no temporary folder", root.errorString());
    return root;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether the name can be a file in an existing folder: nothing a file system refuses.
bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..")
        && !name.contains(QChar(0)) && QFile::encodeName(name).size() <= 255;
}

// The folder the input asks for, inside the work folder: the work folder itself, a missing one
// or a file, with or without a "/" or "\" at the end.
QString folderFor(const Input &input, const QString &work)
{
    QFile(work + QStringLiteral("/plain-file")).open(QIODevice::WriteOnly);
    QString folder = work;
    if (input.flags & kMissingFolder)
        folder += QStringLiteral("/missing");
    else if (input.flags & kFileAsFolder)
        folder += QStringLiteral("/plain-file");
    if (input.flags & kSlashFolder)
        folder += QLatin1Char('/');
    else if (input.flags & kBackslashFolder)
        folder += QLatin1Char('\\');
    return folder;
}

// The block as the file should hold it, or nothing when the character set cannot hold it.
std::optional<QByteArray> encodedBlock(const QStringList &lines, const QByteArray &encoding)
{
    QString block;
    for (const QString &line : lines)
        block += line + QStringLiteral("\r\n");
    QStringEncoder encoder(encoding.constData());
    const QByteArray encoded = encoder.isValid() ? encoder.encode(block) : QByteArray();
    if (!encoder.isValid() || encoder.hasError())
        return std::nullopt;
    QStringDecoder decoder(encoding.constData());
    if (QString(decoder.decode(encoded)) != block)
        fail("an encoding without error that changes the text", block);
    return encoded;
}

void checkAppend(const Input &input, const QStringList &lines)
{
    const QString work = scratchRoot().filePath(QStringLiteral("work"));
    QDir().mkpath(work);
    // A name is kept inside the work folder: a "/" in it would reach other folders.
    QString fileName = input.texts[0];
    fileName.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString folder = folderFor(input, work);
    const QString path = exporttext::filePathFor(folder, fileName);
    if ((input.flags & kExistingFile) && isPlainFileName(fileName)) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArrayLiteral("\xEF\xBB\xBF earlier block\r\n"));
    }
    const bool existed = QFile::exists(path);
    const QByteArray old = readAll(path);

    const exporttext::AppendOutcome outcome
        = exporttext::appendLines(folder, fileName, lines, input.encoding);
    const std::optional<QByteArray> encoded = encodedBlock(lines, input.encoding);
    if (outcome.ok) {
        if (!encoded || readAll(path) != old + *encoded || outcome.path != path)
            fail("an append that did not write exactly the block", path);
        return;
    }
    if (outcome.reason.isEmpty() || QFile::exists(path) != existed || readAll(path) != old)
        fail("a refusal without a reason, or with the file changed", outcome.reason);
    // A "\" at the end of a folder is part of the folder's name here: no such folder.
    const bool plainFolder = !(input.flags & (kMissingFolder | kFileAsFolder))
        && ((input.flags & kSlashFolder) || !(input.flags & kBackslashFolder));
    if (encoded && plainFolder && isPlainFileName(fileName))
        fail("a refusal of a block that could be written", outcome.reason);
}

// Removes everything an input left in the temporary folder.
void emptyScratch()
{
    const QDir root(scratchRoot().path());
    const auto filters = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    for (const QFileInfo &entry : root.entryInfoList(filters)) {
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input input;
    if (!readInput(data, size, input))
        return 0;
    QString stamp = input.texts[1];
    if (input.flags & kClockStamp) {
        stamp = exporttext::timeStampText(input.when, input.locale);
        checkTimeStamp(stamp, input.locale);
    }
    for (const QString &text : input.texts)
        checkPadding(text);
    checkPathRule(input.texts[4], input.texts[0]);
    checkAppend(input, buildBlock(input, stamp));
    emptyScratch();
    return 0;
}

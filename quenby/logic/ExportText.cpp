#include "quenby/logic/ExportText.h"

#include "platform/core/LocaleCodeset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringEncoder>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
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

// The locale's own separator between hours and minutes in its short time format, when it is
// one of the two that clocks use; the colon otherwise (a format may put a word or a quoted
// letter there).
QChar timeSeparator(const QString &shortFormat)
{
    static const QRegularExpression between(QStringLiteral("[hH]+([^hHm]*)m"));
    const QRegularExpressionMatch match = between.match(shortFormat);
    const QString separator = match.hasMatch() ? match.captured(1) : QString();
    if (separator == QLatin1String("."))
        return QLatin1Char('.');
    return QLatin1Char(':');
}

// The time of day, 24-hour, with seconds, in ASCII digits: the hours two digits wide when the
// locale pads them.
QString timeWithSeconds(const QTime &time, const QLocale &locale)
{
    const QString shortFormat = locale.timeFormat(QLocale::ShortFormat);
    const bool padded
        = shortFormat.contains(QLatin1String("HH")) || shortFormat.contains(QLatin1String("hh"));
    const QChar sep = timeSeparator(shortFormat);
    const QString format = (padded ? QStringLiteral("HH") : QStringLiteral("H")) + sep + QStringLiteral("mm")
        + sep + QStringLiteral("ss");
    // QTime::toString writes C-locale digits and never an AM/PM marker for this format.
    return time.toString(format);
}

// The text with every decimal digit, of whatever script, written as the ASCII digit of its
// value; every other character is kept.
QString withAsciiDigits(const QString &text)
{
    std::u32string ascii;
    for (char32_t c : text.toUcs4()) {
        const bool digit = QChar::category(c) == QChar::Number_DecimalDigit;
        ascii.push_back(digit ? U'0' + static_cast<char32_t>(QChar::digitValue(c)) : c);
    }
    return QString::fromStdU32String(ascii);
}

// Why a block cannot go to the target at all, before anything is touched; empty when it can.
QString targetProblem(const QString &folder, const QString &fileName, const QString &path)
{
    if (fileName.isEmpty())
        return QStringLiteral("没有输入文件名。");
    const QFileInfo folderInfo(folder);
    if (!folderInfo.exists())
        return QStringLiteral("文件夹不存在。");
    if (!folderInfo.isDir())
        return QStringLiteral("保存位置不是文件夹。");
    if (QFileInfo(path).isDir())
        return QStringLiteral("这个名字是一个文件夹，不是文件。");
    return {};
}

// The lines, each ending in CR LF, in the given character set; nothing, with the reason, when the
// character set is unknown or cannot hold every character.
std::optional<QByteArray> encodeBlock(const QStringList &lines, const QByteArray &encoding, QString *reason)
{
    QStringEncoder encoder(encoding.constData());
    if (!encoder.isValid()) {
        *reason = QStringLiteral("本机的字符编码 %1 无法使用。").arg(QString::fromLatin1(encoding));
        return std::nullopt;
    }
    const QString block
        = lines.isEmpty() ? QString() : lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    QByteArray bytes = encoder.encode(block);
    if (encoder.hasError()) {
        *reason = QStringLiteral("要保存的文字中有本机字符编码 %1 无法表示的字符。")
                      .arg(QString::fromLatin1(encoding));
        return std::nullopt;
    }
    return bytes;
}

// A file error in the user's language: the system's own text follows the locale and is English
// under most of them.
QString systemErrorText(int code)
{
    switch (code) {
    case EACCES:
    case EPERM:
        return QStringLiteral("没有写入的权限");
    case EROFS:
        return QStringLiteral("这个位置是只读的");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("磁盘空间不足");
    case EFBIG:
        return QStringLiteral("文件太大");
    case ENAMETOOLONG:
        return QStringLiteral("文件名太长");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("找不到这个位置");
    case EISDIR:
        return QStringLiteral("这是一个文件夹");
    default:
        return code ? QStringLiteral("系统错误 %1").arg(code) : QStringLiteral("原因不明");
    }
}

#ifdef Q_OS_UNIX
// An exclusive advisory lock on an open file, which the other saves of this program wait for; no
// lock file is made. It is held through a duplicate of the file's descriptor, so that it outlasts
// the closing of the file, until the save is done or taken back.
class AppendLock
{
public:
    // The duplicate, like the file's own descriptor, is not passed on to programs started meanwhile,
    // which would otherwise hold the lock as long as they run.
    explicit AppendLock(int fd) : m_fd(::fcntl(fd, F_DUPFD_CLOEXEC, 0))
    {
        while (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                ::close(m_fd);
                m_fd = -1;
            }
        }
    }
    ~AppendLock()
    {
        // The last descriptor of the open file: closing it releases the lock.
        if (m_fd >= 0)
            ::close(m_fd);
    }
    AppendLock(const AppendLock &) = delete;
    AppendLock &operator=(const AppendLock &) = delete;

    // False where the file system has no locks: the save then goes ahead as it would alone.
    bool held() const { return m_fd >= 0; }

    // Whether the locked file is still the one at the path: a save that failed while this one
    // waited for the lock may have removed it. Without a lock there is no telling: true.
    bool stillAt(const QString &path) const
    {
        if (m_fd < 0)
            return true;
        struct stat locked { };
        struct stat named { };
        return ::fstat(m_fd, &locked) == 0 && locked.st_nlink > 0
            && ::stat(QFile::encodeName(path).constData(), &named) == 0 && locked.st_dev == named.st_dev
            && locked.st_ino == named.st_ino;
    }

    // Cuts the locked file to the given size; false when that failed or there is no lock.
    bool cutTo(qint64 size) const
    {
        if (m_fd < 0)
            return false;
        while (::ftruncate(m_fd, static_cast<off_t>(size)) != 0) {
            if (errno != EINTR)
                return false;
        }
        return true;
    }

private:
    int m_fd;
};
#else
// No advisory locks here: a save goes ahead as it would alone.
class AppendLock
{
public:
    explicit AppendLock(int) { }
    bool held() const { return false; }
    bool stillAt(const QString &) const { return true; }
    bool cutTo(qint64) const { return false; }
};
#endif

// How often a save opens the file again when failed saves keep removing it before it is locked.
constexpr int kOpenAttempts = 100;

// Opens the file for appending and locks it. created tells whether the file was missing before.
// Returns the reason when it cannot be opened; empty on success.
QString openLocked(QFile &file, std::optional<AppendLock> &lock, bool *created)
{
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        *created = !QFileInfo::exists(file.fileName());
        errno = 0;
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return QStringLiteral("无法打开文件（%1）。").arg(systemErrorText(errno));
        lock.emplace(file.handle());
        if (!lock->held() || lock->stillAt(file.fileName()))
            return {};
        lock.reset();
        file.close();
    }
    return QStringLiteral("无法打开文件（%1）。").arg(systemErrorText(0));
}

// Takes a failed save back while its lock is held: no other save has written since it read the
// size, so cutting the file to that size removes just its own bytes. A file that the save created
// is removed when it holds nothing but those bytes.
void rollBack(const AppendLock &lock, const QString &path, qint64 before, qint64 ownBytes, bool created)
{
    if (created && before == 0 && lock.stillAt(path) && QFileInfo(path).size() == ownBytes)
        QFile::remove(path);
    else if (!lock.cutTo(before))
        QFile::resize(path, before);
}

// Appends the bytes in one write, under the lock. On failure the file is left as it was (this
// save's bytes are cut off again, a file created for them removed) and the reason is returned;
// empty on success.
QString writeOrRollBack(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    std::optional<AppendLock> lock;
    bool created = false;
    if (const QString problem = openLocked(file, lock, &created); !problem.isEmpty())
        return problem;
    const qint64 before = file.size();
    errno = 0;
    const qint64 written = file.write(bytes);
    int failure = written == bytes.size() ? 0 : (errno ? errno : -1);
    file.close();
    if (!failure && file.error() != QFileDevice::NoError)
        failure = errno ? errno : -1;
    if (!failure)
        return {};
    rollBack(*lock, path, before, std::max<qint64>(written, 0), created);
    return QStringLiteral("无法写入文件（%1）。").arg(systemErrorText(failure > 0 ? failure : 0));
}

} // namespace

namespace exporttext {

int displayColumns(QStringView text)
{
    int columns = 0;
    for (char32_t c : text.toUcs4())
        columns += isWide(c) ? 2 : 1;
    return columns;
}

QString printZonePadding(QStringView lineSoFar)
{
    const int used = displayColumns(lineSoFar) % kPrintZoneWidth;
    return QString(kPrintZoneWidth - used, QLatin1Char(' '));
}

const QStringList &summaryLabels()
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

QString timeStampText(const QDateTime &when, const QLocale &locale)
{
    // The locale's order, separators and marks, in the ASCII digits that the time has too.
    const QString date = locale.language() == QLocale::C
        ? when.date().toString(QStringLiteral("yyyy-M-d"))
        : withAsciiDigits(locale.toString(when.date(), QLocale::ShortFormat));
    return date + QLatin1Char(' ') + timeWithSeconds(when.time(), locale);
}

QStringList calcRecordLines(const QString &expression, const QString &result, const QString &timeStamp)
{
    return {QString(), timeStamp, expression + QLatin1Char('=') + result};
}

QStringList scoreReportLines(const QStringList &marks, const QStringList &results, const QString &timeStamp)
{
    // The box shown on each summary line; the last line repeats the count below 60.
    static constexpr int boxOfLine[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 8};

    QStringList lines {QString(), timeStamp};
    lines << marks;
    const QStringList &labels = summaryLabels();
    for (int i = 0; i < labels.size(); ++i) {
        const QString &label = labels[i];
        lines << label + printZonePadding(label) + results.value(boxOfLine[i]);
    }
    return lines;
}

QString filePathFor(const QString &folder, const QString &fileName)
{
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

QByteArray localeEncodingName()
{
    return codeset::ofLocale();
}

AppendOutcome appendLines(const QString &folder, const QString &fileName, const QStringList &lines,
                          const QByteArray &encoding)
{
    AppendOutcome outcome;
    outcome.path = filePathFor(folder, fileName);
    outcome.reason = targetProblem(folder, fileName, outcome.path);
    if (!outcome.reason.isEmpty())
        return outcome;
    const std::optional<QByteArray> bytes = encodeBlock(lines, encoding, &outcome.reason);
    if (!bytes)
        return outcome;
    outcome.reason = writeOrRollBack(outcome.path, *bytes);
    outcome.ok = outcome.reason.isEmpty();
    return outcome;
}

QStringList folderChain(const QString &folder)
{
    // Walked up by the path alone: the folders need not exist. Above the root there is only the
    // root, although QDir::cleanPath keeps a leading "/.." that climbs past it.
    QString path = QDir::cleanPath(QDir(QDir::fromNativeSeparators(folder)).absolutePath());
    static const QRegularExpression aboveRoot(QStringLiteral("^(/\\.\\.)+(?=/|$)"));
    path.remove(aboveRoot);
    QDir dir(path.isEmpty() ? QStringLiteral("/") : path);
    QStringList chain {dir.path()};
    while (!dir.isRoot()) {
        const QString parent = QDir::cleanPath(dir.path() + QStringLiteral("/.."));
        // A parent is always shorter; anything else would climb for ever.
        if (parent.size() >= dir.path().size())
            break;
        dir.setPath(parent);
        chain.prepend(parent);
    }
    return chain;
}

} // namespace exporttext

#include "platform/text_file.h"

#include "platform/data_fault.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <optional>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace textfile {

namespace {
constexpr qsizetype kChunk = 4096;

QString tooLargeDetail(qint64 maxBytes) {
    constexpr qint64 kMiB = 1024 * 1024;
    return maxBytes % kMiB == 0 ? QStringLiteral("Pasa de %1 MB.").arg(maxBytes / kMiB)
                                : QStringLiteral("Pasa de %1 bytes.").arg(maxBytes);
}

// Windows-1252 by the program's own table. The toolkit's decoder for this code page exists
// only when Qt is built with ICU, and the Qt builds published for Windows, where the users of
// the program are, have no ICU: without it every data file would decode to nothing. The code
// page is small and fixed, so the program carries it: bytes 0x00-0x7F and 0xA0-0xFF are the
// Latin-1 characters of the same number, and 0x80-0x9F are the 27 characters below. The five
// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// character of the same number, as Windows itself decodes them, so that every byte has one
// character and a file read and written back keeps every byte.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

constexpr char16_t charFor(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : char16_t(byte);
}

// The byte of a character, or -1 when the code page has no place for it.
constexpr int byteFor(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c)
            return int(0x80 + i);
    return -1;
}

static_assert(charFor(0x80) == u'\u20AC' && charFor(0x9F) == u'\u0178' && charFor(0xF1) == u'ñ');
static_assert(byteFor(u'\u2022') == 0x95 && byteFor(u'\u0081') == 0x81 && byteFor(u'\u0080') < 0);

// What the file at `path` is when it is not a regular file, as the detail of the fault.
QString kindOfFile(const QString& path, const QFileInfo& info) {
    if (info.isDir())
        return QStringLiteral("Es una carpeta.");
#ifdef Q_OS_UNIX
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        if (S_ISFIFO(st.st_mode))
            return QStringLiteral("Es una tubería (FIFO).");
        if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
            return QStringLiteral("Es un dispositivo.");
        if (S_ISSOCK(st.st_mode))
            return QStringLiteral("Es un socket.");
    }
#else
    Q_UNUSED(path);
#endif
    return {};
}

QString unreadableDetail(bool permission) {
    return permission ? QStringLiteral("No hay permiso para leerlo.")
                      : QStringLiteral("Falló la lectura del disco.");
}

// A data file open for reading, when it is a regular file of at most `maxBytes`; closed with
// the object. Opening a FIFO would wait for a writer that never comes and a device may never
// end, so only a regular file is read. Where the system allows it, the file is opened without
// waiting and its type checked on the open file, so that nothing put in its place can block the
// program either, and it is read by the system's own calls: a small file takes two reads, its
// bytes and its end. Elsewhere the type is checked by name before a QFile opens it.
class OpenFile {
public:
    OpenFile(const QString& path, qint64 maxBytes);
    ~OpenFile();
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    // Up to `size` bytes; 0 at the end of the file, -1 when the disk fails.
    qint64 read(char* data, qint64 size);

private:
#ifdef Q_OS_UNIX
    int fd_ = -1;
#else
    QFile file_;
#endif
};

#ifdef Q_OS_UNIX
OpenFile::OpenFile(const QString& path, qint64 maxBytes) {
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        const QFileInfo info(path);
        if (error == ENOENT || !info.exists())
            throw DataFault(DataFault::Kind::NotFound, path);
        if (!info.isFile()) // a socket cannot be opened at all
            throw DataFault(DataFault::Kind::NotRegular, path, kindOfFile(path, info));
        throw DataFault(DataFault::Kind::Unreadable, path,
                        unreadableDetail(error == EACCES || error == EPERM));
    }
    struct stat st = {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        throw DataFault(DataFault::Kind::NotRegular, path, kindOfFile(path, QFileInfo(path)));
    }
    if (st.st_size > maxBytes) {
        ::close(fd_);
        throw DataFault(DataFault::Kind::TooLarge, path, tooLargeDetail(maxBytes));
    }
}

OpenFile::~OpenFile() {
    ::close(fd_);
}

qint64 OpenFile::read(char* data, qint64 size) {
    for (;;) {
        const ssize_t got = ::read(fd_, data, size_t(size));
        if (got >= 0 || errno != EINTR)
            return got;
    }
}
#else
OpenFile::OpenFile(const QString& path, qint64 maxBytes) : file_(path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw DataFault(DataFault::Kind::NotFound, path);
    if (!info.isFile())
        throw DataFault(DataFault::Kind::NotRegular, path, kindOfFile(path, info));
    if (info.size() > maxBytes)
        throw DataFault(DataFault::Kind::TooLarge, path, tooLargeDetail(maxBytes));
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw DataFault(DataFault::Kind::Unreadable, path, unreadableDetail(!info.isReadable()));
}

OpenFile::~OpenFile() = default;

qint64 OpenFile::read(char* data, qint64 size) {
    return file_.read(data, size);
}
#endif

// A CR that is not followed by LF, other than as the last byte: the mark of a file whose lines
// end in CR alone, which the readers do not take as line ends.
bool hasLoneCr(QByteArrayView bytes) {
    for (qsizetype i = bytes.indexOf('\r'); i >= 0 && i + 1 < bytes.size();
         i = bytes.indexOf('\r', i + 1))
        if (bytes.at(i + 1) != '\n')
            return true;
    return false;
}

DataFault lineTooLong(const QString& path, QByteArrayView line, int number) {
    if (hasLoneCr(line))
        return DataFault(DataFault::Kind::CrLineEnds, path);
    return DataFault(
        DataFault::Kind::LineTooLong, path,
        QStringLiteral("La línea %1 pasa de %2 caracteres.").arg(number).arg(kMaxLineLength));
}

// Where a read stopped at a faulty line instead of throwing: the fault and the line's number.
struct LineFault {
    std::optional<DataFault> fault;
    int line = 0;
};

// Opens the file and reads it block by block into `bytes`, never past `maxBytes`, calling
// `afterBlock(start of the new bytes)` after each block; it returns true to stop reading.
template <typename AfterBlock>
void readBlocks(const QString& path, qint64 maxBytes, QByteArray& bytes, AfterBlock afterBlock) {
    OpenFile file(path, maxBytes);
    std::array<char, kChunk> chunk;
    for (;;) {
        const qint64 got = file.read(chunk.data(), kChunk);
        if (got < 0)
            throw DataFault(DataFault::Kind::Unreadable, path, unreadableDetail(false));
        if (got == 0)
            return;
        if (bytes.size() + got > maxBytes) // the file grew while it was read
            throw DataFault(DataFault::Kind::TooLarge, path, tooLargeDetail(maxBytes));
        const qsizetype start = bytes.size();
        bytes.append(chunk.data(), got);
        if (afterBlock(start))
            return;
    }
}

// The bytes of a data file from its start: all of them when `maxLines` is negative, otherwise
// up to the line end of line `maxLines` (or the whole file when it has fewer lines), so that a
// reader that needs the first lines does not read or decode the rest. Every line read is
// checked against the longest line a data file may hold, and the whole against the largest
// file, so that the read always ends. A faulty line is thrown; with `stopAt` it is kept there
// instead, and the bytes end where that line starts.
QByteArray readDataBytes(const QString& path, int maxLines = -1, LineFault* stopAt = nullptr) {
    QByteArray bytes;
    int lineEnds = 0;
    qsizetype lineStart = 0;
    const auto faultyLine = [&](DataFault fault) {
        if (!stopAt)
            throw fault;
        stopAt->fault = std::move(fault);
        stopAt->line = lineEnds + 1;
        bytes.truncate(lineStart);
        return true;
    };
    readBlocks(path, kMaxFileBytes, bytes, [&](qsizetype start) {
        for (qsizetype i = bytes.indexOf('\n', start); i >= 0; i = bytes.indexOf('\n', i + 1)) {
            const qsizetype length = i - lineStart - (i > lineStart && bytes.at(i - 1) == '\r');
            if (length > kMaxLineLength)
                return faultyLine(lineTooLong(
                    path, QByteArrayView(bytes).sliced(lineStart, i - lineStart), lineEnds + 1));
            lineStart = i + 1;
            if (++lineEnds >= maxLines && maxLines >= 0) {
                bytes.truncate(i + 1);
                return true;
            }
        }
        // The line not yet ended, less a CR whose LF may come in the next block.
        if (bytes.size() - lineStart > kMaxLineLength + 1)
            return faultyLine(
                lineTooLong(path, QByteArrayView(bytes).sliced(lineStart), lineEnds + 1));
        return false;
    });
    if (stopAt && stopAt->fault)
        return bytes;
    const qsizetype lastLine = bytes.size() - lineStart - (bytes.endsWith('\r') ? 1 : 0);
    if (lineStart < bytes.size() && lastLine > kMaxLineLength)
        faultyLine(lineTooLong(path, QByteArrayView(bytes).sliced(lineStart), lineEnds + 1));
    else if (lineEnds == 0 && hasLoneCr(bytes))
        faultyLine(DataFault(DataFault::Kind::CrLineEnds, path));
    return bytes;
}

// Calls f(start, length) for each line of `text`, its line end (LF, or CR LF) left out; no line
// after a final line end.
template <typename F> void forEachLine(QStringView text, F f) {
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        qsizetype stop = end;
        if (stop > start && text.at(stop - 1) == QLatin1Char('\r'))
            --stop;
        f(start, stop - start);
        start = end + 1;
    }
}

// How many holds() calls scan a file's lines before they are indexed.
constexpr int kScansBeforeIndex = 2;

} // namespace

QStringList splitLines(const QString& text) {
    QStringList lines;
    forEachLine(text,
                [&](qsizetype start, qsizetype length) { lines.append(text.mid(start, length)); });
    return lines;
}

QString decode(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes)
        *out++ = QChar(charFor(static_cast<unsigned char>(c)));
    return text;
}

QByteArray encode(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const int byte = byteFor(c.unicode());
        *out++ = byte < 0 ? '?' : static_cast<char>(byte);
    }
    return bytes;
}

bool encodable(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return byteFor(c.unicode()) >= 0; });
}

QByteArray readFileBytes(const QString& path, qint64 maxBytes) {
    QByteArray bytes;
    readBlocks(path, maxBytes, bytes, [](qsizetype) { return false; });
    return bytes;
}

QStringList readAllLines(const QString& path) {
    return splitLines(decode(readDataBytes(path)));
}

QStringList readLines(const QString& path, int count) {
    const QByteArray bytes = readDataBytes(path, qMax(count, 0));
    QStringList lines = splitLines(decode(bytes));
    if (lines.size() < count)
        throw DataFault(hasLoneCr(bytes) ? DataFault::Kind::CrLineEnds : DataFault::Kind::PastEnd,
                        path);
    lines.resize(qMax(count, 0));
    return lines;
}

QString readLine(const QString& path, int line) {
    const QStringList lines = readLines(path, line);
    return lines.isEmpty() ? QString() : lines.last();
}

LoadedFile::LoadedFile(const QString& path) : path_(path) {
    try {
        LineFault stop;
        const QByteArray bytes = readDataBytes(path, -1, &stop);
        text_ = decode(bytes);
        forEachLine(text_, [this](qsizetype start, qsizetype length) {
            spans_.emplace_back(start, length);
        });
        if (stop.fault) {
            fault_ = std::move(stop.fault);
            faultLine_ = stop.line;
        } else {
            pastEnd_ = hasLoneCr(bytes) ? DataFault::Kind::CrLineEnds : DataFault::Kind::PastEnd;
        }
    } catch (const DataFault& fault) {
        fault_ = fault;
        faultLine_ = 0;
    }
}

void LoadedFile::reach(int count) const {
    // readLines always reads the first line, even for no lines.
    if (fault_ && qMax(count, 1) >= faultLine_)
        throw *fault_;
    if (count > qsizetype(spans_.size()))
        throw DataFault(pastEnd_, path_);
}

const QString& LoadedFile::string(qsizetype index) const {
    // Grown as far as the lines asked for: a file of many lines costs for those it gives.
    if (qsizetype(strings_.size()) <= index)
        strings_.resize(index + 1);
    std::optional<QString>& made = strings_[index];
    if (!made)
        made = view(index).toString();
    return *made;
}

QStringList LoadedFile::lines(int count) const {
    reach(count);
    if (count <= 0)
        return {};
    if (qsizetype(prefixes_.size()) <= count)
        prefixes_.resize(count + 1);
    QStringList& prefix = prefixes_[count];
    if (prefix.isEmpty()) {
        prefix.reserve(count);
        for (int i = 0; i < count; ++i)
            prefix.append(string(i));
    }
    return prefix;
}

QString LoadedFile::line(int number) const {
    reach(number);
    return number > 0 ? string(number - 1) : QString();
}

bool LoadedFile::holds(int count, const QString& text) const {
    reach(count);
    if (firstLineOf_.isEmpty() && ++scans_ <= kScansBeforeIndex) {
        for (int i = 0; i < count; ++i)
            if (view(i) == text)
                return true;
        return false;
    }
    if (firstLineOf_.isEmpty()) {
        firstLineOf_.reserve(qsizetype(spans_.size()));
        for (qsizetype i = qsizetype(spans_.size()); i > 0; --i)
            firstLineOf_.insert(view(i - 1), int(i));
    }
    const auto first = firstLineOf_.constFind(QStringView(text));
    return first != firstLineOf_.constEnd() && *first <= count;
}

QStringView LoadedFile::lineView(int number) const {
    reach(number);
    return number > 0 ? view(number - 1) : QStringView();
}

QStringList LoadedFile::all() const {
    if (fault_)
        throw *fault_;
    return lines(int(spans_.size()));
}

int LoadedFile::lineCount() const {
    if (fault_)
        throw *fault_;
    return int(spans_.size());
}

QString field(const QString& line, int column, int count) {
    if (column < 1 || column > line.size())
        return {};
    return line.mid(column - 1, count);
}

QStringView fieldView(QStringView line, int column, int count) {
    if (column < 1 || column > line.size())
        return {};
    const qsizetype rest = line.size() - (column - 1);
    return line.sliced(column - 1, count < 0 || count > rest ? rest : count);
}

int numberValue(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i) {
        value = value * 10 + (text.at(i).unicode() - '0');
        if (value > 1'000'000'000)
            break;
    }
    return static_cast<int>(negative ? -value : value);
}

QString blankNumber(int value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

} // namespace textfile

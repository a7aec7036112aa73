#include "platform/text_file.h"

#include "platform/data_fault.h"

#include <QFile>

#include <algorithm>
#include <array>

namespace textfile {

namespace {
constexpr qsizetype kChunk = 4096;

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

// The bytes of the file from its start: all of them when `maxLines` is negative, otherwise up
// to the line end of line `maxLines` (or the whole file when it has fewer lines), so that a
// reader that needs the first lines does not read or decode the rest.
QByteArray readBytes(const QString& path, int maxLines = -1) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw DataFault(DataFault::Kind::NotFound, path);
    QByteArray bytes;
    int lineEnds = 0;
    std::array<char, kChunk> chunk;
    for (;;) {
        const qint64 got = file.read(chunk.data(), kChunk);
        if (got < 0)
            throw DataFault(DataFault::Kind::NotFound, path);
        if (got == 0)
            break;
        const QByteArrayView read(chunk.data(), got);
        if (maxLines >= 0) {
            for (qsizetype i = read.indexOf('\n'); i >= 0; i = read.indexOf('\n', i + 1)) {
                if (++lineEnds >= maxLines) {
                    bytes.append(read.first(i + 1));
                    return bytes;
                }
            }
        }
        bytes.append(read);
    }
    return bytes;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        qsizetype stop = end;
        if (stop > start && text.at(stop - 1) == QLatin1Char('\r'))
            --stop;
        lines.append(text.mid(start, stop - start));
        start = end + 1;
    }
    return lines;
}
} // namespace

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

QStringList readAllLines(const QString& path) {
    return splitLines(decode(readBytes(path)));
}

QStringList readLines(const QString& path, int count) {
    QStringList lines = splitLines(decode(readBytes(path, qMax(count, 0))));
    if (lines.size() < count)
        throw DataFault(DataFault::Kind::PastEnd, path);
    lines.resize(qMax(count, 0));
    return lines;
}

QString readLine(const QString& path, int line) {
    const QStringList lines = readLines(path, line);
    return lines.isEmpty() ? QString() : lines.last();
}

QString field(const QString& line, int column, int count) {
    if (column < 1 || column > line.size())
        return {};
    return line.mid(column - 1, count);
}

int numberValue(const QString& text) {
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

#include "platform/text_file.h"

#include "platform/data_fault.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace textfile {

namespace {
constexpr auto kCodePage = "windows-1252";
constexpr qsizetype kChunk = 4096;

// Windows-1252 gives every byte one character of its own. The table of the 256 characters is
// taken once from the toolkit's decoder, so decoding by it gives the same text without the cost
// of setting up a decoder for every file.
struct ByteTable {
    std::array<char16_t, 256> chars{};
    bool complete = true;
};

const ByteTable& byteTable() {
    static const ByteTable table = [] {
        ByteTable t;
        QStringDecoder decoder(kCodePage);
        for (int b = 0; b < 256 && t.complete; ++b) {
            const char c = static_cast<char>(b);
            const QString one = decoder.decode(QByteArrayView(&c, 1));
            t.complete = one.size() == 1;
            if (t.complete)
                t.chars[static_cast<std::size_t>(b)] = one.at(0).unicode();
        }
        return t;
    }();
    return table;
}

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
    const ByteTable& table = byteTable();
    if (!table.complete) {
        QStringDecoder decoder(kCodePage);
        Q_ASSERT(decoder.isValid());
        return decoder.decode(bytes);
    }
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes)
        *out++ = QChar(table.chars[static_cast<unsigned char>(c)]);
    return text;
}

QByteArray encode(const QString& text) {
    QStringEncoder encoder(kCodePage);
    Q_ASSERT(encoder.isValid());
    return encoder.encode(text);
}

bool encodable(const QString& text) {
    return decode(encode(text)) == text;
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

#include "platform/text_file.h"

#include "platform/data_fault.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace textfile {

namespace {
constexpr auto kCodePage = "windows-1252";

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DataFault(DataFault::Kind::NotFound, path);
    return file.readAll();
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
    QStringDecoder decoder(kCodePage);
    Q_ASSERT(decoder.isValid());
    return decoder.decode(bytes);
}

QByteArray encode(const QString& text) {
    QStringEncoder encoder(kCodePage);
    Q_ASSERT(encoder.isValid());
    return encoder.encode(text);
}

bool encodable(const QString& text) {
    return decode(encode(text)) == text;
}

QString readText(const QString& path) {
    return decode(readBytes(path));
}

QStringList readAllLines(const QString& path) {
    return splitLines(readText(path));
}

QStringList readLines(const QString& path, int count) {
    QStringList lines = readAllLines(path);
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

#pragma once
// The one way the data files are read and written: 8-bit Windows-1252 text, lines ended by
// CR LF (a bare LF is accepted too). A reader takes whole lines from the first on, as many as
// its step needs; a file that is missing or shorter than that throws a DataFault naming it.
// Every read ends: only regular files are opened (never a folder, FIFO, device or socket), and
// a file larger or a line longer than any real data file holds is a fault, not a longer read.

#include "platform/data_fault.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace textfile {

// The largest data file and the longest line (in characters, without its line end) that the
// readers take. The data files are a few kilobytes with lines of a few dozen characters.
inline constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
inline constexpr qsizetype kMaxLineLength = 4096;

// Lines 1 .. count of the file, without their line ends. Throws DataFault: NotFound,
// NotRegular, Unreadable, TooLarge, LineTooLong, PastEnd, and CrLineEnds when the lines end in
// CR alone (such a file would otherwise read as a single line).
QStringList readLines(const QString& path, int count);

// Line number `line` (from 1) of the file: reads lines 1 .. line. Throws as readLines.
QString readLine(const QString& path, int line);

// Every line of the file. Throws as readLines, PastEnd excepted.
QStringList readAllLines(const QString& path);

// A data file read once and whole, for a reader that serves its first lines many times:
// lines(count) gives what readLines(path, count) would give at that moment, and throws the same
// fault. A file that breaks part-way keeps the lines before its faulty line, and its fault is
// thrown only for a count that reaches that line, as readLines reads no further than it needs.
// Constructing it reads the file and never throws.
class LoadedFile {
public:
    explicit LoadedFile(const QString& path);
    QStringList lines(int count) const;
    // Line `number` (from 1): what readLine(path, number) gives, with the same faults.
    QString line(int number) const;
    // Line `number` as a view of the loaded text, valid while the file lives; faults as line().
    QStringView lineView(int number) const;
    // Whether one of lines 1 .. count is `text`; faults as lines(count).
    bool holds(int count, const QString& text) const;
    // Every line: what readAllLines(path) gives, with the same faults.
    QStringList all() const;
    // How many lines all() gives, with the same faults, without making the lines.
    int lineCount() const;

private:
    // Throws what readLines(path, count) throws.
    void reach(int count) const;
    // Line `index` (from 0) as a string of its own, made at the first call that gives it.
    const QString& string(qsizetype index) const;
    QStringView view(qsizetype index) const {
        return QStringView(text_).sliced(spans_[index].first, spans_[index].second);
    }

    QString path_;
    QString text_; // the file decoded, up to its faulty line
    // Where each line stands in text_: start and length, line end left out.
    std::vector<std::pair<qsizetype, qsizetype>> spans_;
    mutable std::vector<std::optional<QString>> strings_;
    std::optional<DataFault> fault_; // the faulty line's fault, or the whole file's
    int faultLine_ = 0;              // the faulty line (from 1); 0 when the whole file fails
    DataFault::Kind pastEnd_ = DataFault::Kind::PastEnd; // for a count past the last line
    // Each text's first line (from 1), made once holds() has scanned the lines a few times: a
    // file asked once (the window's run) is only scanned, one asked day after day (a range of
    // days) is looked up.
    mutable QHash<QStringView, int> firstLineOf_;
    mutable int scans_ = 0;
    // lines(count) as given before, shared by the calls that ask for the same count.
    mutable std::vector<QStringList> prefixes_;
};

// Every byte of a regular file of at most `maxBytes`, with no limit on its lines. Throws
// DataFault: NotFound, NotRegular, Unreadable, TooLarge.
QByteArray readFileBytes(const QString& path, qint64 maxBytes = kMaxFileBytes);

// Windows-1252 decoding and encoding of a text, by a fixed table that needs nothing from the
// platform. Every byte decodes to one character; a character with no place in the code page is
// encoded as '?', so check encodable() first wherever that matters.
QString decode(const QByteArray& bytes);
// The lines of a decoded text, without their line ends (CR LF or a bare LF); no line after a
// final line end.
QStringList splitLines(const QString& text);
QByteArray encode(const QString& text);
// True when every character of the text has a place in Windows-1252.
bool encodable(const QString& text);

// The characters `count` from column `column` (counted from 1); past the end of a short line
// the result is shorter, or the empty text.
QString field(const QString& line, int column, int count = 1);
// The same characters as a view of `line`, for a reader that only compares them.
QStringView fieldView(QStringView line, int column, int count = 1);

// A text read as a number: leading blanks skipped, reading stops at the first character that
// cannot continue a number, no digits give 0.
int numberValue(QStringView text);

// A number as text with one leading blank when it is not negative (" 10", "-3").
QString blankNumber(int value);

} // namespace textfile

#pragma once
// Where the calendar files of a data directory are read from. Every reader of the calendar
// takes its lines through this one interface: the window reads the files on disk afresh at
// every call, so that an edit to a file shows at the next run; `orvantel-dia` reads them from
// an in-memory copy loaded once. Both give the same lines and the same faults. "cal.txt" is
// read into its tables (CalTable) once per call of calTable(): a run of the day view makes
// that call once, and the in-memory copy makes the tables once.

#include "platform/text_file.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

namespace calendar {

class CalTable;

class CalendarSource {
public:
    explicit CalendarSource(QString ruta) : ruta_(std::move(ruta)) {}
    virtual ~CalendarSource() = default;
    CalendarSource(const CalendarSource&) = delete;
    CalendarSource& operator=(const CalendarSource&) = delete;

    // The data directory, ending with a separator.
    const QString& ruta() const { return ruta_; }
    // The paths of "cal.txt", of month file `month` (1..12) and of movable file `number` in the
    // directory, each made once: a day's run asks for some thirty of them.
    const QString& calPath() const;
    const QString& monthPath(int month) const;
    const QString& movablePath(int number) const;

    // Lines 1 .. count of the file at `path` (a file of the data directory), as
    // textfile::readLines gives them, with the same faults.
    virtual QStringList readLines(const QString& path, int count) const = 0;
    // Every line of the file, as textfile::readAllLines gives them.
    virtual QStringList readAllLines(const QString& path) const = 0;
    // How many lines readAllLines gives, with the same faults.
    virtual int lineCount(const QString& path) const;
    // Whether the data directory holds a file at `path` (the files after c20 are optional).
    virtual bool exists(const QString& path) const = 0;
    // Line number `line` (from 1): lines 1 .. line are read.
    virtual QString readLine(const QString& path, int line) const;
    // Whether one of lines 1 .. count of the file is `text`: lines 1 .. count are read.
    virtual bool holdsLine(const QString& path, int count, const QString& text) const;
    // The tables of "cal.txt", made from every line of it. Throws what readAllLines throws, and
    // DataFault (PastEnd) for a file shorter than its heading and 31 day lines.
    virtual std::shared_ptr<const CalTable> calTable() const;

private:
    QString ruta_;
    mutable QString calPath_;
    mutable QHash<int, QString> monthPaths_;
    mutable QHash<int, QString> movablePaths_;
};

// The files on disk, read again at every call.
class DiskSource final : public CalendarSource {
public:
    using CalendarSource::CalendarSource;
    QStringList readLines(const QString& path, int count) const override;
    QStringList readAllLines(const QString& path) const override;
    bool exists(const QString& path) const override;
    std::shared_ptr<const CalTable> calTable() const override;
};

// The files read once, each at its first use, and kept as they were then: every later call
// gives the same lines and the same faults from memory, with no file opened again. A file that
// is missing or breaks part-way keeps its fault, thrown to every call that reaches it. For one
// thread; the window keeps DiskSource so that an edit shows at the next run.
class MemorySource final : public CalendarSource {
public:
    using CalendarSource::CalendarSource;
    QStringList readLines(const QString& path, int count) const override;
    QString readLine(const QString& path, int line) const override;
    bool holdsLine(const QString& path, int count, const QString& text) const override;
    QStringList readAllLines(const QString& path) const override;
    int lineCount(const QString& path) const override;
    bool exists(const QString& path) const override;
    // Made at the first call and kept.
    std::shared_ptr<const CalTable> calTable() const override;

private:
    const textfile::LoadedFile& file(const QString& path) const;

    mutable std::shared_ptr<const CalTable> calTable_;
    mutable QHash<QString, bool> exists_;
    mutable QHash<QString, textfile::LoadedFile> files_;
    // The file asked for last, found again without hashing its path: a day's run asks for the
    // same few files over and over. Set anew at every insertion, which may move the files.
    mutable QString lastPath_;
    mutable const textfile::LoadedFile* last_ = nullptr;
};

} // namespace calendar

#pragma once
// Where the calendar files of a data directory are read from. Every reader of the calendar
// takes its lines through this one interface: the window reads the files on disk afresh at
// every call, so that an edit to a file shows at the next run; `orvantel-dia` reads them from
// an in-memory copy loaded once. Both give the same lines and the same faults.

#include <QString>
#include <QStringList>

namespace calendar {

class CalendarSource {
public:
    explicit CalendarSource(QString ruta) : ruta_(std::move(ruta)) {}
    virtual ~CalendarSource() = default;
    CalendarSource(const CalendarSource&) = delete;
    CalendarSource& operator=(const CalendarSource&) = delete;

    // The data directory, ending with a separator.
    const QString& ruta() const { return ruta_; }

    // Lines 1 .. count of the file at `path` (a file of the data directory), as
    // textfile::readLines gives them, with the same faults.
    virtual QStringList readLines(const QString& path, int count) const = 0;
    // Every line of the file, as textfile::readAllLines gives them.
    virtual QStringList readAllLines(const QString& path) const = 0;
    // Whether the data directory holds a file at `path` (the files after c20 are optional).
    virtual bool exists(const QString& path) const = 0;
    // Line number `line` (from 1): lines 1 .. line are read.
    QString readLine(const QString& path, int line) const;

private:
    QString ruta_;
};

// The files on disk, read again at every call.
class DiskSource final : public CalendarSource {
public:
    using CalendarSource::CalendarSource;
    QStringList readLines(const QString& path, int count) const override;
    QStringList readAllLines(const QString& path) const override;
    bool exists(const QString& path) const override;
};

} // namespace calendar

#pragma once
// The readings of the movable files that the run of one day makes: the movable celebration of
// the day, the dates of the movable celebrations, a line of a movable file, the years the
// calendar covers ("cal.txt" has tables of its own, CalendarSource::calTable). Made straight from
// the source at every call (the window, so that an edit to a file shows at the next run), or
// remembered: each reading is then made once for its arguments, and every later call with the
// same arguments gets the same value or the same fault without reading again. `orvantel-dia`
// remembers them over a range of days, so that the readings of a year are made once a year
// instead of once a day; its source never changes while it runs.

#include "calendar_data/calendar_files.h"
#include "calendar_data/calendar_source.h"

#include <QDate>
#include <QString>

#include <memory>
#include <optional>

namespace calendar {

class DayReadings {
public:
    // Straight from `data`: every call reads.
    DayReadings(const CalendarSource& data); // NOLINT: a source serves wherever readings do
    // Remembered when `remember` is true. `data` must outlive the readings.
    DayReadings(const CalendarSource& data, bool remember);
    ~DayReadings();
    DayReadings(const DayReadings&) = delete;
    DayReadings& operator=(const DayReadings&) = delete;

    const CalendarSource& source() const { return data_; }

    // As the functions of calendar_files.h of the same names, with the same faults.
    // The dates of c1 .. c‹last› in that order, as calendar::movableDate() gives them one by
    // one: the first fault among them is thrown.
    QList<QDate> movableDates(int last, int nAnio, int year) const;
    MovableOfDay movableOfDay(const QString& key, int nAnio) const;
    // `cal`: the tables of this source's "cal.txt", which the run has already read.
    std::optional<YearRange> coveredYears(const CalTable& cal) const;
    // As CalendarSource::readLine.
    QString readLine(const QString& path, int line) const;

private:
    struct Memory;
    const CalendarSource& data_;
    std::unique_ptr<Memory> memory_; // none: every call reads
};

} // namespace calendar

#include "dayview/proper_day.h"

#include "calendar_data/calendar_files.h"
#include "dayview/day_view.h"
#include "platform/data_fault.h"

namespace dayview {

proper::ProperDay ProperSchedule::dayOf(const QDate& date,
                                        const calendar::DayReadings& data) const {
    auto it = years_.constFind(date.year());
    if (it == years_.constEnd()) {
        const int nAnio = date.year() % 100;
        // The anchors' dates: c1 .. c18, and c20 (c19 holds a week, not a date).
        QList<QDate> movable;
        try {
            movable = data.movableDates(18, nAnio, date.year());
            movable.append(QDate());
            movable.append(calendar::movableDate(data.source(), 20, nAnio, date.year()));
        } catch (const DataFault&) {
            // A year the movable files lack: the proper celebrations tied to them are not there.
        }
        const proper::NationalDay national = [&data](const QDate& d) {
            DayValue value;
            return runNational(d, data, DayValue{}, value);
        };
        it =
            years_.insert(date.year(), proper::planYear(calendar_, date.year(), movable, national));
    }
    return it->value(date);
}

} // namespace dayview

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
        // The anchors' dates, file by file: c19 holds a week, not a date, and a year without a
        // celebration (c17 "sin celebración") or missing from a file leaves that anchor out.
        QList<QDate> movable;
        for (int n = 1; n <= calendar::kMovableFiles; ++n) {
            QDate anchor;
            try {
                if (n != calendar::kWeekFile)
                    anchor = calendar::movableDate(data.source(), n, nAnio, date.year());
            } catch (const DataFault&) {
            }
            movable.append(anchor);
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

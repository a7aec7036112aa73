#pragma once
// The proper calendar a day view follows: the calendar read once, and the plan of each year it
// is asked for, worked out at the first day of that year asked for and then kept (a range of
// days makes it once a year). For one thread.

#include "calendar_data/day_readings.h"
#include "proper/proper_calendar.h"
#include "proper/proper_year.h"

#include <QHash>

namespace dayview {

struct DayValue;

// The run of a day with the national calendar only, up to its Ordo: what the Ordo was worked out
// from, none outside the calendar (day_view.cpp).
std::optional<ordo::OrdoDay> runNational(const QDate& date, const calendar::DayReadings& data,
                                         const DayValue& previous, DayValue& out);

class ProperSchedule {
public:
    explicit ProperSchedule(proper::ProperCalendar calendar) : calendar_(std::move(calendar)) {}

    const proper::ProperCalendar& calendar() const { return calendar_; }

    // What the proper calendar brings to `date` (nothing for a day it leaves as it is), from the
    // plan of its year over `data`. Throws the faults of the data that the plan meets.
    proper::ProperDay dayOf(const QDate& date, const calendar::DayReadings& data) const;

private:
    proper::ProperCalendar calendar_;
    mutable QHash<int, proper::YearPlan> years_;
};

} // namespace dayview

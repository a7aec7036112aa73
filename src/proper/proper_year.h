#pragma once
// The proper calendar laid over one year of the national calendar. Each celebration is put on
// the day it is written for; a solemnity that meets a higher day (rows 1 to 8 of the table of
// precedence, a proper solemnity or feast of that day among them) is moved to the nearest free
// day after it, within the year; a feast or a memorial that meets a higher day is not kept that
// year. The moves depend on one another, so the whole year is worked out at once, in the order
// of the days the celebrations are written for.

#include "ordo/ordo.h"
#include "proper/proper_calendar.h"

#include <QDate>
#include <QHash>
#include <QList>

#include <functional>
#include <optional>

namespace proper {

// What the proper calendar brings to one day.
struct ProperDay {
    QList<ordo::ProperCelebration> celebrations;
    bool lineGivesWay = false; // a line replaces or suppresses the national celebrations
};

using YearPlan = QHash<QDate, ProperDay>;

// The national day of a date, as the day view runs it; none outside the calendar.
using NationalDay = std::function<std::optional<ordo::OrdoDay>(const QDate&)>;

// The plan of `year`: `movable` the dates of the movable files of that year (index n - 1 for
// file n), `national` the national day of any date of the year.
YearPlan planYear(const ProperCalendar& calendar, int year, const QList<QDate>& movable,
                  const NationalDay& national);

} // namespace proper

#pragma once
// The day of the Proper of Time: what the season, its week, the weekday and the movable days of
// the Proper of Time (Ash Wednesday, Palm Sunday, the Triduum, the first Sunday of Advent, the
// last day of the Christmas octave) make of a date, with its name as the Spanish calendars write
// it, its row in the table of precedence and its rubrics.

#include "ordo/ordo.h"
#include "ordo/precedence.h"

namespace ordo {

enum class TimeDay {
    HolyThursday,
    GoodFriday,
    HolySaturday,
    EasterOctaveDay,
    PrivilegedSunday, // Sundays of Advent, Lent (Palm Sunday too) and Easter
    AshWednesday,
    HolyWeekWeekday,
    ChristmasOrOrdinarySunday,
    AdventFromDecember17,
    ChristmasOctaveDay,
    LentWeekday,
    Weekday,
};

// The rubrics of a kind of day: its row of the table, its rank, Gloria and Credo.
struct DayRubrics {
    Precedence precedence;
    Rank rank;
    bool gloria;
    bool credo;
};
const DayRubrics& rubricsOf(TimeDay kind);

struct ProperOfTime {
    TimeDay kind = TimeDay::Weekday;
    QString name;
};
// Each made once per thread, then remembered.
ProperOfTime properOfTime(const OrdoDay& day);
ProperOfTime makeProperOfTime(const OrdoDay& day);

// "I" .. "XXXIV".
QString romanNumeral(int number);

} // namespace ordo

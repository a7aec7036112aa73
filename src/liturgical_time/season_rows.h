#pragma once
// The eight season rows of the year and the week of the season. Each row opens the day after
// its `Desde` and closes by its `Hasta` with thresholds of its own; the rows are tested in
// order and a later matching row overwrites an earlier one. The week counts the Sundays since
// the row's `Desde`; after Pentecost (row 6) it is shifted by the week number of "c19.txt".

#include "calendar_data/day_readings.h"
#include "liturgical_time/season_bounds.h"
#include "platform/rgb.h"

#include <QDate>
#include <QString>

#include <optional>

namespace liturgy {

struct SeasonRow {
    QString nomTiempo; // the caption of Label7
    Rgb colour;        // the season's default colour (ColorR, ColorG, ColorB)
    int minA;          // the row matches when today - Desde > minA
    int minB;          // and Hasta - today >= minB
};

// Row s, 1..8.
const SeasonRow& seasonRow(int s);

// Whether today lies in row s of this year's bounds.
bool rowMatches(int s, const SeasonBounds& bounds, const QDate& today);

// The Sundays after `from` up to and including `to` (negative when `to` is earlier).
int sundaysCrossed(const QDate& from, const QDate& to);

// The week of Ordinary Time that begins on the day after Pentecost: columns 4-5 of line
// nAnio + 2 of "c19.txt" read as a number. Throws DataFault when the file is missing or short.
int weekAfterPentecost(const calendar::DayReadings& data, int nAnio);

// The week number of row s: the count of Sundays; for row 6 the count shifted by the week
// number of "c19.txt". None (an empty field) for a count of 0, in Christmas time and in Holy
// Week. Reads "c19.txt" for row 6 only.
std::optional<int> weekNumber(int s, const SeasonBounds& bounds, const QDate& today,
                              const calendar::DayReadings& data, int nAnio);

// The week of the four-week psalter, 1..4, in row s with the row's week number `week`. The
// psalter starts again at week 1 on the first Sunday of Advent (Advent week N is psalter week
// N), with the Holy Family (the Christmas week that holds it; the days of Christmas before it
// stay in the fourth week of Advent), on the Baptism of the Lord (which opens week 1 of Ordinary
// Time), and on the first Sunday of Lent and Easter Sunday (week N of either, and of Ordinary
// Time, is psalter week ((N - 1) mod 4) + 1). Ash Wednesday and the three days after it are in
// week 4, Holy Week in week 2. In January the Sundays since the Holy Family count on: the week
// of 1 January is week 1, or week 2 when 1 January is a Sunday.
int psalterWeek(int s, std::optional<int> week, const SeasonBounds& bounds, const QDate& today);

} // namespace liturgy

#pragma once
// The boundaries of this year's seasons and the Sunday cycle. The opening dates of the eight
// seasons come from the movable-celebration files c1..c9 of the data directory: `Desde` of
// season s is the day before the date of c‹s›, `Hasta` the day before the date of c‹s+1›, both
// read as dates of the current year. The cycle letter of Label8 changes on the date of c7, the
// first Sunday of Advent.

#include "calendar_data/day_readings.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

namespace liturgy {

constexpr int kSeasons = 8;

// The row of `Desde` and `Hasta` for today's year; indexed by season number 1..8 (0 unused).
struct SeasonBounds {
    std::array<QDate, kSeasons + 1> desde;
    std::array<QDate, kSeasons + 1> hasta;
};

// Reads line nAnio + 2 of c1..c9 and fills the row. Throws DataFault when a file is missing or
// short, or its date does not convert to a date of `year`.
SeasonBounds readSeasonBounds(const calendar::DayReadings& data, int nAnio, int year);

// `LetraCiclo`: "B", "C", "A", "B".
const QStringList& letraCiclo();

// The Sunday cycle of `today` as an index into letraCiclo(): the year's letter up to the eve of
// the first Sunday of Advent, the next letter from that Sunday on.
int cycleIndex(const SeasonBounds& bounds, int nAnio, const QDate& today);

// Whether `today` is on or after this year's first Sunday of Advent.
bool adventHasBegun(const SeasonBounds& bounds, const QDate& today);

// The year of the weekday readings, 1 or 2: year I in a liturgical year that ends in an odd
// civil year, so that it changes with the cycle on the first Sunday of Advent.
int weekdayYear(const SeasonBounds& bounds, const QDate& today);

} // namespace liturgy

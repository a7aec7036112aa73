#pragma once
// The dates of the movable celebrations as the calendar of Spain keeps them, computed from the
// Gregorian Easter. The generator writes the data files from these; the program itself never
// computes a date: it reads the files.
//
// Spain's own practice: the Epiphany is kept on 6 January, so the Baptism of the Lord is the
// Sunday after it; the Ascension and Corpus Christi are kept on Sunday; Jesucristo, Sumo y
// Eterno Sacerdote is the Thursday after Pentecost.

#include <QDate>

#include <optional>

namespace calgen {

// Easter Sunday by the Gregorian rule (anonymous Gregorian algorithm), any year from 1583.
QDate easter(int year);

// The Sunday after 6 January (13 January when the 6th is itself a Sunday).
QDate baptismOfTheLord(int year);
// The Sunday from 27 November to 3 December.
QDate firstSundayOfAdvent(int year);
// The Sunday within the octave of Christmas, or 30 December when Christmas is a Sunday.
QDate holyFamily(int year);

// The week of Ordinary Time that begins on the Monday after Pentecost: the weeks are counted
// back from week 34, the one that ends on the Saturday before the first Sunday of Advent.
int weekAfterPentecost(int year);

// The memorial of Santa María, Madre de la Iglesia, the Monday after Pentecost, from 2018 on.
std::optional<QDate> maryMotherOfTheChurch(int year);

// The solemnities of fixed date that the calendar moves, on the day they move to; none in a
// year when they stay on their own day.
// San José (19 March): in Holy Week (Palm Sunday included) to the Saturday before Palm Sunday,
// otherwise on a Sunday to Monday 20 March.
std::optional<QDate> saintJosephMoved(int year);
// The Annunciation (25 March): from Palm Sunday to the Second Sunday of Easter to the Monday
// after that Sunday, otherwise on a Sunday of Lent to Monday 26 March.
std::optional<QDate> annunciationMoved(int year);
// The Immaculate Conception (8 December) on a Sunday of Advent: moved to Monday 9 December up to
// 2013 (2002, 2013); kept on the Sunday by the privilege granted to Spain from 2019 on (2019,
// 2024, and the later years as the latest practice).
std::optional<QDate> immaculateConceptionOnSunday(int year);

// Number of the movable-celebration files: c1.txt … c24.txt.
constexpr int kMovableFiles = 24;
constexpr int kWeekFile = 19;

// The date that file n (1 … 24, not 19) gives for `year`; none when the celebration is not held
// that year (files 21 … 24 only).
std::optional<QDate> movableDate(int n, int year);

} // namespace calgen

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

// The memorial of Santa María, Madre de la Iglesia, the Monday after Pentecost, from 2018 on
// (movableDate() leaves out the years it gives way).
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

// The Nativity of St John the Baptist (24 June) on the Sacred Heart or on Corpus Christi (a
// Sunday in Spain): the solemnity of the Lord is kept and the Baptist's goes to the nearest free
// day, 23 June, as the Congregation for Divine Worship set for 2022 (and so 2033 and 2044); in
// 2057 and 2068 (Corpus Christi) no decision is published and the same day is taken.
std::optional<QDate> baptistMoved(int year);
// Saints Peter and Paul (29 June) on the Sacred Heart (2057, 2068): to the nearest free day before
// it, Thursday 28 June, as for the Baptist (the day after is a Saturday, and the Immaculate Heart).
std::optional<QDate> peterAndPaulMoved(int year);

// Whether an obligatory memorial on `date` gives way: the day holds a feast or solemnity of
// fixed date (from 11 May to 3 July, the days the two movable memorials reach: St Matthias,
// the Visitation, the Baptist, Saints Peter and Paul, St Thomas) or a solemnity moved there.
bool memorialGivesWay(const QDate& date);

// Number of the movable-celebration files: c1.txt … c26.txt.
constexpr int kMovableFiles = 26;
constexpr int kWeekFile = 19;

// The date that file n (1 … 26, not 19) gives for `year`; none when the celebration is not held
// that year (the memorials 17 and 21 when they give way, and files 21 … 26).
std::optional<QDate> movableDate(int n, int year);

} // namespace calgen

#pragma once
// Facts of the real calendar, computed here in the tests independently of the program (which
// computes none of them) and of the generator of its data: Easter by the Gregorian computus and
// the dates of the movable celebrations as the calendar in Spain keeps them. The lines of a
// correct "cal.txt" are the generator's, whose day letters the tests of the shipped data check
// against the real weekdays.

#include <QDate>
#include <QString>
#include <QStringList>

namespace facts {

QDate easter(int year);
QDate firstSundayOfAdvent(int year);

// The date of movable celebration n (1..20, not 19) in `year`, by the calendar in Spain.
QDate movableDate(int n, int year);

// The week of Ordinary Time that begins on the Monday after Pentecost.
int weekAfterPentecost(int year);

// A date as the data files write it: "09-12-abr".
QString dateLine(const QDate& date);

// The line of movable file n (1..20, not 19) for `year`: its date, or "yy-sin celebración" in a
// year when the Immaculate Heart (17) falls on a saint's feast or solemnity and is not kept.
QString movableLine(int n, int year);

// The week of the four-week psalter (1..4) of `date`, counted in whole weeks from the Sunday that
// last began it again at week 1.
int psalterWeek(const QDate& date);

// The names the window's list of movable celebrations gives (empty for 1, 5, 8..11, 19).
QString listedName(int n);

// Lines of a correct "cal.txt" for 2000-2016: a heading, the day lines 01..31, the years 00..16.
QStringList calLines();

} // namespace facts

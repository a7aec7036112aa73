#pragma once
// Names and readers of the calendar files in the data directory `Ruta`:
//   "cal.txt"        day letters of every date and the dominical digit of every year,
//   "01.txt".."12.txt" one line per day of the month, ending in the day's colour letter,
//   "c1.txt".."c20.txt" a movable celebration: its name, then its date in the year 2000 + j on
//                    line j + 2 (yy-dd-mmm); c21.txt, c22.txt, ... follow while present, and
//                    their lines, and those of c17.txt, may read "yy-sin celebración" for a
//                    year without it.
// The years the calendar covers come from the data: those that "cal.txt" lists and every one of
// c1..c20 holds. Every reader throws DataFault when its file is missing or short.

#include "calendar_data/calendar_source.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace calendar {

class CalTable;

// The years a two-digit year can name; the data says which of them the calendar covers.
constexpr int kFirstYear = 2000;
constexpr int kLastYear = 2099;
// c1..c20 are always there; the files after them are read while present.
constexpr int kMovableFiles = 20;
// "c19.txt" holds the week of Ordinary Time that begins after Pentecost, not a date.
constexpr int kWeekFile = 19;
// "cal.txt" has its 31 day lines after a heading, and may go on with year lines.
constexpr int kCalLines = 32;

// The first and the last year of a range, both included.
struct YearRange {
    int first = 0;
    int last = 0;
    // The file whose years end at `last`: "cal.txt", or the movable file that holds the fewest
    // years when it ends before the years "cal.txt" lists.
    QString lastFile;
};

// Constant tables: weekday names (0 = "+ Domingo"), month names and abbreviations (0 = January).
const QStringList& nomDia();
const QStringList& nomMes();
const QStringList& abrMes();

// Two-digit text of a number, with a leading zero below 10 ("05").
QString twoDigits(int value);

QString calFile(const QString& ruta);
// "05.txt" for May.
QString monthFile(const QString& ruta, int month);
// "c7.txt", "c17.txt": the number's own digits, no leading zero.
QString movableFile(const QString& ruta, int number);
QString notesFile(const QString& ruta);

// The dominical digit (`LetraDom`) of the two-digit year `anio` for the two-digit month `mes`,
// from every line of "cal.txt" (at least 32): column 45, or column 47 from March on when the
// year line has it. A later line for the same year overrides an earlier one; an unlisted year
// gives "". Each call reads "cal.txt" through data.calTable(); a run that asks several times
// takes the table once and asks it (CalTable).
QString dominicalDigit(const CalendarSource& data, const QString& anio, const QString& mes);

// The weekday (0 = Sunday) of day `dia` (two digits) of `month` by the day letters of
// "cal.txt" and the dominical digit; none when no day line gives a match.
std::optional<int> weekdayFromCal(const CalendarSource& data, const QString& dia, int month,
                                  const QString& letraDom);

// Line `day` of the month file of `month`, unchanged.
QString dayLine(const CalendarSource& data, int month, int day);

// Characters 4..9 of a date line ("15-ene") read as that day of `year`. Throws DataFault
// (BadDate) naming `path` when they do not form a date.
QDate dayMonthDate(const QString& dateLine, int year, const QString& path);

// The date of movable celebration `number` in year 2000 + `nAnio`: line nAnio + 2 of its file,
// with its day and month read as a date of `year` (the caller's current year).
QDate movableDate(const CalendarSource& data, int number, int nAnio, int year);

struct MovableOfDay {
    std::optional<int> number; // `NumMovil`: the highest file holding today's key
    QString name;              // its name line, or empty when none
    QString lacking;           // the first of c1..c20 without a line for the year, if any
};

// The movable celebration of the day: the files c1..c20, and those after c20 that are present,
// whose lines 1..nAnio+2 hold the key `key` (yy-dd-mmm) exactly; the highest number wins. A
// file of c1..c20 too short for the year is named in `lacking` instead (the year is then not
// in the calendar); one after c20 is a fault.
MovableOfDay movableOfDay(const CalendarSource& data, const QString& key, int nAnio);

// The years the calendar covers: listed in "cal.txt" and held by every one of c1..c20. The
// first and the last of them, or none. Counts the lines of those files; the second form takes
// the tables of "cal.txt" already made.
std::optional<YearRange> coveredYears(const CalendarSource& data);
std::optional<YearRange> coveredYears(const CalendarSource& data, const CalTable& cal);

} // namespace calendar

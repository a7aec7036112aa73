#pragma once
// The checks of the data check, file by file, on the lines the guarded readers gave. Each adds
// its problems to `out` under the file's name.

#include "datacheck/data_check.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <bitset>
#include <optional>

namespace datacheck {

// The rank marks of the day lines of month file `month` (a rank word in the middle of a name, two
// for one celebration), each a warning with its line: the day is still shown.
void checkRanks(int month, const QStringList& lines, const QString& file, QList<Problem>& out);

// The lines of a proper calendar that cannot be read (a date that does not exist, an unknown
// rank, colour or movable anchor, a second solemnity or feast on one date), each with its line.
void checkProperLines(const QStringList& lines, const QString& file, QList<Problem>& out);

// A month file has one line per day, 31 whatever the month's length.
constexpr int kMonthLines = 31;

// The two-digit years 00 .. 99 that a data directory can hold.
constexpr int kYears = 100;
using YearSet = std::bitset<kYears>;

// True for a text of ASCII digits only, at least one.
bool isDigits(const QString& text);

// A text of the data in quotes for a message: control characters shown as "?", a long text
// cut short.
QString quoted(const QString& text);

// "cal.txt": the day lines with their day letters, and the year entries with their dominical
// digits. Gives the years listed.
YearSet checkCal(const QStringList& lines, QList<Problem>& out);

// One year line of a movable-celebration file, as far as it holds a usable date.
struct YearDate {
    QDate date;        // invalid when the line holds no usable date
    QString text;      // the line as written
    bool none = false; // the line says the year has no such celebration ("yy-sin celebración")
    int week = 0;      // c19.txt: the week after Pentecost, when the line holds one in range
};

// Movable-celebration file `number`: every year line, and a line for every year `listed`
// holds. With no `listed` (when "cal.txt" could not be read) every year line present is
// checked and none is asked for. Gives the date of every year, by two-digit year.
QList<YearDate> checkMovable(int number, const QStringList& lines,
                             const std::optional<YearSet>& listed, QList<Problem>& out);

// The order of the movable dates within each year; `dates` holds for file n (index n) what
// checkMovable gave, or nothing for a file that could not be read.
void checkOrder(const QList<QList<YearDate>>& dates, QList<Problem>& out);

// The rules of each movable celebration within its year, checked against the data itself:
// its weekday, its distance from Easter Sunday as c5.txt gives it, the days it can fall on,
// for the solemnities that the calendar moves, whether their own day is impeded that year, and
// whether the week of c19.txt brings Christ the King to week 34.
// `dates` as for checkOrder.
void checkRules(const QList<QList<YearDate>>& dates, QList<Problem>& out);

} // namespace datacheck

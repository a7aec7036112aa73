#pragma once
// The generator of the year-dependent calendar data: the year entries of "cal.txt" and the
// movable-celebration files c1.txt … c26.txt (c19.txt the week after Pentecost), for a range of
// years of at most a hundred (the files name a year by its last two digits). The dates come from
// movable_dates.h; this unit lays them out line by line and writes the files in Windows-1252
// with CR LF line ends, the way the program reads them.
//
// "cal.txt": a heading, the 31 day lines (day letters of the dominical-letter scheme, which do
// not depend on the year), and one year entry per year in columns 41-47: on the day lines for
// the first 31 years of the range, on lines of their own after them for the rest.

#include <QDate>
#include <QString>
#include <QStringList>

namespace calgen {

constexpr int kFirstYear = 2000;
constexpr int kLastYear = 2099;

// A year as the data files write it: "09" for 2009.
QString twoDigitYear(int year);
// A date line: "09-12-abr".
QString dateLine(const QDate& date);
// The line of a year with no celebration (c17, and the files from c21 on): "17-sin celebración".
QString noCelebrationLine(int year);

// The year's dominical digit, valid in January and February; in a leap year the one valid from
// March on is the digit before it.
int dominicalDigit(int year);

// The lines of the files, without line ends.
QStringList calLines(int firstYear, int lastYear);
QStringList movableLines(int n, int firstYear, int lastYear);

// File name and contents of every generated file: "cal.txt", "c1.txt" … "c26.txt".
struct DataFile {
    QString name;
    QByteArray bytes;
};
QList<DataFile> dataFiles(int firstYear, int lastYear);

// Empty when the range can be written, otherwise a message saying why not.
QString rangeError(int firstYear, int lastYear);

// Writes every generated file into `dir`, each replaced whole and at once. Returns an empty
// text, or a message naming the file that could not be written.
QString writeDataFiles(const QString& dir, int firstYear, int lastYear);

} // namespace calgen

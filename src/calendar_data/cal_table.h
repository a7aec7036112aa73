#pragma once
// "cal.txt" read once into tables: the day letter of every date by its day line, and the
// dominical digits of every year by its year line. A run of the day view asks for a year's
// digit and a date's weekday; with the tables each answer costs the same however many lines
// the file holds, and reading the file costs once per table. The answers are exactly those of
// a pass over every line of the file: a later line for the same day or year wins.

#include <QString>
#include <QStringList>

#include <array>
#include <bitset>
#include <functional>
#include <optional>

namespace calendar {

class CalTable {
public:
    // The table of the lines of "cal.txt" (at least its heading and 31 day lines): `count`
    // lines, line(i) giving the one at index i (from 0).
    CalTable(int count, const std::function<QStringView(int)>& line);
    explicit CalTable(const QStringList& lines);

    // The dominical digit of the two-digit year `anio` for the two-digit month `mes`: column 45,
    // or column 47 from March on when the year's line has it; "" for a year not listed.
    QString dominicalDigit(QStringView anio, QStringView mes) const;
    // The weekday (0 = Sunday) of day `dia` (two digits) of `month` for the dominical digit
    // `letraDom`; none when no day line gives a match.
    std::optional<int> weekday(QStringView dia, int month, QStringView letraDom) const;
    // The two-digit years whose line has a dominical digit in column 45, by the rule of the
    // years the calendar covers.
    const std::bitset<100>& listedYears() const { return listed_; }

private:
    static constexpr int kDigits = 10; // a day letter reads as a number 0 .. 9
    // For day d (1..31) and month m (1..12): for each digit, the last line (from 1) that gives
    // it to that date; 0 when none does.
    std::array<std::array<std::array<int, kDigits>, 12>, 31> letterLines_{};
    struct YearLine {
        QString digit;         // column 45
        QString afterFebruary; // column 47
    };
    std::array<std::optional<YearLine>, 100> years_;
    std::bitset<100> listed_;
};

} // namespace calendar

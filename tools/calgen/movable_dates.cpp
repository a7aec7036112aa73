#include "calgen/movable_dates.h"

#include <array>
#include <utility>

namespace calgen {

namespace {

constexpr int kSunday = 7;

// The first Sunday after `date` (a week later when `date` is a Sunday).
QDate sundayAfter(const QDate& date) {
    return date.addDays(kSunday - date.dayOfWeek() % kSunday);
}

bool isSunday(const QDate& date) {
    return date.dayOfWeek() == kSunday;
}

// The first year of the memorial of Santa María, Madre de la Iglesia.
constexpr int kMotherOfTheChurchSince = 2018;
// From this year on Spain keeps the Immaculate Conception on a Sunday of Advent.
constexpr int kImmaculateKeptOnSundaySince = 2019;

// The date of file n before a memorial's giving way is taken into account.
std::optional<QDate> celebrationDate(int n, int year);

} // namespace

QDate easter(int year) {
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int monthAndDay = h + l - 7 * m + 114;
    return QDate(year, monthAndDay / 31, monthAndDay % 31 + 1);
}

QDate baptismOfTheLord(int year) {
    return sundayAfter(QDate(year, 1, 6));
}

QDate firstSundayOfAdvent(int year) {
    return sundayAfter(QDate(year, 11, 26));
}

QDate holyFamily(int year) {
    const QDate christmas(year, 12, 25);
    return isSunday(christmas) ? QDate(year, 12, 30) : sundayAfter(christmas);
}

int weekAfterPentecost(int year) {
    const QDate pentecost = easter(year).addDays(49);
    const auto weeksToAdvent = static_cast<int>(pentecost.daysTo(firstSundayOfAdvent(year)) / 7);
    // Pentecost opens the week numbered 34 - (weeksToAdvent - 1).
    return 35 - weeksToAdvent;
}

std::optional<QDate> maryMotherOfTheChurch(int year) {
    if (year < kMotherOfTheChurchSince)
        return std::nullopt;
    return easter(year).addDays(50);
}

std::optional<QDate> saintJosephMoved(int year) {
    const QDate day(year, 3, 19);
    const QDate palmSunday = easter(year).addDays(-7);
    if (day >= palmSunday && day < easter(year))
        return palmSunday.addDays(-1);
    if (isSunday(day))
        return day.addDays(1);
    return std::nullopt;
}

std::optional<QDate> annunciationMoved(int year) {
    const QDate day(year, 3, 25);
    const QDate palmSunday = easter(year).addDays(-7);
    const QDate secondSundayOfEaster = easter(year).addDays(7);
    if (day >= palmSunday && day <= secondSundayOfEaster)
        return secondSundayOfEaster.addDays(1);
    if (isSunday(day))
        return day.addDays(1);
    return std::nullopt;
}

std::optional<QDate> immaculateConceptionOnSunday(int year) {
    const QDate day(year, 12, 8);
    if (!isSunday(day))
        return std::nullopt;
    return year >= kImmaculateKeptOnSundaySince ? day : day.addDays(1);
}

std::optional<QDate> baptistMoved(int year) {
    const QDate day(year, 6, 24);
    const QDate e = easter(year);
    if (day == e.addDays(63) || day == e.addDays(68)) // Corpus Christi, the Sacred Heart
        return day.addDays(-1);
    return std::nullopt;
}

std::optional<QDate> peterAndPaulMoved(int year) {
    const QDate day(year, 6, 29);
    if (day == easter(year).addDays(68)) // the Sacred Heart
        return day.addDays(-1);
    return std::nullopt;
}

bool memorialGivesWay(const QDate& date) {
    static const std::array<std::pair<int, int>, 5> feasts = {{
        {5, 14}, // San Matías, apóstol
        {5, 31}, // la Visitación de la Virgen María
        {6, 24}, // la Natividad de san Juan Bautista
        {6, 29}, // san Pedro y san Pablo, apóstoles
        {7, 3},  // santo Tomás, apóstol
    }};
    for (const auto& [month, day] : feasts)
        if (date.month() == month && date.day() == day)
            return true;
    return date == baptistMoved(date.year()) || date == peterAndPaulMoved(date.year());
}

std::optional<QDate> movableDate(int n, int year) {
    const std::optional<QDate> date = celebrationDate(n, year);
    const bool memorial = n == 17 || n == 21;
    if (memorial && date && memorialGivesWay(*date))
        return std::nullopt;
    return date;
}

namespace {

std::optional<QDate> celebrationDate(int n, int year) {
    const QDate e = easter(year);
    switch (n) {
    case 1:
        return QDate(year, 1, 1);
    case 2:
        return baptismOfTheLord(year);
    case 3:
        return e.addDays(-46); // Ash Wednesday
    case 4:
        return e.addDays(-7); // Palm Sunday
    case 5:
        return e;
    case 6:
        return e.addDays(49); // Pentecost
    case 7:
        return firstSundayOfAdvent(year);
    case 8:
        return QDate(year, 12, 25);
    case 9:
        return QDate(year, 12, 31); // the seventh day of the octave of Christmas
    case 10:
        return e.addDays(-3); // Holy Thursday
    case 11:
        return e.addDays(-2); // Good Friday
    case 12:
        return e.addDays(42); // the Ascension, on Sunday
    case 13:
        return e.addDays(53); // the Thursday after Pentecost
    case 14:
        return e.addDays(56); // Trinity Sunday
    case 15:
        return e.addDays(63); // Corpus Christi, on Sunday
    case 16:
        return e.addDays(68); // the Sacred Heart, Friday
    case 17:
        return e.addDays(69); // the Immaculate Heart, the Saturday after it
    case 18:
        return firstSundayOfAdvent(year).addDays(-7); // Christ the King
    case 20:
        return holyFamily(year);
    case 21:
        return maryMotherOfTheChurch(year);
    case 22:
        return saintJosephMoved(year);
    case 23:
        return annunciationMoved(year);
    case 24:
        return immaculateConceptionOnSunday(year);
    case 25:
        return baptistMoved(year);
    case 26:
        return peterAndPaulMoved(year);
    default:
        return std::nullopt;
    }
}

} // namespace

} // namespace calgen

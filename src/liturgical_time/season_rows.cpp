#include "liturgical_time/season_rows.h"

#include "calendar_data/calendar_files.h"
#include "liturgical_time/liturgical_colour.h"
#include "platform/text_file.h"

#include <array>

namespace liturgy {

namespace {
constexpr int kChristmasJanuary = 1;
constexpr int kBaptism = 2; // c2 opens row 2, Ordinary Time before Lent
constexpr int kLent = 3;
constexpr int kHolyWeek = 4;
constexpr int kAfterPentecost = 6;
constexpr int kChristmasDecember = 8;
constexpr int kPsalterWeeks = 4;

// The Julian day of the Sunday on or before `date`.
qint64 sundayOnOrBefore(const QDate& date) {
    return date.toJulianDay() - date.dayOfWeek() % 7;
}
} // namespace

const SeasonRow& seasonRow(int s) {
    // Rows 2 and 6 start the day after their opening date (the Baptism of the Lord,
    // Pentecost); rows 1, 5 and 8 reach one day past their closing date.
    static const std::array<SeasonRow, kSeasons> rows = {{
        {QStringLiteral("Navidad"), kWhite, 0, -2},
        {QStringLiteral("T.Ordinario"), kGreen, 1, 0},
        {QStringLiteral("Cuaresma"), kPurple, 0, 0},
        {QStringLiteral("Sema. Santa"), kPurple, 0, 0},
        {QStringLiteral("T.Pascual"), kWhite, 0, -2},
        {QStringLiteral("T.Ordinario"), kGreen, 1, 0},
        {QStringLiteral("Adviento"), kPurple, 0, 0},
        {QStringLiteral("Navidad"), kWhite, 0, -2},
    }};
    return rows.at(static_cast<std::size_t>(s - 1));
}

bool rowMatches(int s, const SeasonBounds& bounds, const QDate& today) {
    // As QDate::daysTo, 0 from or to an invalid date; on the Julian days, for every day of a
    // range tests the eight rows.
    const auto daysTo = [](const QDate& from, const QDate& to) -> qint64 {
        return from.isValid() && to.isValid() ? to.toJulianDay() - from.toJulianDay() : 0;
    };
    const SeasonRow& row = seasonRow(s);
    return daysTo(bounds.desde[s], today) > row.minA && daysTo(today, bounds.hasta[s]) >= row.minB;
}

int sundaysCrossed(const QDate& from, const QDate& to) {
    return static_cast<int>((sundayOnOrBefore(to) - sundayOnOrBefore(from)) / 7);
}

int weekAfterPentecost(const calendar::DayReadings& data, int nAnio) {
    const QString line = data.readLine(data.source().movablePath(calendar::kWeekFile), nAnio + 2);
    return textfile::numberValue(textfile::field(line, 4, 2));
}

std::optional<int> weekNumber(int s, const SeasonBounds& bounds, const QDate& today,
                              const calendar::DayReadings& data, int nAnio) {
    const int count = sundaysCrossed(bounds.desde[s], today);
    const int number = s == kAfterPentecost ? count - 1 + weekAfterPentecost(data, nAnio) : count;
    const bool christmas = s == 1 || s == kSeasons;
    if (count == 0 || christmas || s == kHolyWeek)
        return std::nullopt;
    return number;
}

int psalterWeek(int s, std::optional<int> week, const SeasonBounds& bounds, const QDate& today) {
    switch (s) {
    case kChristmasJanuary:
        // The Baptism of the Lord, the last day of the row, opens week 1 of Ordinary Time; up to
        // its eve the weeks count on from the Holy Family (week 1) of the December before.
        if (today == bounds.desde[kBaptism].addDays(1))
            return 1;
        return sundaysCrossed(bounds.desde[kChristmasJanuary], today) % kPsalterWeeks + 1;
    case kChristmasDecember:
        // Week 1 from the Sunday of the Holy Family (or from Christmas itself when it is a
        // Sunday, the Holy Family then falling on 30 December); the days before stay in week 4.
        return sundaysCrossed(bounds.desde[kChristmasDecember], today) > 0 ? 1 : kPsalterWeeks;
    case kLent:
        if (!week) // Ash Wednesday to the Saturday after it
            return kPsalterWeeks;
        break;
    case kHolyWeek:
        return 2; // the sixth week from the first Sunday of Lent
    default:
        break;
    }
    // A week number from an odd "c19.txt" may be 0 or less: the cycle still runs through it.
    return ((week.value_or(1) - 1) % kPsalterWeeks + kPsalterWeeks) % kPsalterWeeks + 1;
}

} // namespace liturgy

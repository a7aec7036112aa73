#include "liturgical_time/season_bounds.h"

#include "calendar_data/calendar_files.h"

namespace liturgy {

namespace {
constexpr int kAdvent = 7; // c7 holds the first Sunday of Advent
}

SeasonBounds readSeasonBounds(const calendar::DayReadings& data, int nAnio, int year) {
    // Desde(s + 1) and Hasta(s) are the same day before the date of c‹s+1›, so each of the nine
    // files is read once per run.
    std::array<QDate, kSeasons + 2> dayBefore;
    const QList<QDate> dates = data.movableDates(kSeasons + 1, nAnio, year);
    for (int n = 1; n <= kSeasons + 1; ++n)
        dayBefore[n] = dates.at(n - 1).addDays(-1);
    SeasonBounds bounds;
    for (int s = 1; s <= kSeasons; ++s) {
        bounds.desde[s] = dayBefore[s];
        bounds.hasta[s] = dayBefore[s + 1];
    }
    return bounds;
}

const QStringList& letraCiclo() {
    static const QStringList letters = {QStringLiteral("B"), QStringLiteral("C"),
                                        QStringLiteral("A"), QStringLiteral("B")};
    return letters;
}

bool adventHasBegun(const SeasonBounds& bounds, const QDate& today) {
    return bounds.desde[kAdvent].daysTo(today) >= 1; // the day after its eve or later
}

int cycleIndex(const SeasonBounds& bounds, int nAnio, const QDate& today) {
    // The years 2000, 2003, ... start in cycle B, 2001, 2004, ... in C, 2002, 2005, ... in A.
    const int i = (nAnio % 3 + 3) % 3;
    return adventHasBegun(bounds, today) ? i + 1 : i;
}

int weekdayYear(const SeasonBounds& bounds, const QDate& today) {
    const int endsIn = today.year() + (adventHasBegun(bounds, today) ? 1 : 0);
    return endsIn % 2 != 0 ? 1 : 2;
}

} // namespace liturgy

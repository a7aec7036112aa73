#include "liturgical_time/season_bounds.h"

#include "calendar_data/calendar_files.h"

namespace liturgy {

namespace {
constexpr int kAdvent = 7; // c7 holds the first Sunday of Advent
}

SeasonBounds readSeasonBounds(const calendar::CalendarSource& data, int nAnio, int year) {
    // Desde(s + 1) and Hasta(s) are the same day before the date of c‹s+1›, so each of the nine
    // files is read once per run.
    std::array<QDate, kSeasons + 2> dayBefore;
    for (int n = 1; n <= kSeasons + 1; ++n)
        dayBefore[n] = calendar::movableDate(data, n, nAnio, year).addDays(-1);
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

int cycleIndex(const SeasonBounds& bounds, int nAnio, const QDate& today) {
    // The years 2000, 2003, ... start in cycle B, 2001, 2004, ... in C, 2002, 2005, ... in A.
    const int i = (nAnio % 3 + 3) % 3;
    const qint64 sinceEve = bounds.desde[kAdvent].daysTo(today);
    return sinceEve < 1 ? i : i + 1;
}

} // namespace liturgy

#include "proper/proper_year.h"

#include <QSet>

#include <algorithm>

namespace proper {

namespace {

ordo::ProperCelebration celebrationOf(const ProperEntry& e) {
    using ordo::Precedence;
    using ordo::Rank;
    ordo::ProperCelebration c;
    c.name = e.name;
    c.precept = e.precept;
    c.overSunday = e.overSunday;
    c.colour = e.colour;
    switch (e.rank) {
    case ProperRank::Solemnity:
        c.precedence = Precedence::ProperSolemnities;
        c.rank = Rank::Solemnidad;
        break;
    case ProperRank::Feast:
        c.precedence = Precedence::ProperFeasts;
        c.rank = Rank::Fiesta;
        break;
    case ProperRank::Memorial:
        c.precedence = Precedence::ProperMemorials;
        c.rank = Rank::MemoriaObligatoria;
        break;
    case ProperRank::Optional:
        break;
    }
    return c;
}

// Where a celebration of the calendar is written for this year.
struct Written {
    const ProperEntry* entry;
    QDate date;
};

} // namespace

YearPlan planYear(const ProperCalendar& calendar, int year, const QList<QDate>& movable,
                  const NationalDay& national) {
    YearPlan plan;
    QList<Written> high; // solemnities and feasts, in the order of their days
    QSet<QDate> taken;   // the days of the proper solemnities and feasts
    for (const ProperEntry& e : calendar.entries) {
        const std::optional<QDate> date = dateIn(e.date, year, movable);
        if (!date || date->year() != year)
            continue;
        if (e.suppress || e.replaces)
            plan[*date].lineGivesWay = true;
        if (e.suppress)
            continue;
        if (e.rank == ProperRank::Solemnity || e.rank == ProperRank::Feast) {
            high.append({&e, *date});
            taken.insert(*date);
        } else {
            plan[*date].celebrations.append(celebrationOf(e));
        }
    }
    std::stable_sort(high.begin(), high.end(),
                     [](const Written& a, const Written& b) { return a.date < b.date; });

    // The national day with the plan's changes of that day, and the proper celebration `c`.
    const auto keptOn = [&](const QDate& date, const ordo::ProperCelebration& c) {
        std::optional<ordo::OrdoDay> day = national(date);
        if (!day)
            return false;
        day->lineGivesWay = plan.value(date).lineGivesWay;
        day->proper = {c};
        return ordo::ordoOf(*day).properKept;
    };
    // A day free for a moved solemnity: none of rows 1 to 8 on it, national or proper.
    const auto freeDay = [&](const QDate& date) {
        if (taken.contains(date))
            return false;
        std::optional<ordo::OrdoDay> day = national(date);
        if (!day)
            return false;
        day->lineGivesWay = plan.value(date).lineGivesWay;
        return ordo::ordoOf(*day).precedence > ordo::Precedence::ProperFeasts;
    };

    QSet<QDate> placed;
    for (const Written& w : high) {
        ordo::ProperCelebration c = celebrationOf(*w.entry);
        if (!placed.contains(w.date) && keptOn(w.date, c)) {
            plan[w.date].celebrations.append(c);
            placed.insert(w.date);
            continue;
        }
        if (w.entry->rank != ProperRank::Solemnity)
            continue; // a feast that meets a higher day is not kept that year
        taken.remove(w.date);
        c.precept = false; // the precept stays with the day it is written for
        c.overSunday = false;
        for (QDate d = w.date.addDays(1); d.year() == year; d = d.addDays(1)) {
            if (freeDay(d) && !placed.contains(d)) {
                plan[d].celebrations.append(c);
                placed.insert(d);
                taken.insert(d);
                break;
            }
        }
    }
    return plan;
}

} // namespace proper

#include "liturgical_time/liturgical_time.h"

#include "liturgical_time/liturgical_colour.h"
#include "liturgical_time/season_bounds.h"
#include "liturgical_time/season_rows.h"

namespace liturgy {

void applyLiturgicalTime(const LiturgicalDay& day, LiturgicalFields& fields) {
    // Worked on a copy so that a data fault halfway leaves the fields as they were shown.
    LiturgicalFields shown = fields;
    const SeasonBounds bounds = readSeasonBounds(day.ruta, day.nAnio, day.today.year());
    shown.cycle = cycleText(bounds, day.nAnio, day.today);

    for (int s = 1; s <= kSeasons; ++s) {
        if (!rowMatches(s, bounds, day.today))
            continue;
        const SeasonRow& row = seasonRow(s);
        shown.colour = row.colour;
        shown.season = row.nomTiempo;
        shown.week = weekText(s, bounds, day.today, day.ruta, day.nAnio);
    }

    applyColourRules(day, shown);
    fields = shown;
}

} // namespace liturgy

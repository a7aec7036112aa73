#include "liturgical_time/liturgical_time.h"

#include "liturgical_time/liturgical_colour.h"
#include "liturgical_time/season_bounds.h"
#include "liturgical_time/season_rows.h"
#include "platform/text_file.h"

#include <array>

namespace liturgy {

QString cycleCaption(const LiturgicalFields& fields) {
    // "Ciclo A" .. "Ciclo C", made once: a run shows one a day.
    static const QStringList captions = [] {
        QStringList list;
        for (const QString& letter : letraCiclo())
            list.append(QStringLiteral("Ciclo ") + letter);
        return list;
    }();
    if (!fields.cycle || *fields.cycle < 0 || *fields.cycle >= captions.size())
        return {};
    return captions.at(*fields.cycle);
}

QString seasonCaption(Season season) {
    if (season == Season::None)
        return {};
    return seasonRow(static_cast<int>(season)).nomTiempo;
}

QString weekCaption(const LiturgicalFields& fields) {
    if (!fields.week)
        return {};
    // After Pentecost the number is written with a leading blank.
    const bool blank = fields.season == Season::OrdinaryAfterPentecost;
    const auto caption = [](int week, bool withBlank) {
        return QStringLiteral("Semana ") +
               (withBlank ? textfile::blankNumber(week) : QString::number(week));
    };
    // The weeks a season has, made once for both forms: a run shows one a day.
    constexpr int kMadeWeeks = 40;
    static const std::array<QStringList, 2> made = [&caption] {
        std::array<QStringList, 2> forms;
        for (int week = 0; week < kMadeWeeks; ++week) {
            forms[0].append(caption(week, false));
            forms[1].append(caption(week, true));
        }
        return forms;
    }();
    if (*fields.week >= 0 && *fields.week < kMadeWeeks)
        return made[blank].at(*fields.week);
    return caption(*fields.week, blank);
}

namespace {
QString roman(std::optional<int> number) {
    static const QStringList numerals = {QStringLiteral("I"), QStringLiteral("II"),
                                         QStringLiteral("III"), QStringLiteral("IV")};
    if (!number || *number < 1 || *number > numerals.size())
        return {};
    return numerals.at(*number - 1);
}
} // namespace

QString psalterCaption(const LiturgicalFields& fields) {
    return roman(fields.psalterWeek);
}

QString weekdayYearCaption(const LiturgicalFields& fields) {
    return roman(fields.weekdayYear);
}

void applyLiturgicalTime(const LiturgicalDay& day, LiturgicalFields& fields) {
    // Worked on a copy so that a data fault halfway leaves the fields as they were shown.
    LiturgicalFields shown = fields;
    const calendar::DayReadings straight(day.data);
    const calendar::DayReadings& readings = day.readings ? *day.readings : straight;
    const SeasonBounds bounds = readSeasonBounds(readings, day.nAnio, day.today.year());
    shown.cycle = cycleIndex(bounds, day.nAnio, day.today);
    shown.weekdayYear = weekdayYear(bounds, day.today);

    for (int s = 1; s <= kSeasons; ++s) {
        if (!rowMatches(s, bounds, day.today))
            continue;
        shown.colour = seasonRow(s).colour;
        shown.season = static_cast<Season>(s);
        shown.week = weekNumber(s, bounds, day.today, readings, day.nAnio);
        shown.psalterWeek = psalterWeek(s, shown.week, bounds, day.today);
    }

    // Pentecost's own psalmody is that of Sunday of week I, and the Spanish Liturgy of the Hours
    // heads the day with week I where the running count gives week IV.
    constexpr int kPentecost = 6;
    if (day.numMovil == kPentecost)
        shown.psalterWeek = 1;

    applyColourRules(day, shown);
    fields = shown;
}

} // namespace liturgy

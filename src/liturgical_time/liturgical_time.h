#pragma once
// The liturgical time of today: the boundary tables `Desde`/`Hasta` from c1..c9, the Sunday
// cycle, the season and its week, and the colour. Takes what the day-view run found and the
// fields of the previous run, and updates those fields. The fields are typed values; their
// captions for display are made here, from the values, and never read back.

#include "calendar_data/day_readings.h"
#include "platform/rgb.h"

#include <QDate>
#include <QString>

#include <optional>

namespace liturgy {

// The eight season rows of the year, in the order they are tested.
enum class Season {
    None = 0,
    ChristmasJanuary = 1,
    OrdinaryBeforeLent = 2,
    Lent = 3,
    HolyWeek = 4,
    Easter = 5,
    OrdinaryAfterPentecost = 6,
    Advent = 7,
    ChristmasDecember = 8,
};

// Weekday numbers as the day view gives them: 0 = Sunday .. 6 = Saturday.
enum Weekday { Sunday = 0, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

// The four liturgical fields of the window: Label8, Label7, Label11 and Label6's background.
struct LiturgicalFields {
    std::optional<int> cycle; // index into letraCiclo(); none before any run
    Season season = Season::None;
    std::optional<int> week; // the week number shown; none when Label11 is empty
    Rgb colour{192, 192, 192};
    std::optional<int> psalterWeek; // week 1..4 of the four-week psalter
    std::optional<int> weekdayYear; // 1 or 2: the year of the weekday readings
};

// Captions of the fields, exactly as the window shows them.
QString cycleCaption(const LiturgicalFields& fields);   // "Ciclo B"
QString seasonCaption(Season season);                   // "T.Ordinario"
QString weekCaption(const LiturgicalFields& fields);    // "Semana 3", "Semana  12" after Pentecost
QString psalterCaption(const LiturgicalFields& fields); // "I" .. "IV"
QString weekdayYearCaption(const LiturgicalFields& fields); // "I" or "II"

// What the day-view run found for today.
struct LiturgicalDay {
    QDate today;
    const calendar::CalendarSource& data;
    int nAnio = 0;
    std::optional<int> numMovil;
    std::optional<int> weekday; // what Label1 shows, 0 = Sunday; none when it shows nothing
    QString dayLine;            // today's line of the month file
    // The readings of `data` to use, when they are remembered; none: read `data` straight.
    const calendar::DayReadings* readings = nullptr;
};

// Updates `fields` for the day: the cycle and the weekday year always; the season, week, psalter
// week and default colour from every season row that matches (a later row overwrites an earlier
// one, and with no match they keep what they showed); then the colour rules, which take the colour
// letter from `dayLine`. Throws DataFault on a missing or short file or a bad date, and then leaves
// `fields` as they were.
void applyLiturgicalTime(const LiturgicalDay& day, LiturgicalFields& fields);

} // namespace liturgy

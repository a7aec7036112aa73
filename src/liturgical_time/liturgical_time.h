#pragma once
// The liturgical time of today: the boundary tables `Desde`/`Hasta` from c1..c9, the Sunday
// cycle, the season and its week, and the colour. Takes what the day-view run found and the
// fields as the window shows them, and updates those fields.

#include "platform/rgb.h"

#include <QDate>
#include <QString>

#include <optional>

namespace liturgy {

// The four liturgical fields of the window: Label8, Label7, Label11 and Label6's background.
struct LiturgicalFields {
    QString cycle;
    QString season;
    QString week;
    Rgb colour{192, 192, 192};
};

// What the day-view run found for today.
struct LiturgicalDay {
    QDate today;
    QString ruta;
    int nAnio = 0;
    std::optional<int> numMovil;
    QString weekday; // the caption of Label1
    QString dayLine; // today's line of the month file
};

// Updates `fields` for the day: the cycle always; the season, week and default colour from every
// season row that matches (a later row overwrites an earlier one, and with no match they keep
// what they showed); then the colour rules, which take the colour letter from `dayLine`.
// Throws DataFault on a missing or short file or a bad date, and then leaves `fields` as they
// were.
void applyLiturgicalTime(const LiturgicalDay& day, LiturgicalFields& fields);

} // namespace liturgy

#pragma once
// The day's Ordo: which celebration is kept, its rank, the optional memorials, the precept, the
// Gloria and the Credo, and the volume of the Liturgy of the Hours. Worked out from what the
// day's run already holds (season, week, weekday, the movable celebration of the day and the
// ranks written in the day line) by the table of liturgical days in order of precedence: the
// Proper of Time gives the day, the movable celebration and the celebrations of the day line
// compete with it, and the row of the table decides. No date of Easter is computed here.

#include "liturgical_time/liturgical_time.h"
#include "ordo/precedence.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace ordo {

enum class Rank {
    None,
    TriduoPascual,
    Solemnidad,
    Conmemoracion, // All Souls: ranks with the solemnities
    Fiesta,
    Domingo,
    MemoriaObligatoria,
    MemoriaLibre,
    Feria,
};

// "Triduo pascual", "Solemnidad", "Conmemoración", "Fiesta", "Domingo", "Memoria obligatoria",
// "Memoria libre", "Feria"; empty for None.
QString rankName(Rank rank);

struct Ordo {
    QString celebracion; // the celebration kept; empty outside the calendar
    Rank rango = Rank::None;
    QStringList libres; // optional memorials and commemorations that may be kept instead
    bool precepto = false;
    bool gloria = false;
    bool credo = false;
    int tomo = 0;             // 1..4: the volume of the Liturgy of the Hours; 0 for none
    bool ownPsalmody = false; // a solemnity or feast: its own psalmody replaces the psalter's
    bool lineKept = false;    // a celebration of the day line is the one kept
    Precedence precedence = Precedence::Weekdays; // the row of the day kept
    bool properKept = false; // a celebration of the proper calendar is the one kept
    QChar properColour;      // its colour letter
};

// A celebration of a proper calendar that competes for the day: its row of the table (4
// solemnities, 8 feasts, 11 memorials, 12 optional memorials), and whether a privilege keeps it
// on its day over the Sunday.
struct ProperCelebration {
    QString name;
    Precedence precedence = Precedence::OptionalMemorials;
    Rank rank = Rank::MemoriaLibre;
    bool precept = false;
    bool overSunday = false;
    QChar colour;
};

// What the run of one day found.
struct OrdoDay {
    QDate date;
    int weekday = 0; // 0 = Sunday
    liturgy::Season season = liturgy::Season::None;
    std::optional<int> week;         // the week of the season, as the window shows it
    QString dayLine;                 // the day's line of its month file
    std::optional<int> numMovil;     // the movable file whose date is today
    QString movableName;             // the first line of that file
    bool solemnityMovedAway = false; // the data keeps the day line's solemnity on another day
    QList<ProperCelebration> proper; // the proper calendar's celebrations of the day
    bool lineGivesWay = false;       // the proper calendar replaces the day line's celebrations
};

Ordo ordoOf(const OrdoDay& day);

// The movable file that says to which day the solemnity of `month`/`day` is moved in a year it
// meets a higher day (22 San José .. 26 Saints Peter and Paul); none for other days.
std::optional<int> moveFileOf(int month, int day);

// Whether movable file `file` holds a day of the Proper of Time (files 3, 4, 7, 9, 10 and 11):
// the Ordo keeps that day under its own name, so the file's line names the day kept.
bool isDayOfTime(int file);

// Captions of the fields as the exports and tooltips write them: "sí" or "no"; "I" .. "IV".
QString yesNo(bool value);
QString tomoCaption(int tomo);

} // namespace ordo

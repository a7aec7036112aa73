#pragma once
// One run of the day view for a given date. The run reads "cal.txt", the date's month file and
// the movable-celebration files of the data directory, continues with the liturgical time, and
// yields one value: weekday, month, line, movable celebration, year, cycle, season, week and
// colour. The window draws that value and `orvantel-dia` prints it; their captions are made in one
// place, captionsOf(). Where the rules keep what the previous run showed (no weekday match in
// "cal.txt", no season row matching), the run takes the previous value as its input.

#include "calendar_data/calendar_files.h"
#include "calendar_data/day_readings.h"
#include "liturgical_time/liturgical_time.h"
#include "ordo/ordo.h"

#include <QDate>
#include <QString>

#include <optional>

namespace dayview {

// The first steps of the run: the day itself, before its liturgical time.
struct DayView {
    QDate fechaVista;            // the date the run shows
    QString mes;                 // "01".."12"
    QString dia;                 // "01".."31"
    QString anio;                // year - 2000, two digits
    int nAnio = 0;               // numeric value of anio
    bool inCalendar = false;     // a year of 2000..2099 that "cal.txt" lists and c1..c20 hold
    QString archMes;             // path of today's month file
    std::optional<int> weekday;  // 0 = Sunday; none when "cal.txt" gives no match
    QString dayLine;             // Label14
    QString movable;             // Label9: the movable celebration, "No hay", or why none can be
    std::optional<int> numMovil; // the file number of today's movable celebration
};

// The day view of `today` from the data in `ruta`. Throws DataFault when a file is missing,
// short, or holds a bad date. A year the calendar does not cover (outside its years, missing
// from "cal.txt" or from a movable file) is not a fault: the weekday then comes from the date
// itself and `movable` says why the calendar cannot show the year.
DayView resolveDay(const QDate& today, const calendar::DayReadings& data);

// Why the calendar cannot show `year`: the range it covers, or the gap in "cal.txt".
QString outsideTheCalendar(int year, const std::optional<calendar::YearRange>& covered);

// What the window shows after a run, as values.
struct DayValue {
    QDate fecha;                          // the date of the run
    std::optional<int> weekday;           // Label1, 0 = Sunday
    int month = 0;                        // Label15, 1..12; 0 when the run did not reach it
    int year = 0;                         // Label4; 0 when the run did not reach it
    QString line;                         // Label14
    QString movable;                      // Label9
    std::optional<int> numMovil;          // the file of the movable celebration
    liturgy::LiturgicalFields liturgical; // Label8, Label7, Label11 and Label6's background
    ordo::Ordo ordo;                      // what is celebrated; empty outside the calendar
    QString properCalendar;               // the proper calendar's name when its celebration is kept
};

class ProperSchedule;

// One run for `date` on top of `previous`, the value of the run before. `out` is filled step
// by step; when a DataFault stops the run, the fields it had not reached are left empty (and
// the colour grey), as before any run, and the fault is thrown on. The Ordo of the day follows
// the liturgical time, and the proper calendar when there is one: its celebration kept sets
// the Ordo and the colour; the day line stays the national one.
void runDay(const QDate& date, const calendar::DayReadings& data, const DayValue& previous,
            DayValue& out, const ProperSchedule* proper = nullptr);

// The captions of a value, exactly as the window shows them.
struct DayCaptions {
    QString weekday;
    QString month;
    QString year;
    QString line;
    QString movable;
    QString cycle;
    QString season;
    QString week;
    QString psalter;     // "I" .. "IV"
    QString weekdayYear; // "I" or "II"
    // The Ordo; all empty outside the calendar.
    QString celebration; // the celebration kept
    QString rank;        // "Solemnidad" .. "Feria"
    QString optional;    // the optional memorials, separated by "; "
    QString precept;     // "sí" or "no"
    QString gloria;
    QString credo;
    QString tomo;           // "I" .. "IV"
    QString properCalendar; // the proper calendar whose celebration is kept; else empty
};
DayCaptions captionsOf(const DayValue& value);

// The tooltips of the cycle and the week, from the captions: "Ciclo B los domingos; año I entre
// semana" and "Salterio: semana II", with the volume of the Liturgy of the Hours ("Liturgia de
// las Horas: tomo III") and, on a solemnity or feast, that its own psalmody replaces the
// psalter's; empty when the day has no such value.
struct DayDetails {
    QString cycle;
    QString week;
};
DayDetails detailsOf(const DayValue& value, const DayCaptions& captions);

// What is celebrated, as the tooltip of the celebrations line tells it under the date: "Se
// celebra: ⟨celebración⟩ (⟨rango⟩)", then the proper calendar it is of ("Propio: Archidiócesis de
// Madrid"), the optional memorials and "Día de precepto" when the day has them; empty outside the
// calendar.
QString celebrationDetails(const DayCaptions& captions);
// The same for any day of the calendar, read from `data` (the day leafed to or found); empty for a
// day a month lacks and for a day whose run stops at a data fault (the run of today names it).
QString celebrationDetails(int year, int month, int day, const calendar::CalendarSource& data,
                           const ProperSchedule* proper = nullptr);

} // namespace dayview

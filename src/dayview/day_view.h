#pragma once
// One run of the day view for a given date: reads "cal.txt", today's month file and the
// movable-celebration files from `Ruta` and returns what the window shows about that day.
// The liturgical fields (cycle, season, week, colour) continue the run in liturgical_time/.

#include <QDate>
#include <QString>

#include <optional>

namespace dayview {

struct DayView {
    QDate fechaVista;               // the date the run shows
    QString mes;                    // "01".."12"
    QString dia;                    // "01".."31"
    QString anio;                   // year - 2000, two digits
    int nAnio = 0;                  // numeric value of anio
    bool inCalendar = false;        // the year is one of 2000..2016 and listed in "cal.txt"
    QString archMes;                // path of today's month file
    std::optional<QString> weekday; // Label1; none when "cal.txt" gives no match
    QString monthName;              // Label15
    QString dayLine;                // Label14
    QString movable;                // Label9: the movable celebration, "No hay", or why none can be
    std::optional<int> numMovil;    // the file number of today's movable celebration
    QString year;                   // Label4, four digits
};

// The day view of `today` from the data in `ruta`. Throws DataFault when a file is missing,
// short, or holds a bad date. A year outside 2000..2016, or missing from "cal.txt", is not a
// fault: the weekday then comes from the date itself and `movable` says why the calendar
// cannot show the year.
DayView resolveDay(const QDate& today, const QString& ruta);

} // namespace dayview

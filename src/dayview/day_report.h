#pragma once
// The day view of one date as text, for the terminal command. A run resolves the day and its
// liturgical time with the same core steps as the window and leaves the result in the fields
// the window shows; fields that a step leaves untouched keep what the previous run of the same
// sequence showed, as they do in the window. The fields are then written as tab-separated
// rows with a header, or one field per line.

#include "liturgical_time/liturgical_time.h"
#include "platform/rgb.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace dayreport {

// What the window shows after a run of the day view.
struct ShownDay {
    QDate fecha;
    QString dia;                          // Label1, the weekday
    QString mes;                          // Label15, the month name
    QString anio;                         // Label4, the year
    QString linea;                        // Label14, the day's line of the month file
    QString movil;                        // Label9, the movable celebration
    liturgy::LiturgicalFields liturgical; // Label8, Label7, Label11 and Label6's background
};

// One run of the day view for `date` on top of `shown`. Throws DataFault; `shown` may then be
// partly updated.
void runDay(const QDate& date, const QString& ruta, ShownDay& shown);

// "fecha", "dia", "mes", "anio", "linea", "movil", "ciclo", "tiempo", "semana", "color".
const QStringList& fieldNames();

// The fields in the order of fieldNames(): the date as AAAA-MM-DD, the colour as "R,G,B",
// every caption unchanged (blanks kept).
QStringList fieldValues(const ShownDay& shown);

QString colourText(const Rgb& colour);

// The header line and one row, tab-separated; a tab or line break inside a caption becomes a
// blank so that every row keeps its ten columns. No line end.
QString headerLine();
QString rowLine(const ShownDay& shown);

// One line per field: its name, a tab and its value; each line ended by "\n".
QString fieldListing(const ShownDay& shown);

} // namespace dayreport

#pragma once
// The day value of a run as text, for the terminal command: the fields as tab-separated rows
// with a header, or one field per line. The captions are those the window shows.

#include "dayview/day_view.h"
#include "platform/rgb.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

namespace dayreport {

// "fecha", "dia", "mes", "anio", "linea", "movil", "ciclo", "tiempo", "semana", "color",
// "salterio", "ciclo_ferial", then the Ordo: "celebracion", "rango", "libres", "precepto",
// "gloria", "credo", "tomo".
const QStringList& fieldNames();

// A control character of C0 or C1 (tab and line ends among them): no export writes one as it is.
bool isControl(QChar c);

// The fields in the order of fieldNames(): the date as AAAA-MM-DD, the colour as "R,G,B",
// every caption unchanged (blanks kept), the psalter week and the weekday year as "I" .. "IV".
QStringList fieldValues(const dayview::DayValue& day);

constexpr qsizetype kFieldCount = 19;
// What the fields hold that is not a caption already: the date's and the colour's texts.
struct FieldRoom {
    std::array<QChar, 10> digits; // AAAA-MM-DD
    QString date;                 // a date outside the years 1000 .. 9999, as QDate writes it
    QString colour;
};
// fieldValues() as views into the day's captions and `room`, without making a list: a range
// writes every field of every day.
std::array<QStringView, kFieldCount>
fieldViews(const dayview::DayValue& day, const dayview::DayCaptions& captions, FieldRoom& room);
// Views into captions about to go would dangle: the captions must be held by the caller.
std::array<QStringView, kFieldCount> fieldViews(const dayview::DayValue&, dayview::DayCaptions&&,
                                                FieldRoom&) = delete;

QString colourText(const Rgb& colour);

// The header line and one row, tab-separated; a tab, line break or other control character
// inside a caption becomes a blank, so that every row keeps its columns. No line end.
QString headerLine();
QString rowLine(const dayview::DayValue& day);
// Appends rowLine() in UTF-8, written straight: a range writes one a day.
void appendRowBytes(QByteArray& out, const dayview::DayValue& day);

// One line per field: its name, a tab and its value (blanks for control characters, as in a
// row); each line ended by "\n".
QString fieldListing(const dayview::DayValue& day);

} // namespace dayreport

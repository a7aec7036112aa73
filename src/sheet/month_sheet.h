#pragma once
// The month on paper: the calendar of a month, or of any run of days, laid out as A4 pages to
// print, one page per month. Each page has a header (month, year, Sunday cycle and year of the
// weekday readings, from the day they change; the data folder when its files are not the
// shipped ones; the proper calendar's name), one row per day (number and weekday, the colour as
// a swatch and in words, the celebration kept in bold with its rank, the day line, the optional
// memorials and the movable celebration, the psalter week and the volume of the Liturgy of the
// Hours, the precept) and a footer with the legend of the abbreviations and the date of
// printing. The same painting serves the PDF file and the printer of the print preview. A month
// whose rows do not fit one page even with their texts at the floor of 6 points (many very long
// day lines) goes on to a further page under the same header: no text is cut off.

#include "calendar_data/day_readings.h"
#include "dayview/day_view.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace sheet {

// What the sheet says besides the days.
struct SheetOptions {
    // The data folder's name, printed in the header when its files are not the shipped ones;
    // empty for the shipped data (see editedDataName).
    QString dataFolder;
    // The name of a proper (diocesan) calendar whose days the sheet shows; printed under the
    // title when not empty.
    QString properCalendar;
    // The date of printing, in every page's footer.
    QDate printed;
};

// The days of one page: one month, or the part of it a range covers.
struct MonthPage {
    int year = 0;
    int month = 0;
    QList<dayview::DayValue> days;
};

// The days `first` .. `last` run from `data` as the window runs them, over the proper calendar
// `proper` when there is one, one page per month the range touches. Throws the DataFault of the
// first day whose run fails.
QList<MonthPage> monthPages(const QDate& first, const QDate& last,
                            const calendar::DayReadings& data,
                            const dayview::ProperSchedule* proper = nullptr);

// The document's title: "Calendario litúrgico — Diciembre 2026", "Calendario litúrgico — 2026"
// for a whole year, "Calendario litúrgico — Diciembre 2026 a Enero 2027" for other runs.
QString documentTitle(const QList<MonthPage>& pages);

// Sets A4 portrait with the sheet's margins on `device`, before a painter opens on it.
void prepareDevice(QPagedPaintDevice& device);

// Paints the pages with `painter`, open on `device` (a QPdfWriter or a QPrinter): the first
// on the current page, each later one after a new page.
void paintPages(QPainter& painter, QPagedPaintDevice& device, const QList<MonthPage>& pages,
                const SheetOptions& options);

// The pages as one PDF document: A4 portrait, fonts embedded, the title set and "Orvantel" as
// its creator. Needs a QGuiApplication.
QByteArray pdfDocument(const QList<MonthPage>& pages, const SheetOptions& options);

// The name of the data folder at `ruta` when any calendar file in it differs from the data the
// program ships (or is missing); empty when every file is the shipped one.
QString editedDataName(const QString& ruta);

} // namespace sheet

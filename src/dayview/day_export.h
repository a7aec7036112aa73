#pragma once
// The day values as documents for other programs, written day by day so that a long range never
// waits or grows in memory: the terminal's TSV (day_report.h), JSON for scripts and web pages,
// and iCalendar (RFC 5545) for the user's own calendar application. Every document is UTF-8:
// the captions are Unicode text, decoded from the data files' code page by their reader.

#include "dayview/day_view.h"
#include "platform/rgb.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace dayexport {

enum class Format { Tsv, Json, Ics };

// "tsv", "json" or "ics"; none for any other text.
std::optional<Format> formatNamed(const QString& name);

// The colour in words: "blanco", "verde", "rojo" and "morado" for the liturgical colours, and
// "gris" for the grey of a day without one (a year the calendar does not cover). Any other
// triple has no name: "".
QString colourName(const Rgb& colour);

// One day as a JSON object: the twelve fields of the TSV under the same names and with the same
// text (control characters kept, JSON escapes them), plus "color_nombre", the colour's name,
// and "color_rgb", its three numbers.
QJsonObject jsonDay(const dayview::DayValue& day);

// iCalendar text: backslash, semicolon and comma escaped, each line end (CR LF, LF, CR or a
// Unicode line separator) written as "\n"; a tab or other control character, for which
// iCalendar has no escape, becomes a blank.
QString icsText(const QString& text);
// One content line in UTF-8, folded so that no physical line passes 75 octets (a continuation
// starts with a blank) and no character is split; every line ended by CR LF.
QByteArray icsLine(const QString& line);
// The all-day event of a day, its content lines folded. `stamp` is its DTSTAMP; the UID is
// made from the date and the day's fields alone, so the same day of the same data always has
// the same UID and a calendar application updates it on a second import.
QByteArray icsEvent(const dayview::DayValue& day, const QDateTime& stamp);

struct IcsScratch;

// A document written as the days come: begin(), then day() for each day in order, then end().
// The pieces put together are the whole document.
class DayDocument {
public:
    // `table`: the TSV of a range (header and one row per day) rather than the fields of one
    // day, one per line; the other formats are the same for one day and for many. `stamp` is
    // the iCalendar DTSTAMP, in UTC.
    DayDocument(Format format, bool table, const QDateTime& stamp);

    ~DayDocument();
    QByteArray begin() const;
    // Appends the day to `out`: a range writes its days into one buffer.
    void appendDay(QByteArray& out, const dayview::DayValue& value);
    QByteArray end() const;

private:
    Format format_;
    bool table_;
    QByteArray stamp_; // the DTSTAMP line of every event
    bool first_ = true;
    std::unique_ptr<IcsScratch> scratch_; // the room an iCalendar event reuses
};

// A whole document of the days.
QByteArray document(Format format, bool table, const QList<dayview::DayValue>& days,
                    const QDateTime& stamp);

} // namespace dayexport

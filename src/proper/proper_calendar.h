#pragma once
// A proper calendar: the celebrations of a diocese or a church kept over the national calendar,
// read from a plain text file (Windows-1252, CR LF) written by hand. One line per celebration:
//
//   FECHA RANGO COLOR [=] NOMBRE      a celebration; "=" replaces the national ones of its day
//   FECHA suprime                     the national celebrations of that day are not kept
//   nombre: Archidiócesis de Madrid   the calendar's name, as the window and the sheets show it
//   # ...                             a comment; empty lines are skipped too
//
// FECHA is a fixed day ("09-nov"), a day tied to a movable date of the calendar ("Pascua+8",
// "Pentecostés-1", "Adviento"), or the n-th weekday of a month ("2-dom-may", "u-sáb-oct" the
// last). RANGO is "So", "Fi", "Me" or "-" (an optional memorial), followed by "+" for a day of
// precept and "!" for a celebration that keeps its day over the Sunday by privilege. COLOR is
// a colour letter of the day lines (b B r R M A). A line that cannot be read is named with its
// line and skipped: the rest of the file still serves.

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QSettings;

namespace proper {

enum class ProperRank { Solemnity, Feast, Memorial, Optional };

struct ProperDate {
    enum Kind { Fixed, Movable, NthWeekday } kind = Fixed;
    int month = 0;   // Fixed, NthWeekday: 1..12
    int day = 0;     // Fixed: 1..31
    int file = 0;    // Movable: the movable file of the anchor (5 Pascua)
    int offset = 0;  // Movable: days after (or before) the anchor
    int nth = 0;     // NthWeekday: 1..5, or -1 for the last
    int weekday = 0; // NthWeekday: 0 = Sunday
};

struct ProperEntry {
    int line = 0; // from 1
    ProperDate date;
    bool suppress = false; // "suprime": no celebration, the national ones of the day go
    bool replaces = false; // "=": the national celebrations of its day give way to it
    ProperRank rank = ProperRank::Optional;
    bool precept = false;
    bool overSunday = false;
    QChar colour;
    QString name;
};

struct ProperFault {
    int line = 0;
    QString text; // in Spanish
};

struct ProperCalendar {
    QString name; // the "nombre:" line; else the file's name
    QString path; // the file read
    QList<ProperEntry> entries;
    QList<ProperFault> faults;
};

// The lines of a proper file read; `fileName` names the calendar when the file gives no name.
// Two solemnities or feasts written for the same date are a fault of the second line.
ProperCalendar parseProper(const QStringList& lines, const QString& fileName);

// Reads the proper calendar at `path`: a fault of the file itself (missing, not text) is
// thrown as DataFault.
ProperCalendar readProper(const QString& path);

// The anchors a movable date can be tied to, with their movable files: "Pascua" 5, ...
struct Anchor {
    const char16_t* name;
    int file;
};
const QList<Anchor>& anchors();

// The date of `date` in `year`, from the dates of the movable files of that year (`movable`,
// index n - 1 for file n). None for a day the year lacks (29-feb) or an anchor without a date.
std::optional<QDate> dateIn(const ProperDate& date, int year, const QList<QDate>& movable);

// The shipped proper calendars: files "propio-<clave>.txt" of the data folder.
inline constexpr char16_t kShippedPrefix[] = u"propio-";
struct Shipped {
    QString key;  // "madrid"
    QString name; // "Archidiócesis de Madrid"
};
const QList<Shipped>& shippedPropers();

// The file of a choice: a shipped key gives its file in `ruta`; anything else is a path.
QString properPath(const QString& choice, const QString& ruta);

// The name the calendar shows for a choice ("Archidiócesis de Madrid", or the file's name):
// empty for none.
QString displayName(const QString& choice);

// The choice the user made, remembered in their settings: "" none (the national calendar), a
// shipped key, or the path of their own file.
QString storedChoice(const QSettings& settings);
void storeChoice(QSettings& settings, const QString& choice);

} // namespace proper

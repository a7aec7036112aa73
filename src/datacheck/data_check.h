#pragma once
// The check of a data directory: every calendar file ("cal.txt", the month files 01.txt ..
// 12.txt, c1.txt .. c20.txt and then c21.txt, c22.txt, ... while present; never the notes) is
// read through the guarded readers, and everything that the reading rules let pass, or that
// stops a reader, is named as one problem with its file and line: dates that are not dates of
// their year or out of their order, week numbers after Pentecost out of range or not bringing
// Christ the King to week 34, digits of "cal.txt" outside 1-7 or not those of the calendar,
// short files, files cut in a line, lines of the proper calendars ("propio-*.txt") that cannot
// be read, files saved as UTF-8 (whole or in part) or UTF-16, control
// characters, day lines ending in an unknown colour letter or with blanks after theirs, days the
// month has whose line says they do not exist, and movable celebrations without a name. The day
// view keeps reading what it reads; this is how the user gets to see a fault in the data.

#include <QList>
#include <QString>

namespace datacheck {

struct Problem {
    QString file; // the file name, "c5.txt"
    int line = 0; // from 1; 0 when the problem is the whole file's
    QString text; // what is wrong, in Spanish
    // A warning: the program can still show every day, and the file wants mending: it holds
    // lines it never reads, or a day shows a text, a name, a colour or a week that the file most
    // likely does not mean (an empty text, an unknown colour letter). Otherwise a fault: a day
    // is shown wrong, or not at all.
    bool warning = false;
};

// Every problem of the calendar files in `ruta`, sorted by file and line (see problemBefore).
// An empty list means the directory is sound.
QList<Problem> checkDataDirectory(const QString& ruta);

// The problems of a proper calendar file kept outside the data directory (the user's own),
// named by its path.
QList<Problem> checkProperFile(const QString& path);
// The problems of the proper calendar file `path` chosen over the data in `ruta` that
// checkDataDirectory(ruta) does not name already: none for a "propio-*.txt" of that folder,
// those of checkProperFile() for any other file.
QList<Problem> checkChosenProper(const QString& ruta, const QString& path);

// "c5.txt:11: texto", or "c5.txt: texto" for a problem of the whole file; a warning reads
// "cal.txt:102: aviso: texto".
QString problemLine(const Problem& problem);

// The order of the list: "cal.txt", the months 01 .. 12, then c1, c2, ... by number, other
// names last; within a file by line, the whole file's problems first.
bool problemBefore(const Problem& a, const Problem& b);

// How many problems the window's message shows.
inline constexpr int kProblemsShown = 3;

// The message the window shows when the check finds problems: the first `shown` of them and how
// to see them all. Empty for no problem.
QString problemsMessage(const QList<Problem>& problems, const QString& ruta,
                        int shown = kProblemsShown);

} // namespace datacheck

#pragma once
// The celebrations of a day line of a month file, read for one year. A line holds one or more
// celebrations separated by ";", each a name that may end in a rank word ("So" solemnity, "Fi"
// feast, "Me" obligatory memorial, none an optional memorial) with "+" for a day of precept;
// the line ends in " -" and its colour letter. Year marks in brackets say in which years a
// celebration, its rank or its name hold:
//   "(desde 2002)"            kept from 2002 on;     "(hasta 2020)"  kept up to 2020;
//   "(Me hasta 2015) Fi"      a memorial up to 2015, a feast from 2016;
//   "(Sta. Marta hasta 2020)" named "Sta. Marta" up to 2020;
//   "(solo en años bisiestos)" a note on the day, not a celebration.
// "Sin celebración fija", "No existe este día" and the days of the Christmas octave ("Día V de la
// octava de Navidad") hold no celebration. Faults in the rank marks are reported with the text of
// the celebration; the celebration is then read as well as it can be.

#include <QChar>
#include <QList>
#include <QString>

#include <optional>

namespace ordo {

// The rank a day line gives a celebration.
enum class LineRank { Solemnity, Feast, ObligatoryMemorial, OptionalMemorial };

struct LineCelebration {
    QString name; // as the line writes it, without rank, precept and year marks
    LineRank rank = LineRank::OptionalMemorial;
    bool precept = false; // "+"
};

struct LineFault {
    QString celebration; // the text of the celebration, as the line writes it
    QString what;        // what is wrong, in Spanish
};

struct DayLine {
    QList<LineCelebration> celebrations; // those kept in the year asked for, in line order
    QChar colourLetter;                  // the letter after the final " -"; null when none
    bool octaveDay = false;              // the line names a day of the Christmas octave
    QList<LineFault> faults;
};

// The line read for `year`.
DayLine readDayLine(const QString& line, int year);

// The same in two steps: the line as written, marks and all, which holds for every year; then
// each celebration in a year (none when it is not kept that year).
struct YearMark {
    enum Kind { From, Until, RankUntil, NameUntil, Note } kind;
    int year = 0;
    LineRank rank = LineRank::OptionalMemorial;
    QString name;
};
struct WrittenCelebration {
    LineCelebration celebration; // as kept with no year mark applied
    QList<YearMark> marks;
};
struct WrittenLine {
    QList<WrittenCelebration> celebrations;
    QChar colourLetter;
    bool octaveDay = false;
    QList<LineFault> faults;
};
WrittenLine parseDayLine(const QString& line);
std::optional<LineCelebration> inYear(const WrittenCelebration& written, int year);

// The name of a rank as the calendar writes it in full: "Solemnidad", "Fiesta", "Memoria
// obligatoria", "Memoria libre".
QString lineRankName(LineRank rank);

} // namespace ordo

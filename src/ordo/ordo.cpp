#include "ordo/ordo.h"

#include "ordo/day_line.h"
#include "ordo/precedence.h"
#include "ordo/proper_of_time.h"

#include <QHash>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <mutex>

namespace ordo {

namespace {

using liturgy::Season;

// The movable celebrations that compete for the day, with the rank the calendar gives them.
// Files 3, 4, 7, 9, 10 and 11 are days of the Proper of Time and 19 holds no date: they are not
// here. The solemnities that the data moves (22..26) are kept on the day it names, over the
// Sunday of Advent too (Spain's privilege for the Immaculate Conception when the data keeps it
// on its Sunday). The Marian memorials (17, 21) prevail over a saint's memorial of the same day
// (Congregation for Divine Worship, notification of 24 March 2018).
struct MovableRow {
    int file;
    Precedence precedence;
    Rank rank;
    int homeMonth = 0; // the fixed day of the same celebration, when there is one
    int homeDay = 0;
};
constexpr std::array<MovableRow, 19> kMovable = {{
    {1, Precedence::GeneralSolemnities, Rank::Solemnidad, 1, 1},  // Santa María, Madre de Dios
    {2, Precedence::LordsFeasts, Rank::Fiesta},                   // Bautismo del Señor
    {5, Precedence::Triduum, Rank::Solemnidad},                   // Domingo de Resurrección
    {6, Precedence::PrincipalDays, Rank::Solemnidad},             // Pentecostés
    {8, Precedence::PrincipalDays, Rank::Solemnidad, 12, 25},     // Natividad del Señor
    {12, Precedence::PrincipalDays, Rank::Solemnidad},            // Ascensión
    {13, Precedence::LordsFeasts, Rank::Fiesta},                  // Jesucristo, Sumo Sacerdote
    {14, Precedence::GeneralSolemnities, Rank::Solemnidad},       // Santísima Trinidad
    {15, Precedence::GeneralSolemnities, Rank::Solemnidad},       // Corpus Christi
    {16, Precedence::GeneralSolemnities, Rank::Solemnidad},       // Sagrado Corazón
    {17, Precedence::GeneralMemorials, Rank::MemoriaObligatoria}, // Inmaculado Corazón
    {18, Precedence::GeneralSolemnities, Rank::Solemnidad},       // Cristo Rey
    {20, Precedence::LordsFeasts, Rank::Fiesta},                  // Sagrada Familia
    {21, Precedence::GeneralMemorials, Rank::MemoriaObligatoria}, // María, Madre de la Iglesia
    {22, Precedence::PrincipalDays, Rank::Solemnidad, 3, 19},     // San José
    {23, Precedence::PrincipalDays, Rank::Solemnidad, 3, 25},     // Anunciación
    {24, Precedence::PrincipalDays, Rank::Solemnidad, 12, 8},     // Inmaculada Concepción
    {25, Precedence::PrincipalDays, Rank::Solemnidad, 6, 24},     // Natividad de S. Juan
    {26, Precedence::PrincipalDays, Rank::Solemnidad, 6, 29},     // Santos Pedro y Pablo
}};

const MovableRow* movableRow(std::optional<int> file) {
    if (!file)
        return nullptr;
    const auto* row = std::find_if(kMovable.begin(), kMovable.end(),
                                   [&](const MovableRow& r) { return r.file == *file; });
    return row == kMovable.end() ? nullptr : row;
}

// A celebration that competes for the day.
struct Candidate {
    QString name;
    Precedence precedence;
    Rank rank;
    bool gloria;
    bool credo;
    bool precept = false;
    bool fromLine = false;
    bool prevailsAmongMemorials = false; // a Marian movable memorial
    const ProperCelebration* proper = nullptr;
};

// The rank of a day line's celebration in the table: a solemnity with the general ones; a feast
// whose colour the calendar writes in capitals ("B", "R": its colour holds on a Sunday) with
// the feasts of the Lord; All Souls ("Conmemoración de ...") with the solemnities.
Candidate lineCandidate(const LineCelebration& c, QChar letter, bool alone) {
    Candidate out{c.name, Precedence::OptionalMemorials, Rank::MemoriaLibre, false, false};
    out.precept = c.precept;
    out.fromLine = true;
    if (c.name.startsWith(QStringView(u"Conmemoración de "))) {
        out.precedence = Precedence::GeneralSolemnities;
        out.rank = Rank::Conmemoracion;
        return out;
    }
    switch (c.rank) {
    case LineRank::Solemnity:
        out.precedence = Precedence::GeneralSolemnities;
        out.rank = Rank::Solemnidad;
        out.gloria = out.credo = true;
        break;
    case LineRank::Feast: {
        const bool ofTheLord = alone && (letter == QLatin1Char('B') || letter == QLatin1Char('R'));
        out.precedence = ofTheLord ? Precedence::LordsFeasts : Precedence::GeneralFeasts;
        out.rank = Rank::Fiesta;
        out.gloria = true;
        break;
    }
    case LineRank::ObligatoryMemorial:
        out.precedence = Precedence::GeneralMemorials;
        out.rank = Rank::MemoriaObligatoria;
        break;
    case LineRank::OptionalMemorial:
        break;
    }
    return out;
}

bool isMemorial(const Candidate& c) {
    return c.precedence >= Precedence::GeneralMemorials &&
           c.precedence <= Precedence::OptionalMemorials;
}

// The volume of the Liturgy of the Hours: I Advent and Christmas, II Lent to Pentecost, III the
// weeks 1 to 17 of Ordinary Time, IV the weeks 18 to 34.
int tomoOf(Season season, std::optional<int> week) {
    switch (season) {
    case Season::Advent:
    case Season::ChristmasDecember:
    case Season::ChristmasJanuary:
        return 1;
    case Season::Lent:
    case Season::HolyWeek:
    case Season::Easter:
        return 2;
    case Season::OrdinaryBeforeLent:
    case Season::OrdinaryAfterPentecost:
        return week && *week >= 18 ? 4 : 3;
    case Season::None:
        break;
    }
    return 0;
}

// The day line as written, remembered: a range of days meets each line once a year. One memory
// for every thread that runs days (the window's, the background check's, orvantel-dia's runs),
// under a lock, emptied when it grows past any calendar's size. Not a thread_local memory: the
// MinGW runtime frees a thread's thread_local storage before it runs the destructors of what it
// holds, so a thread that had used one crashed as it ended.
WrittenLine writtenLineOf(const QString& text) {
    static std::mutex lock;
    static QHash<QString, WrittenLine> read;
    constexpr qsizetype kRemembered = 4096;
    {
        const std::lock_guard guard(lock);
        if (const auto it = read.constFind(text); it != read.constEnd())
            return *it;
    }
    WrittenLine parsed = parseDayLine(text);
    const std::lock_guard guard(lock);
    if (read.size() >= kRemembered)
        read.clear();
    read.insert(text, parsed);
    return parsed;
}

} // namespace

QString rankName(Rank rank) {
    switch (rank) {
    case Rank::None:
        return {};
    case Rank::TriduoPascual:
        return QStringLiteral("Triduo pascual");
    case Rank::Solemnidad:
        return QStringLiteral("Solemnidad");
    case Rank::Conmemoracion:
        return QStringLiteral("Conmemoración");
    case Rank::Fiesta:
        return QStringLiteral("Fiesta");
    case Rank::Domingo:
        return QStringLiteral("Domingo");
    case Rank::MemoriaObligatoria:
        return QStringLiteral("Memoria obligatoria");
    case Rank::MemoriaLibre:
        return QStringLiteral("Memoria libre");
    case Rank::Feria:
        return QStringLiteral("Feria");
    }
    return {};
}

bool isDayOfTime(int file) {
    return file >= 1 && file <= 26 && file != 19 && !movableRow(file);
}

std::optional<int> moveFileOf(int month, int day) {
    for (const MovableRow& row : kMovable) {
        if (row.file >= 22 && row.homeMonth == month && row.homeDay == day)
            return row.file;
    }
    return std::nullopt;
}

QString yesNo(bool value) {
    return value ? QStringLiteral("sí") : QStringLiteral("no");
}

QString tomoCaption(int tomo) {
    return tomo >= 1 && tomo <= 4 ? romanNumeral(tomo) : QString();
}

Ordo ordoOf(const OrdoDay& day) {
    const ProperOfTime time = properOfTime(day);
    const DayRubrics& timeRubrics = rubricsOf(time.kind);
    const bool sunday = day.weekday == liturgy::Sunday;

    // The day of the Proper of Time competes first; a later candidate wins only with a lower
    // row, so that on a tie the movable celebration (the Ascension on its Sunday) comes before the
    // Proper of Time and a day line's celebration after both.
    QVarLengthArray<Candidate, 8> candidates;
    const MovableRow* movable = movableRow(day.numMovil);
    if (movable) {
        const bool solemn = movable->rank == Rank::Solemnidad;
        candidates.append({day.movableName, movable->precedence, movable->rank,
                           solemn || movable->rank == Rank::Fiesta, solemn || sunday});
        candidates.back().prevailsAmongMemorials = movable->rank == Rank::MemoriaObligatoria;
    }
    candidates.append({time.name, timeRubrics.precedence, timeRubrics.rank, timeRubrics.gloria,
                       timeRubrics.credo});

    const WrittenLine line = writtenLineOf(day.dayLine);
    // The day line names the movable celebration itself on its fixed day (1 January, Christmas,
    // the Immaculate Conception kept on its Sunday): one celebration, with the line's precept.
    const bool lineIsMovable =
        movable && movable->homeMonth == day.date.month() && movable->homeDay == day.date.day();
    for (const WrittenCelebration& written : line.celebrations) {
        if (day.lineGivesWay)
            break;
        const std::optional<LineCelebration> kept = inYear(written, day.date.year());
        if (!kept)
            continue;
        const LineCelebration& c = *kept;
        if (lineIsMovable && c.rank == LineRank::Solemnity) {
            candidates.front().precept = c.precept;
            candidates.front().fromLine = true;
            continue;
        }
        if (day.solemnityMovedAway && c.rank == LineRank::Solemnity)
            continue;
        Candidate candidate = lineCandidate(c, line.colourLetter, line.celebrations.size() == 1);
        candidate.credo = candidate.credo || (sunday && candidate.rank == Rank::Fiesta);
        candidates.append(candidate);
    }

    // The proper calendar's celebrations come last. A proper memorial prevails over a general
    // one of the same weekday, which gives way to it.
    for (const ProperCelebration& p : day.proper) {
        const bool solemn = p.rank == Rank::Solemnidad;
        Candidate candidate{p.name, p.precedence, p.rank, solemn || p.rank == Rank::Fiesta,
                            solemn || sunday};
        candidate.precept = p.precept;
        candidate.fromLine = true; // its precept holds on the day it is written for
        candidate.proper = &p;
        if (p.rank == Rank::MemoriaObligatoria)
            candidate.precedence = Precedence::GeneralMemorials;
        candidates.append(candidate);
    }
    // The highest day that is not a memorial.
    const Candidate* best = nullptr;
    for (const Candidate& c : candidates) {
        if (!isMemorial(c) && (!best || c.precedence < best->precedence))
            best = &c;
    }
    // A privilege keeps a proper solemnity or feast on its day over a Sunday of Easter, of
    // Christmas or of Ordinary Time, not over a movable celebration kept on it.
    const bool sundayYields =
        time.kind == TimeDay::ChristmasOrOrdinarySunday ||
        (time.kind == TimeDay::PrivilegedSunday && day.season == Season::Easter);
    if (sundayYields && best && best->name == time.name && best->rank == Rank::Domingo) {
        for (const Candidate& c : candidates)
            if (c.proper && c.proper->overSunday && !isMemorial(c))
                best = &c;
    }
    QVarLengthArray<const Candidate*, 8> memorials;
    for (const Candidate& c : candidates) {
        if (isMemorial(c))
            memorials.append(&c);
    }

    Ordo ordo;
    const Candidate* kept = best;
    if (best->precedence == Precedence::PrivilegedWeekdays) {
        // Lent, 17-24 December, the Christmas octave: the memorials are only commemorated.
        for (const Candidate* m : memorials)
            ordo.libres.append(m->name);
    } else if (best->precedence == Precedence::Weekdays) {
        QVarLengthArray<const Candidate*, 8> obligatory;
        for (const Candidate* m : memorials) {
            if (m->precedence == Precedence::GeneralMemorials)
                obligatory.append(m);
        }
        // A proper memorial first, then a Marian movable one.
        auto prevailing = std::find_if(obligatory.begin(), obligatory.end(),
                                       [](const Candidate* m) { return m->proper != nullptr; });
        if (prevailing == obligatory.end())
            prevailing = std::find_if(obligatory.begin(), obligatory.end(),
                                      [](const Candidate* m) { return m->prevailsAmongMemorials; });
        if (prevailing != obligatory.end()) {
            kept = *prevailing;
        } else if (obligatory.size() == 1) {
            kept = obligatory.front();
        } else {
            // None, or several that then become optional: the weekday, with them all to choose.
            for (const Candidate* m : memorials)
                ordo.libres.append(m->name);
            const bool ordinary = day.season == Season::OrdinaryBeforeLent ||
                                  day.season == Season::OrdinaryAfterPentecost;
            if (ordinary && day.weekday == liturgy::Saturday)
                ordo.libres.append(QStringLiteral("Santa María en sábado"));
        }
    }

    ordo.celebracion = kept->name;
    ordo.rango = kept->rank;
    ordo.gloria = kept->gloria;
    ordo.credo = kept->credo;
    ordo.lineKept = kept->fromLine && !kept->proper;
    ordo.precedence = kept->precedence;
    ordo.properKept = kept->proper != nullptr;
    if (kept->proper)
        ordo.properColour = kept->proper->colour;
    // Every Sunday, and the days the line marks "+" when their celebration is kept on them; a
    // moved solemnity does not take its precept to the day it is moved to.
    ordo.precepto = sunday || (kept->fromLine && kept->precept);
    ordo.tomo = tomoOf(day.season, day.week);
    ordo.ownPsalmody = kept->rank == Rank::Solemnidad || kept->rank == Rank::Fiesta;
    return ordo;
}

} // namespace ordo

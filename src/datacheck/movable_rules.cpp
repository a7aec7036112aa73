// The rules of the movable celebrations, checked against the data itself: the program computes
// no Easter. Easter Sunday of each year is the date of c5.txt (a Sunday from 22 March to 25
// April); every celebration tied to Easter falls a fixed number of days from it, the others on
// their weekday within the days they can fall on. The solemnities of fixed date that the
// calendar moves (c22 ... c26) have a date only in a year when their own day is impeded, and
// then only on the days they can move to; in any other year their line says "sin celebración".
// The Immaculate Heart (c17) may say so in a year when its day is taken by a higher
// celebration, Santa María, Madre de la Iglesia (c21) in any year.

#include "calendar_data/calendar_files.h"
#include "datacheck/check_parts.h"

#include <QHash>

#include <array>
#include <optional>

namespace datacheck {

namespace {

constexpr int kEasterFile = 5;
// Christ the King is the Sunday of the 34th and last week of Ordinary Time.
constexpr int kChristTheKingWeek = 34;
constexpr int kPentecostFromEaster = 49;

struct Day {
    int month = 0;
    int day = 0;
    QDate in(int year) const { return QDate(year, month, day); }
};

// A celebration's rule; a part that does not apply is left out.
struct Rule {
    int number = 0;
    int weekday = 0; // Qt's numbering, 1 Monday .. 7 Sunday; 0 for any
    std::optional<int> fromEaster;
    std::optional<Day> first; // the days it can fall on, first and last
    std::optional<Day> last;
    // The days on which it yields to a higher celebration: its line may then say "sin
    // celebración".
    std::array<std::optional<Day>, 4> yieldsOn{};
    int since = 0;               // the first year it is kept; before it, "sin celebración"
    bool anyYearWithout = false; // its line may say "sin celebración" in any year
    bool holyFamily = false;     // also 30 December when Christmas is a Sunday
};

// A celebration a fixed number of days from Easter Sunday, on its weekday.
Rule fromEaster(int number, int weekday, int days) {
    Rule r;
    r.number = number;
    r.weekday = weekday;
    r.fromEaster = days;
    return r;
}

// A celebration on its weekday (or any) from day `first` to day `last`.
Rule between(int number, int weekday, Day first, Day last) {
    Rule r;
    r.number = number;
    r.weekday = weekday;
    r.first = first;
    r.last = last;
    return r;
}

Rule yielding(Rule r, std::array<std::optional<Day>, 4> days) {
    r.yieldsOn = days;
    return r;
}

// A memorial kept from `since` on, which a year's line may leave out (as it does on the days
// it yields to St Matthias or to the Visitation, 14 and 31 May).
Rule keptSince(Rule r, int since) {
    r.since = since;
    r.anyYearWithout = true;
    return r;
}

Rule orHolyFamilyDay(Rule r) {
    r.holyFamily = true;
    return r;
}

const std::array kRules = {
    between(1, 0, {1, 1}, {1, 1}),
    between(2, Qt::Sunday, {1, 7}, {1, 13}), // the Baptism: the Sunday after 6 January
    fromEaster(3, Qt::Wednesday, -46),       // Ash Wednesday
    fromEaster(4, Qt::Sunday, -7),           // Palm Sunday
    [] {
        Rule easter = between(kEasterFile, Qt::Sunday, {3, 22}, {4, 25});
        easter.fromEaster = 0;
        return easter;
    }(),
    fromEaster(6, Qt::Sunday, 49),             // Pentecost
    between(7, Qt::Sunday, {11, 27}, {12, 3}), // the First Sunday of Advent
    between(8, 0, {12, 25}, {12, 25}), between(9, 0, {12, 31}, {12, 31}),
    fromEaster(10, Qt::Thursday, -3), // Holy Thursday
    fromEaster(11, Qt::Friday, -2),   // Good Friday
    fromEaster(12, Qt::Sunday, 42),   // the Ascension, on Sunday
    fromEaster(13, Qt::Thursday, 53), // Jesucristo, Sumo y Eterno Sacerdote
    fromEaster(14, Qt::Sunday, 56),   // the Trinity
    fromEaster(15, Qt::Sunday, 63),   // Corpus Christi, on Sunday
    fromEaster(16, Qt::Friday, 68),   // the Sacred Heart
    // The Immaculate Heart yields to the feasts and solemnities its days can meet: the
    // Visitation, St John the Baptist, Saints Peter and Paul and St Thomas.
    yielding(fromEaster(17, Qt::Saturday, 69), {Day{5, 31}, Day{6, 24}, Day{6, 29}, Day{7, 3}}),
    between(18, Qt::Sunday, {11, 20}, {11, 26}),                  // Christ the King
    orHolyFamilyDay(between(20, Qt::Sunday, {12, 26}, {12, 31})), // the Holy Family
    keptSince(fromEaster(21, Qt::Monday, 50), 2018), // Santa María, Madre de la Iglesia

};

// The days a moved solemnity falls on in a year whose own day is `own` and whose Easter Sunday
// is `easter`; none when its own day is free.
using MovesTo = QList<QDate> (*)(const QDate& own, const QDate& easter);

struct MovedSolemnity {
    int number;
    Day own;
    bool needsEaster;
    MovesTo movesTo;
};

const std::array kMoved = {
    // San José: in Holy Week to the Saturday before Palm Sunday, on a Sunday to the Monday.
    MovedSolemnity{22, Day{3, 19}, true,
                   [](const QDate& own, const QDate& easter) -> QList<QDate> {
                       if (own >= easter.addDays(-7) && own < easter)
                           return {easter.addDays(-8)};
                       if (own.dayOfWeek() == Qt::Sunday)
                           return {own.addDays(1)};
                       return {};
                   }},
    // The Annunciation: from Palm Sunday to the Second Sunday of Easter to the Monday after
    // that Sunday, on a Sunday of Lent to the Monday.
    MovedSolemnity{23, Day{3, 25}, true,
                   [](const QDate& own, const QDate& easter) -> QList<QDate> {
                       if (own >= easter.addDays(-7) && own <= easter.addDays(7))
                           return {easter.addDays(8)};
                       if (own.dayOfWeek() == Qt::Sunday)
                           return {own.addDays(1)};
                       return {};
                   }},
    // The Immaculate Conception on a Sunday of Advent: kept on the Sunday (Spain's privilege)
    // or moved to the Monday.
    MovedSolemnity{24, Day{12, 8}, false,
                   [](const QDate& own, const QDate&) -> QList<QDate> {
                       if (own.dayOfWeek() == Qt::Sunday)
                           return {own, own.addDays(1)};
                       return {};
                   }},
    // The Nativity of St John the Baptist on Corpus Christi or the Sacred Heart: the day
    // before or the day after.
    MovedSolemnity{25, Day{6, 24}, true,
                   [](const QDate& own, const QDate& easter) -> QList<QDate> {
                       if (own == easter.addDays(63) || own == easter.addDays(68))
                           return {own.addDays(-1), own.addDays(1)};
                       return {};
                   }},
    // Saints Peter and Paul on the Sacred Heart: the day before or the day after.
    MovedSolemnity{26, Day{6, 29}, true,
                   [](const QDate& own, const QDate& easter) -> QList<QDate> {
                       if (own == easter.addDays(68))
                           return {own.addDays(-1), own.addDays(1)};
                       return {};
                   }},
};

QString dayName(const QDate& date) {
    return QStringLiteral("el %1 de %2")
        .arg(date.day())
        .arg(calendar::nomMes().at(date.month() - 1).toLower());
}

QString weekdayName(int weekday) {
    static const std::array names = {QStringLiteral("lunes"),     QStringLiteral("martes"),
                                     QStringLiteral("miércoles"), QStringLiteral("jueves"),
                                     QStringLiteral("viernes"),   QStringLiteral("sábado"),
                                     QStringLiteral("domingo")};
    return names.at(std::size_t(weekday - 1));
}

QString fromEasterText(qint64 days) {
    if (days == 0)
        return QStringLiteral("el domingo de Pascua");
    return QStringLiteral("%1 días %2 del domingo de Pascua")
        .arg(qAbs(days))
        .arg(days < 0 ? QStringLiteral("antes") : QStringLiteral("después"));
}

QString withoutLine(int year) {
    return QStringLiteral("\"%1-sin celebración\"").arg(calendar::twoDigits(year % 100));
}

class RuleCheck {
public:
    RuleCheck(const QList<QList<YearDate>>& dates, QList<Problem>& out)
        : dates_(dates), out_(out) {}

    void year(int j);

private:
    const YearDate* entry(int number, int j) const {
        if (number >= dates_.size() || j >= dates_.at(number).size())
            return nullptr;
        const YearDate& e = dates_.at(number).at(j);
        return e.date.isValid() || e.none ? &e : nullptr;
    }
    void add(int number, int j, const QString& text) {
        out_.append(Problem{calendar::movableFile(QString(), number), j + 2, text});
    }
    void rule(const Rule& r, const YearDate& e, int j);
    void moved(const MovedSolemnity& m, const YearDate& e, int j);
    void weekAfterPentecost(int j);

    const QList<QList<YearDate>>& dates_;
    QList<Problem>& out_;
    QDate easter_;       // invalid when the data gives no Easter Sunday for the year
    QString easterFrom_; // where easter_ comes from, for a message
    // The Easter Sunday that most of the dates tied to it give (at least two), c5.txt's left
    // out; invalid when none.
    QDate agreedEaster(int j) const;
};

void RuleCheck::rule(const Rule& r, const YearDate& e, int j) {
    const int year = 2000 + j;
    const std::optional<QDate> byEaster = r.fromEaster && easter_.isValid()
                                              ? std::optional(easter_.addDays(*r.fromEaster))
                                              : std::nullopt;
    if (year < r.since) {
        if (!e.none)
            add(r.number, j,
                QStringLiteral("%1: esta celebración se guarda desde %2, y la línea del año %3 "
                               "debe ser %4.")
                    .arg(quoted(e.text))
                    .arg(r.since)
                    .arg(year)
                    .arg(withoutLine(year)));
        return;
    }
    if (e.none) {
        if (!byEaster || r.anyYearWithout)
            return;
        for (const auto& day : r.yieldsOn)
            if (day && day->in(year) == *byEaster)
                return;
        add(r.number, j,
            QStringLiteral("%1: en %2 esta celebración cae %3 y no cede su día a otra; la línea "
                           "debe dar esa fecha.")
                .arg(quoted(e.text))
                .arg(year)
                .arg(dayName(*byEaster)));
        return;
    }
    const QDate& date = e.date;
    if (r.holyFamily && date == QDate(year, 12, 30) &&
        QDate(year, 12, 25).dayOfWeek() == Qt::Sunday)
        return;
    if (r.weekday != 0 && date.dayOfWeek() != r.weekday) {
        add(r.number, j,
            QStringLiteral("%1 cae en %2, y esta celebración cae siempre en %3.")
                .arg(quoted(e.text), weekdayName(date.dayOfWeek()), weekdayName(r.weekday)));
        return;
    }
    if (r.first && (date < r.first->in(year) || date > r.last->in(year))) {
        const QDate first = r.first->in(year);
        const QDate last = r.last->in(year);
        add(r.number, j,
            first == last
                ? QStringLiteral("%1 no es %2, el día de esta celebración.")
                      .arg(quoted(e.text), dayName(first))
                : QStringLiteral("%1 no cae entre %2 y %3, los días en que cae esta celebración.")
                      .arg(quoted(e.text), dayName(first), dayName(last)));
        return;
    }
    if (byEaster && date != *byEaster)
        add(r.number, j,
            QStringLiteral("%1 cae %2 (c5.txt: %3), y esta celebración cae %4.")
                .arg(quoted(e.text), fromEasterText(easter_.daysTo(date)), easterFrom_,
                     fromEasterText(*r.fromEaster)));
}

void RuleCheck::moved(const MovedSolemnity& m, const YearDate& e, int j) {
    const int year = 2000 + j;
    if (m.needsEaster && !easter_.isValid())
        return;
    const QDate own = m.own.in(year);
    const QList<QDate> to = m.movesTo(own, easter_);
    if (to.isEmpty()) {
        if (!e.none)
            add(m.number, j,
                QStringLiteral("%1: en %2 la solemnidad se celebra en su día, %3, que nada "
                               "impide; la línea debe ser %4.")
                    .arg(quoted(e.text))
                    .arg(year)
                    .arg(dayName(own), withoutLine(year)));
        return;
    }
    QStringList days;
    for (const QDate& day : to)
        days << dayName(day);
    const QString where = days.join(QStringLiteral(" o "));
    if (e.none)
        add(m.number, j,
            QStringLiteral("%1: en %2 su día, %3, está impedido, y la solemnidad se celebra "
                           "%4; la línea debe dar esa fecha.")
                .arg(quoted(e.text))
                .arg(year)
                .arg(dayName(own), where));
    else if (!to.contains(e.date))
        add(m.number, j,
            QStringLiteral("%1 no es el día al que se traslada la solemnidad en %2: %3.")
                .arg(quoted(e.text))
                .arg(year)
                .arg(where));
}

// The window counts the weeks after Pentecost from the week of c19.txt, one more each Sunday, so
// that week N brings the Sunday between 20 and 26 November, Christ the King, to week N plus the
// weeks from Pentecost to it.
void RuleCheck::weekAfterPentecost(int j) {
    if (calendar::kWeekFile >= dates_.size() || j >= dates_.at(calendar::kWeekFile).size() ||
        !easter_.isValid())
        return;
    const YearDate& e = dates_.at(calendar::kWeekFile).at(j);
    if (e.week == 0)
        return;
    const QDate pentecost = easter_.addDays(kPentecostFromEaster);
    QDate king(2000 + j, 11, 20);
    king = king.addDays((Qt::Sunday - king.dayOfWeek()) % 7);
    const int shown = e.week + int(pentecost.daysTo(king) / 7);
    if (shown == kChristTheKingWeek)
        return;
    out_.append(Problem{
        calendar::movableFile(QString(), calendar::kWeekFile), j + 2,
        QStringLiteral("con la semana %1 tras Pentecostés (%2), Cristo Rey (%3) queda en la "
                       "semana %4, y su semana es la %5: la línea debe ser \"%6-%7\".")
            .arg(e.week)
            .arg(dayName(pentecost), dayName(king))
            .arg(shown)
            .arg(kChristTheKingWeek)
            .arg(calendar::twoDigits(j), calendar::twoDigits(e.week + kChristTheKingWeek - shown)),
        true});
}

QDate RuleCheck::agreedEaster(int j) const {
    QHash<QDate, int> votes;
    for (const Rule& r : kRules)
        if (const YearDate* e = entry(r.number, j);
            e && e->date.isValid() && r.fromEaster && r.number != kEasterFile)
            ++votes[e->date.addDays(-*r.fromEaster)];
    QDate agreed;
    for (auto vote = votes.cbegin(); vote != votes.cend(); ++vote)
        if (vote.value() > votes.value(agreed))
            agreed = vote.key();
    return votes.value(agreed) >= 2 ? agreed : QDate();
}

void RuleCheck::year(int j) {
    // Easter Sunday as the dates tied to it agree on it, or else from c5.txt when its own rule
    // holds; c5.txt is named when it gives another day than they agree on.
    const int year = 2000 + j;
    const QDate agreed = agreedEaster(j);
    const YearDate* c5 = entry(kEasterFile, j);
    const bool c5Dated = c5 && c5->date.isValid();
    const bool c5Named = agreed.isValid() && c5Dated && c5->date != agreed;
    if (c5Named)
        add(kEasterFile, j,
            QStringLiteral("%1 no es el domingo de Pascua que dan las demás fechas del año: %2.")
                .arg(quoted(c5->text), dayName(agreed)));
    easter_ = agreed;
    if (!agreed.isValid() && c5Dated && c5->date.dayOfWeek() == Qt::Sunday &&
        c5->date >= QDate(year, 3, 22) && c5->date <= QDate(year, 4, 25))
        easter_ = c5->date;
    if (!easter_.isValid())
        easterFrom_.clear();
    else if (c5Dated && c5->date == easter_)
        easterFrom_ = QStringLiteral("c5.txt: %1").arg(quoted(c5->text));
    else
        easterFrom_ = QStringLiteral("%1, según las demás fechas del año").arg(dayName(easter_));
    for (const Rule& r : kRules)
        if (const YearDate* e = entry(r.number, j); e && !(r.number == kEasterFile && c5Named))
            rule(r, *e, j);
    for (const MovedSolemnity& m : kMoved)
        if (const YearDate* e = entry(m.number, j))
            moved(m, *e, j);
    weekAfterPentecost(j);
}

} // namespace

void checkRules(const QList<QList<YearDate>>& dates, QList<Problem>& out) {
    RuleCheck check(dates, out);
    for (int j = 0; j < kYears; ++j)
        check.year(j);
}

} // namespace datacheck

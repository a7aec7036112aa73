#include "ordo/proper_of_time.h"

#include "calendar_data/calendar_files.h"

#include <QHash>

#include <array>
#include <mutex>

namespace ordo {

namespace {

using liturgy::Season;

// The rubrics of each kind of day of the Proper of Time, in the order of TimeDay. Gloria: on
// the Sundays outside Advent and Lent, in the octaves, on Holy Thursday (the Mass of the Lord's
// Supper); Credo: on Sundays and solemnities, not on the days within the octaves. The Mass of
// Good Friday and Holy Saturday's day have neither.
constexpr std::array<DayRubrics, 12> kRubrics = {{
    {Precedence::Triduum, Rank::TriduoPascual, true, false},           // HolyThursday
    {Precedence::Triduum, Rank::TriduoPascual, false, false},          // GoodFriday
    {Precedence::Triduum, Rank::TriduoPascual, false, false},          // HolySaturday
    {Precedence::PrincipalDays, Rank::Solemnidad, true, false},        // EasterOctaveDay
    {Precedence::PrincipalDays, Rank::Domingo, false, true},           // PrivilegedSunday
    {Precedence::PrincipalDays, Rank::Feria, false, false},            // AshWednesday
    {Precedence::PrincipalDays, Rank::Feria, false, false},            // HolyWeekWeekday
    {Precedence::ChristmasOrdinarySundays, Rank::Domingo, true, true}, // ChristmasOrOrdinarySunday
    {Precedence::PrivilegedWeekdays, Rank::Feria, false, false},       // AdventFromDecember17
    {Precedence::PrivilegedWeekdays, Rank::Feria, true, false},        // ChristmasOctaveDay
    {Precedence::PrivilegedWeekdays, Rank::Feria, false, false},       // LentWeekday
    {Precedence::Weekdays, Rank::Feria, false, false},                 // Weekday
}};

// The name of a weekday other than Sunday ("Lunes"), as the calendar's table writes it.
const QString& weekdayName(int weekday) {
    return calendar::nomDia().at(weekday);
}

constexpr int kAshWednesday = 3;
constexpr int kHolyThursday = 10;

// "Domingo III de Cuaresma", "Martes de la semana III de Cuaresma"; "Feria de Cuaresma" when the
// week is not known.
ProperOfTime inWeek(const OrdoDay& day, TimeDay sunday, TimeDay weekday, const QString& season) {
    if (!day.week)
        return {weekday, QStringLiteral("Feria ") + season};
    const QString week = romanNumeral(*day.week);
    if (day.weekday == liturgy::Sunday)
        return {sunday, QStringLiteral("Domingo ") + week + QLatin1Char(' ') + season};
    return {weekday, weekdayName(day.weekday) + QStringLiteral(" de la semana ") + week +
                         QLatin1Char(' ') + season};
}

QString dayOfMonth(const QDate& date) {
    return QString::number(date.day()) + QStringLiteral(" de ") +
           calendar::nomMes().at(date.month() - 1).toLower();
}

} // namespace

const DayRubrics& rubricsOf(TimeDay kind) {
    return kRubrics.at(static_cast<std::size_t>(kind));
}

QString romanNumeral(int number) {
    constexpr int kMade = 40;
    // Made once: a range of days writes one or two a day.
    static const QStringList numerals = [] {
        static const std::array<const char*, 10> units = {"",  "I",  "II",  "III",  "IV",
                                                          "V", "VI", "VII", "VIII", "IX"};
        static const std::array<const char*, 4> tens = {"", "X", "XX", "XXX"};
        QStringList list;
        for (int n = 0; n < kMade; ++n)
            list.append(QLatin1String(tens.at(static_cast<std::size_t>(n / 10))) +
                        QLatin1String(units.at(static_cast<std::size_t>(n % 10))));
        return list;
    }();
    if (number <= 0 || number >= kMade)
        return QString::number(number);
    return numerals.at(number);
}

ProperOfTime properOfTime(const OrdoDay& day) {
    // What the day of the Proper of Time depends on, packed: the season, the weekday, the week,
    // the date in Christmas time and from 17 December, and whether it is Ash Wednesday or Holy
    // Thursday. Each is made once: a range of days makes one a day.
    const bool dated = day.season == Season::ChristmasDecember ||
                       day.season == Season::ChristmasJanuary ||
                       (day.season == Season::Advent && day.date.day() >= 17);
    const quint32 key =
        quint32(day.season) | quint32(day.weekday) << 4 |
        quint32(day.week ? *day.week + 1 : 0) << 7 |
        (dated ? quint32(day.date.month()) << 14 | quint32(day.date.day()) << 18 : 0) |
        quint32(day.numMovil == kAshWednesday) << 23 | quint32(day.numMovil == kHolyThursday) << 24;
    // One memory for every thread, under a lock (not thread_local: see writtenLineOf in
    // ordo.cpp); a few hundred kinds of day at most.
    static std::mutex lock;
    static QHash<quint32, ProperOfTime> made;
    {
        const std::lock_guard guard(lock);
        if (const auto it = made.constFind(key); it != made.constEnd())
            return *it;
    }
    ProperOfTime madeNow = makeProperOfTime(day);
    const std::lock_guard guard(lock);
    made.insert(key, madeNow);
    return madeNow;
}

ProperOfTime makeProperOfTime(const OrdoDay& day) {
    const bool sunday = day.weekday == liturgy::Sunday;
    switch (day.season) {
    case Season::HolyWeek:
        if (day.numMovil == kHolyThursday || day.weekday == liturgy::Thursday)
            return {TimeDay::HolyThursday, QStringLiteral("Jueves Santo")};
        if (day.weekday == liturgy::Friday)
            return {TimeDay::GoodFriday, QStringLiteral("Viernes Santo")};
        if (day.weekday == liturgy::Saturday)
            return {TimeDay::HolySaturday, QStringLiteral("Sábado Santo")};
        if (sunday)
            return {TimeDay::PrivilegedSunday,
                    QStringLiteral("Domingo de Ramos en la Pasión del Señor")};
        return {TimeDay::HolyWeekWeekday, weekdayName(day.weekday) + QStringLiteral(" Santo")};
    case Season::Lent:
        if (day.numMovil == kAshWednesday)
            return {TimeDay::AshWednesday, QStringLiteral("Miércoles de Ceniza")};
        if (!day.week || *day.week == 0)
            return {TimeDay::LentWeekday,
                    weekdayName(day.weekday) + QStringLiteral(" después de Ceniza")};
        return inWeek(day, TimeDay::PrivilegedSunday, TimeDay::LentWeekday,
                      QStringLiteral("de Cuaresma"));
    case Season::Easter:
        if (day.week == 1) {
            if (sunday)
                return {TimeDay::PrivilegedSunday, QStringLiteral("Domingo de Pascua")};
            return {TimeDay::EasterOctaveDay,
                    weekdayName(day.weekday) + QStringLiteral(" de la Octava de Pascua")};
        }
        return inWeek(day, TimeDay::PrivilegedSunday, TimeDay::Weekday,
                      QStringLiteral("de Pascua"));
    case Season::OrdinaryBeforeLent:
    case Season::OrdinaryAfterPentecost:
        return inWeek(day, TimeDay::ChristmasOrOrdinarySunday, TimeDay::Weekday,
                      QStringLiteral("del Tiempo Ordinario"));
    case Season::Advent:
        if (!sunday && day.date.month() == 12 && day.date.day() >= 17)
            return {TimeDay::AdventFromDecember17,
                    QStringLiteral("Feria de Adviento: ") + dayOfMonth(day.date)};
        return inWeek(day, TimeDay::PrivilegedSunday, TimeDay::Weekday,
                      QStringLiteral("de Adviento"));
    case Season::ChristmasDecember:
    case Season::ChristmasJanuary:
        if (day.date.month() == 12 && day.date.day() >= 25) {
            if (sunday)
                return {TimeDay::ChristmasOrOrdinarySunday,
                        QStringLiteral("Domingo de la Octava de Navidad")};
            return {TimeDay::ChristmasOctaveDay, QStringLiteral("Día ") +
                                                     romanNumeral(day.date.day() - 24) +
                                                     QStringLiteral(" de la Octava de Navidad")};
        }
        if (day.date.month() == 1 && day.date.day() == 1)
            return {TimeDay::ChristmasOctaveDay, QStringLiteral("Octava de Navidad")};
        if (sunday)
            return {TimeDay::ChristmasOrOrdinarySunday,
                    QStringLiteral("Domingo II después de Navidad")};
        return {TimeDay::Weekday, QStringLiteral("Feria de Navidad: ") + dayOfMonth(day.date)};
    case Season::None:
        break;
    }
    return {TimeDay::Weekday, QStringLiteral("Feria")};
}

} // namespace ordo

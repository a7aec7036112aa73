#include "support/calendar_facts.h"

#include "calgen/calgen.h"

namespace facts {

QDate easter(int year) {
    // Anonymous Gregorian algorithm (Meeus/Jones/Butcher).
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

QDate firstSundayOfAdvent(int year) {
    // The Sunday from 27 November to 3 December.
    QDate d(year, 11, 27);
    while (d.dayOfWeek() != 7)
        d = d.addDays(1);
    return d;
}

QDate movableDate(int n, int year) {
    const QDate e = easter(year);
    switch (n) {
    case 1:
        return QDate(year, 1, 1);
    case 2: {
        QDate d(year, 1, 7);
        while (d.dayOfWeek() != 7)
            d = d.addDays(1);
        return d;
    }
    case 3:
        return e.addDays(-46);
    case 4:
        return e.addDays(-7);
    case 5:
        return e;
    case 6:
        return e.addDays(49);
    case 7:
        return firstSundayOfAdvent(year);
    case 8:
        return QDate(year, 12, 25);
    case 9:
        return QDate(year, 12, 31);
    case 10:
        return e.addDays(-3);
    case 11:
        return e.addDays(-2);
    case 12:
        return e.addDays(42);
    case 13:
        return e.addDays(53);
    case 14:
        return e.addDays(56);
    case 15:
        return e.addDays(63);
    case 16:
        return e.addDays(68);
    case 17:
        return e.addDays(69);
    case 18:
        return firstSundayOfAdvent(year).addDays(-7);
    case 20: {
        const QDate christmas(year, 12, 25);
        if (christmas.dayOfWeek() == 7)
            return QDate(year, 12, 30);
        QDate d = christmas.addDays(1);
        while (d.dayOfWeek() != 7)
            d = d.addDays(1);
        return d;
    }
    default:
        return {};
    }
}

int weekAfterPentecost(int year) {
    const QDate pentecost = movableDate(6, year);
    const QDate christTheKing = movableDate(18, year);
    return 34 - static_cast<int>(pentecost.daysTo(christTheKing) / 7);
}

QString dateLine(const QDate& date) {
    static const char* const months[] = {"ene", "feb", "mar", "abr", "may", "jun",
                                         "jul", "ago", "sep", "oct", "nov", "dic"};
    return QStringLiteral("%1-%2-%3")
        .arg(date.year() % 100, 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(months[date.month() - 1]));
}

QString movableLine(int n, int year) {
    // The feasts and solemnities of fixed date from May to July in the calendar of Spain.
    static const QStringList feasts = {"05-14", "05-31", "06-24", "06-29", "07-03"};
    const QDate date = movableDate(n, year);
    if (n == 17 && feasts.contains(date.toString(QStringLiteral("MM-dd"))))
        return dateLine(date).left(3) + QStringLiteral("sin celebración");
    return dateLine(date);
}

int psalterWeek(const QDate& date) {
    const int year = date.year();
    const auto sundayOf = [](const QDate& d) { return d.addDays(-(d.dayOfWeek() % 7)); };
    const auto from = [&](const QDate& sunday) { return int(sunday.daysTo(date) / 7) % 4 + 1; };
    const QDate advent = firstSundayOfAdvent(year);
    if (date >= advent) // Advent, then the week of the Holy Family
        return date >= sundayOf(movableDate(20, year)) ? 1 : from(advent);
    if (date < movableDate(2, year)) // before the Baptism: the Holy Family of the year before
        return from(sundayOf(movableDate(20, year - 1)));
    const QDate ashWednesday = movableDate(3, year);
    if (date < ashWednesday)
        return from(movableDate(2, year));
    if (date < ashWednesday.addDays(4))
        return 4;
    if (date < easter(year))
        return from(ashWednesday.addDays(4));
    if (date == movableDate(6, year)) // Pentecost is headed with week I, as the solemnity's own
        return 1;                     // psalmody is that of Sunday of week I
    if (date < movableDate(6, year))
        return from(easter(year));
    // After Pentecost the week of Ordinary Time, counted back from Christ the King (week 34).
    const int week = 34 - int(sundayOf(date).daysTo(movableDate(18, year)) / 7);
    return (week - 1) % 4 + 1;
}

QString listedName(int n) {
    switch (n) {
    case 2:
        return QStringLiteral("Bautismo del Señor");
    case 3:
        return QStringLiteral("Ceniza");
    case 4:
        return QStringLiteral("Domingo de Ramos");
    case 6:
        return QStringLiteral("Pentecostés");
    case 7:
        return QStringLiteral("Domingo 1º de Adviento");
    case 12:
        return QStringLiteral("Ascensión");
    case 13:
        return QStringLiteral("Jesucristo, Sumo y Eterno Sacerdote");
    case 14:
        return QStringLiteral("La Stma. Trinidad");
    case 15:
        return QStringLiteral("Stmo. Cuerpo y Sangre de Cristo");
    case 16:
        return QStringLiteral("Sgdo. Corazón de Jesús");
    case 17:
        return QStringLiteral("Inmaculado Corazón de la Virgen María");
    case 18:
        return QStringLiteral("Cristo, Rey del Universo");
    case 20:
        return QStringLiteral("La Sagrada Familia");
    case 21:
        return QStringLiteral("Santa María, Madre de la Iglesia");
    case 22:
        return QStringLiteral("San José, esposo de la Virgen María");
    case 23:
        return QStringLiteral("Anunciación del Señor");
    case 24:
        return QStringLiteral("Inmaculada Concepción de la Virgen María");
    case 25:
        return QStringLiteral("Natividad de San Juan Bautista");
    case 26:
        return QStringLiteral("Santos Pedro y Pablo, apóstoles");
    default:
        return {};
    }
}

QStringList calLines() {
    return calgen::calLines(2000, 2016);
}

} // namespace facts

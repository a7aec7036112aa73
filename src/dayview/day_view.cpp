#include "dayview/day_view.h"

#include "calendar_data/cal_table.h"
#include "calendar_data/calendar_files.h"
#include "dayview/proper_day.h"
#include "liturgical_time/liturgical_colour.h"

#include "platform/data_fault.h"

#include <QFileInfo>
#include <QStringBuilder>

namespace dayview {

QString outsideTheCalendar(int year, const std::optional<calendar::YearRange>& covered) {
    if (!covered)
        return QStringLiteral("El calendario no abarca ningún año");
    if (year >= covered->first && year <= covered->last)
        return QStringLiteral("Falta el año %1 en cal.txt").arg(year);
    return QStringLiteral("El calendario abarca de %1 a %2").arg(covered->first).arg(covered->last);
}

DayView resolveDay(const QDate& today, const calendar::DayReadings& readings) {
    const calendar::CalendarSource& data = readings.source();
    using namespace calendar;
    DayView v;
    v.fechaVista = today;
    int year = 0;
    int month = 0;
    int day = 0;
    today.getDate(&year, &month, &day); // one decomposition of the date for the run
    v.mes = twoDigits(month);
    v.dia = twoDigits(day);
    v.anio = twoDigits(year % 100);
    v.nAnio = v.anio.toInt();
    v.archMes = data.monthPath(month);

    // "cal.txt" is read into its tables once in the run, when first needed.
    std::shared_ptr<const CalTable> calTable;
    const auto cal = [&]() -> const CalTable& {
        if (!calTable)
            calTable = data.calTable();
        return *calTable;
    };
    const bool yearNamed = year >= kFirstYear && year <= kLastYear;
    const QString letraDom = yearNamed ? cal().dominicalDigit(v.anio, v.mes) : QString();
    v.inCalendar = yearNamed && !letraDom.isEmpty();

    if (v.inCalendar)
        v.weekday = cal().weekday(v.dia, month, letraDom);
    else
        v.weekday = today.dayOfWeek() % 7;

    v.dayLine = dayLine(data, month, day);

    if (v.inCalendar) {
        // Made in one piece: a range of days makes one a day.
        const QString key =
            v.anio % QLatin1Char('-') % v.dia % QLatin1Char('-') % abrMes().at(month - 1);
        const MovableOfDay movable = readings.movableOfDay(key, v.nAnio);
        if (movable.lacking.isEmpty()) {
            v.movable = QStringLiteral("No hay");
            if (movable.number) {
                v.numMovil = movable.number;
                v.movable = movable.name;
            }
            return v;
        }
        // A movable file without the year: the calendar cannot show it.
        v.inCalendar = false;
        v.weekday = today.dayOfWeek() % 7;
        v.movable = QStringLiteral("Falta el año %1 en %2")
                        .arg(year)
                        .arg(QFileInfo(movable.lacking).fileName());
        return v;
    }
    v.movable = outsideTheCalendar(year, readings.coveredYears(cal()));
    return v;
}

namespace {
// Whether the data keeps the solemnity of this fixed day on another day of this year: the
// line of its movable file (22..26) names another date. A file after c20 may be absent.
bool solemnityMovedAway(const QDate& date, int nAnio, const calendar::DayReadings& data) {
    const std::optional<int> file = ordo::moveFileOf(date.month(), date.day());
    if (!file)
        return false;
    const QString& path = data.source().movablePath(*file);
    if (!data.source().exists(path))
        return false;
    const QString line = data.readLine(path, nAnio + 2);
    if (line.contains(QStringView(u"sin celebración")))
        return false;
    return calendar::dayMonthDate(line, date.year(), path) != date;
}
} // namespace

// The run up to the Ordo of the national calendar; the day the Ordo was worked out from.
std::optional<ordo::OrdoDay> runNational(const QDate& date, const calendar::DayReadings& data,
                                         const DayValue& previous, DayValue& out) {
    out = DayValue{};
    out.fecha = date;
    const DayView view = resolveDay(date, data);
    out.weekday = view.weekday ? view.weekday : previous.weekday;
    out.month = date.month();
    out.line = view.dayLine;
    out.numMovil = view.numMovil;
    out.movable = view.movable;
    out.year = date.year();
    if (!view.inCalendar)
        return std::nullopt;
    liturgy::LiturgicalFields fields = previous.liturgical;
    const liturgy::LiturgicalDay day{date,        data.source(), view.nAnio, view.numMovil,
                                     out.weekday, view.dayLine,  &data};
    liturgy::applyLiturgicalTime(day, fields);
    out.liturgical = fields;

    ordo::OrdoDay ordoDay;
    ordoDay.date = date;
    ordoDay.weekday = out.weekday.value_or(date.dayOfWeek() % 7);
    ordoDay.season = fields.season;
    ordoDay.week = fields.week;
    ordoDay.dayLine = view.dayLine;
    ordoDay.numMovil = view.numMovil;
    if (view.numMovil)
        ordoDay.movableName = view.movable;
    ordoDay.solemnityMovedAway = solemnityMovedAway(date, view.nAnio, data);
    out.ordo = ordo::ordoOf(ordoDay);
    return ordoDay;
}

void runDay(const QDate& date, const calendar::DayReadings& data, const DayValue& previous,
            DayValue& out, const ProperSchedule* proper) {
    std::optional<ordo::OrdoDay> ordoDay = runNational(date, data, previous, out);
    if (!proper || !ordoDay)
        return;
    const proper::ProperDay own = proper->dayOf(date, data);
    if (own.celebrations.isEmpty() && !own.lineGivesWay)
        return;
    ordoDay->proper = own.celebrations;
    ordoDay->lineGivesWay = own.lineGivesWay;
    out.ordo = ordo::ordoOf(*ordoDay);
    if (!out.ordo.properKept)
        return;
    out.properCalendar = proper->calendar().name;
    if (const auto colour = liturgy::letterColour(out.ordo.properColour, false, false))
        out.liturgical.colour = *colour;
}

DayCaptions captionsOf(const DayValue& value) {
    DayCaptions c;
    if (value.weekday)
        c.weekday = calendar::nomDia().at(*value.weekday);
    if (value.month >= 1 && value.month <= 12)
        c.month = calendar::nomMes().at(value.month - 1);
    if (value.year > 0)
        c.year = QString::number(value.year);
    c.line = value.line;
    c.movable = value.movable;
    c.cycle = liturgy::cycleCaption(value.liturgical);
    c.season = liturgy::seasonCaption(value.liturgical.season);
    c.week = liturgy::weekCaption(value.liturgical);
    c.psalter = liturgy::psalterCaption(value.liturgical);
    c.weekdayYear = liturgy::weekdayYearCaption(value.liturgical);
    const ordo::Ordo& o = value.ordo;
    if (o.rango != ordo::Rank::None) {
        c.celebration = o.celebracion;
        c.rank = ordo::rankName(o.rango);
        c.optional = o.libres.join(QStringLiteral("; "));
        c.precept = ordo::yesNo(o.precepto);
        c.gloria = ordo::yesNo(o.gloria);
        c.credo = ordo::yesNo(o.credo);
        c.tomo = ordo::tomoCaption(o.tomo);
        c.properCalendar = value.properCalendar;
    }
    return c;
}

DayDetails detailsOf(const DayValue& value, const DayCaptions& c) {
    DayDetails d;
    if (!c.cycle.isEmpty() && !c.weekdayYear.isEmpty())
        d.cycle = c.cycle + QStringLiteral(" los domingos; año ") + c.weekdayYear +
                  QStringLiteral(" entre semana");
    QStringList week;
    if (!c.psalter.isEmpty()) {
        week.append(QStringLiteral("Salterio: semana ") + c.psalter);
        if (value.ordo.ownPsalmody)
            week.append(QStringLiteral("Salmodia propia de la ") + c.rank.toLower());
    }
    if (!c.tomo.isEmpty())
        week.append(QStringLiteral("Liturgia de las Horas: tomo ") + c.tomo);
    d.week = week.join(QLatin1Char('\n'));
    return d;
}

QString celebrationDetails(const DayCaptions& c) {
    if (c.celebration.isEmpty())
        return {};
    QString text = QStringLiteral("Se celebra: ") + c.celebration;
    if (!c.rank.isEmpty())
        text += QStringLiteral(" (") + c.rank + QLatin1Char(')');
    if (!c.properCalendar.isEmpty())
        text += QStringLiteral("\nPropio: ") + c.properCalendar;
    if (!c.optional.isEmpty())
        text += QStringLiteral("\nPuede celebrarse: ") + c.optional;
    if (c.precept == QStringView(u"sí"))
        text += QStringLiteral("\nDía de precepto");
    return text;
}

QString celebrationDetails(int year, int month, int day, const calendar::CalendarSource& data,
                           const ProperSchedule* proper) {
    const QDate date(year, month, day);
    if (!date.isValid())
        return {};
    DayValue value;
    try {
        runDay(date, calendar::DayReadings(data), DayValue{}, value, proper);
    } catch (const DataFault&) {
        return {};
    }
    return celebrationDetails(captionsOf(value));
}

} // namespace dayview

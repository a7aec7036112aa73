#include "dayview/day_view.h"

#include "calendar_data/cal_table.h"
#include "calendar_data/calendar_files.h"

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

void runDay(const QDate& date, const calendar::DayReadings& data, const DayValue& previous,
            DayValue& out) {
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
        return;
    liturgy::LiturgicalFields fields = previous.liturgical;
    const liturgy::LiturgicalDay day{date,        data.source(), view.nAnio, view.numMovil,
                                     out.weekday, view.dayLine,  &data};
    liturgy::applyLiturgicalTime(day, fields);
    out.liturgical = fields;
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
    return c;
}

DayDetails detailsOf(const DayCaptions& c) {
    DayDetails d;
    if (!c.cycle.isEmpty() && !c.weekdayYear.isEmpty())
        d.cycle = c.cycle + QStringLiteral(" los domingos; año ") + c.weekdayYear +
                  QStringLiteral(" entre semana");
    if (!c.psalter.isEmpty())
        d.week = QStringLiteral("Salterio: semana ") + c.psalter;
    return d;
}

} // namespace dayview

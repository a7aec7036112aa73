#include "dayview/day_view.h"

#include "calendar_data/calendar_files.h"

namespace dayview {

DayView resolveDay(const QDate& today, const calendar::CalendarSource& data) {
    using namespace calendar;
    DayView v;
    v.fechaVista = today;
    const int month = today.month();
    v.mes = twoDigits(month);
    v.dia = twoDigits(today.day());
    v.anio = twoDigits(today.year() % 100);
    v.nAnio = v.anio.toInt();
    v.archMes = monthFile(data.ruta(), month);

    const bool yearCovered = today.year() >= kFirstYear && today.year() <= kLastYear;
    const QString letraDom = yearCovered ? dominicalDigit(data, v.anio, v.mes) : QString();
    v.inCalendar = yearCovered && !letraDom.isEmpty();

    if (v.inCalendar)
        v.weekday = weekdayFromCal(data, v.dia, month, letraDom);
    else
        v.weekday = today.dayOfWeek() % 7;

    v.dayLine = dayLine(data, month, today.day());

    if (!yearCovered) {
        v.movable = QStringLiteral("El calendario abarca de 2000 a 2016");
        return v;
    }
    if (!v.inCalendar) {
        v.movable = QStringLiteral("Falta el año %1 en cal.txt").arg(today.year());
        return v;
    }
    v.movable = QStringLiteral("No hay");
    const QString key =
        v.anio + QLatin1Char('-') + v.dia + QLatin1Char('-') + abrMes().at(month - 1);
    const MovableOfDay movable = movableOfDay(data, key, v.nAnio);
    if (movable.number) {
        v.numMovil = movable.number;
        v.movable = movable.name;
    }
    return v;
}

void runDay(const QDate& date, const calendar::CalendarSource& data, const DayValue& previous,
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
    const liturgy::LiturgicalDay day{date,          data,        view.nAnio,
                                     view.numMovil, out.weekday, view.dayLine};
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
    return c;
}

} // namespace dayview

#include "dayview/day_view.h"

#include "calendar_data/calendar_files.h"

namespace dayview {

DayView resolveDay(const QDate& today, const QString& ruta) {
    using namespace calendar;
    DayView v;
    v.fechaVista = today;
    const int month = today.month();
    v.mes = twoDigits(month);
    v.dia = twoDigits(today.day());
    v.anio = twoDigits(today.year() % 100);
    v.nAnio = v.anio.toInt();
    v.archMes = monthFile(ruta, month);
    v.year = QString::number(today.year());
    v.monthName = nomMes().at(month - 1);

    const bool yearCovered = today.year() >= kFirstYear && today.year() <= kLastYear;
    const QString letraDom = yearCovered ? dominicalDigit(ruta, v.anio, v.mes) : QString();
    v.inCalendar = yearCovered && !letraDom.isEmpty();

    if (v.inCalendar) {
        if (const auto w = weekdayFromCal(ruta, v.dia, month, letraDom))
            v.weekday = nomDia().at(*w);
    } else {
        v.weekday = nomDia().at(today.dayOfWeek() % 7);
    }

    v.dayLine = dayLine(ruta, month, today.day());

    if (!yearCovered) {
        v.movable = QStringLiteral("El calendario abarca de 2000 a 2016");
        return v;
    }
    if (!v.inCalendar) {
        v.movable = QStringLiteral("Falta el año %1 en cal.txt").arg(v.year);
        return v;
    }
    v.movable = QStringLiteral("No hay");
    const QString key =
        v.anio + QLatin1Char('-') + v.dia + QLatin1Char('-') + abrMes().at(month - 1);
    const MovableOfDay movable = movableOfDay(ruta, key, v.nAnio);
    if (movable.number) {
        v.numMovil = movable.number;
        v.movable = movable.name;
    }
    return v;
}

} // namespace dayview

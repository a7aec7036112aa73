#include "dayview/day_report.h"

#include "dayview/day_view.h"

namespace dayreport {

namespace {
const QLatin1Char kTab('\t');

QString oneCell(QString text) {
    for (QChar& c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return text;
}
} // namespace

void runDay(const QDate& date, const QString& ruta, ShownDay& shown) {
    const dayview::DayView view = dayview::resolveDay(date, ruta);
    shown.fecha = date;
    if (view.weekday)
        shown.dia = *view.weekday;
    shown.mes = view.monthName;
    shown.linea = view.dayLine;
    shown.movil = view.movable;
    shown.anio = view.year;
    if (view.inCalendar) {
        const liturgy::LiturgicalDay day{date,          ruta,      view.nAnio,
                                         view.numMovil, shown.dia, view.dayLine};
        liturgy::applyLiturgicalTime(day, shown.liturgical);
    } else {
        shown.liturgical = liturgy::LiturgicalFields{};
    }
}

const QStringList& fieldNames() {
    static const QStringList names = {QStringLiteral("fecha"),  QStringLiteral("dia"),
                                      QStringLiteral("mes"),    QStringLiteral("anio"),
                                      QStringLiteral("linea"),  QStringLiteral("movil"),
                                      QStringLiteral("ciclo"),  QStringLiteral("tiempo"),
                                      QStringLiteral("semana"), QStringLiteral("color")};
    return names;
}

QString colourText(const Rgb& colour) {
    return QStringLiteral("%1,%2,%3").arg(colour.r).arg(colour.g).arg(colour.b);
}

QStringList fieldValues(const ShownDay& shown) {
    const liturgy::LiturgicalFields& l = shown.liturgical;
    return {shown.fecha.toString(QStringLiteral("yyyy-MM-dd")),
            shown.dia,
            shown.mes,
            shown.anio,
            shown.linea,
            shown.movil,
            l.cycle,
            l.season,
            l.week,
            colourText(l.colour)};
}

QString headerLine() {
    return fieldNames().join(kTab);
}

QString rowLine(const ShownDay& shown) {
    QStringList cells = fieldValues(shown);
    for (QString& cell : cells)
        cell = oneCell(cell);
    return cells.join(kTab);
}

QString fieldListing(const ShownDay& shown) {
    const QStringList values = fieldValues(shown);
    QString text;
    for (qsizetype i = 0; i < values.size(); ++i)
        text += fieldNames().at(i) + kTab + oneCell(values.at(i)) + QLatin1Char('\n');
    return text;
}

} // namespace dayreport

#include "dayview/day_report.h"

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

QStringList fieldValues(const dayview::DayValue& day) {
    const dayview::DayCaptions c = dayview::captionsOf(day);
    return {day.fecha.toString(QStringLiteral("yyyy-MM-dd")),
            c.weekday,
            c.month,
            c.year,
            c.line,
            c.movable,
            c.cycle,
            c.season,
            c.week,
            colourText(day.liturgical.colour)};
}

QString headerLine() {
    return fieldNames().join(kTab);
}

QString rowLine(const dayview::DayValue& day) {
    QStringList cells = fieldValues(day);
    for (QString& cell : cells)
        cell = oneCell(cell);
    return cells.join(kTab);
}

QString fieldListing(const dayview::DayValue& day) {
    const QStringList values = fieldValues(day);
    QString text;
    for (qsizetype i = 0; i < values.size(); ++i)
        text += fieldNames().at(i) + kTab + oneCell(values.at(i)) + QLatin1Char('\n');
    return text;
}

} // namespace dayreport

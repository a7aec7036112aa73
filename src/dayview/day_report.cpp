#include "dayview/day_report.h"

#include <algorithm>

namespace dayreport {

namespace {
const QLatin1Char kTab('\t');

// A control character or a Unicode line or paragraph separator: none may stand in a cell.
bool breaksCell(QChar c) {
    return isControl(c) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

QString oneCell(QString text) {
    if (std::none_of(text.cbegin(), text.cend(), breaksCell))
        return text;
    for (QChar& c : text) {
        if (breaksCell(c))
            c = QLatin1Char(' ');
    }
    return text;
}
} // namespace

bool isControl(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

const QStringList& fieldNames() {
    static const QStringList names = {
        QStringLiteral("fecha"), QStringLiteral("dia"),      QStringLiteral("mes"),
        QStringLiteral("anio"),  QStringLiteral("linea"),    QStringLiteral("movil"),
        QStringLiteral("ciclo"), QStringLiteral("tiempo"),   QStringLiteral("semana"),
        QStringLiteral("color"), QStringLiteral("salterio"), QStringLiteral("ciclo_ferial")};
    return names;
}

QString colourText(const Rgb& colour) {
    return QString::number(colour.r) + QLatin1Char(',') + QString::number(colour.g) +
           QLatin1Char(',') + QString::number(colour.b);
}

QStringList fieldValues(const dayview::DayValue& day) {
    const dayview::DayCaptions c = dayview::captionsOf(day);
    return {day.fecha.toString(Qt::ISODate),
            c.weekday,
            c.month,
            c.year,
            c.line,
            c.movable,
            c.cycle,
            c.season,
            c.week,
            colourText(day.liturgical.colour),
            c.psalter,
            c.weekdayYear};
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

#include "dayview/day_report.h"

#include <algorithm>

namespace dayreport {

namespace {
const QLatin1Char kTab('\t');

// A control character (tab, line ends and the rest of C0 and C1) or a Unicode line or
// paragraph separator: none of them may stand in a cell.
bool breaksCell(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == QChar::LineSeparator ||
           u == QChar::ParagraphSeparator;
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
// The date as AAAA-MM-DD, written digit by digit: formatting it through the toolkit costs more
// than the rest of a row.
QString isoDate(const QDate& date) {
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    if (year < 1000 || year > 9999)
        return date.toString(Qt::ISODate);
    QString text(10, Qt::Uninitialized);
    QChar* out = text.data();
    const auto digits = [&out](int value, int count) {
        for (int i = count - 1; i >= 0; --i, value /= 10)
            out[i] = QLatin1Char(char('0' + value % 10));
        out += count;
    };
    digits(year, 4);
    *out++ = QLatin1Char('-');
    digits(month, 2);
    *out++ = QLatin1Char('-');
    digits(day, 2);
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
    return QString::number(colour.r) + QLatin1Char(',') + QString::number(colour.g) +
           QLatin1Char(',') + QString::number(colour.b);
}

QStringList fieldValues(const dayview::DayValue& day) {
    const dayview::DayCaptions c = dayview::captionsOf(day);
    return {isoDate(day.fecha), c.weekday, c.month,  c.year, c.line,
            c.movable,          c.cycle,   c.season, c.week, colourText(day.liturgical.colour)};
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

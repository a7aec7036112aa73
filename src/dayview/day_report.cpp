#include "dayview/day_report.h"

#include "liturgical_time/liturgical_colour.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>

namespace dayreport {

namespace {
const QLatin1Char kTab('\t');

// A control character or a Unicode line or paragraph separator: none may stand in a cell.
bool breaksCell(QChar c) {
    return isControl(c) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Appends `text` to `row` with a blank for each character that would break the cell.
void appendCell(QString& row, const QString& text) {
    const qsizetype start = row.size();
    row += text;
    if (std::none_of(text.cbegin(), text.cend(), breaksCell))
        return;
    for (qsizetype i = start; i < row.size(); ++i) {
        if (breaksCell(row.at(i)))
            row[i] = QLatin1Char(' ');
    }
}

// Appends `text` in UTF-8 to `out`, a blank for each character that would break the cell.
void appendCellBytes(QByteArray& out, QStringView text) {
    // Written in place: no UTF-16 unit takes more than three bytes.
    const qsizetype start = out.size();
    out.resize(start + 3 * text.size());
    char* p = out.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c < 0x7F) {
            *p++ = char(c);
        } else if (breaksCell(QChar(c))) {
            *p++ = ' ';
        } else if (c < 0x800) {
            *p++ = char(0xC0 | (c >> 6));
            *p++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   text[i + 1].isLowSurrogate()) {
            const char32_t code = QChar::surrogateToUcs4(c, text[++i].unicode());
            *p++ = char(0xF0 | (code >> 18));
            *p++ = char(0x80 | ((code >> 12) & 0x3F));
            *p++ = char(0x80 | ((code >> 6) & 0x3F));
            *p++ = char(0x80 | (code & 0x3F));
        } else if (QChar::isSurrogate(c)) {
            const QByteArray lone = text.sliced(i, 1).toUtf8(); // as the library writes it
            p = std::copy_n(lone.constData(), std::min<qsizetype>(lone.size(), 3), p);
        } else {
            *p++ = char(0xE0 | (c >> 12));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
            *p++ = char(0x80 | (c & 0x3F));
        }
    }
    out.resize(p - out.constData());
}

// AAAA-MM-DD, written digit by digit: a range of years formats one date a day.
QString isoDate(const QDate& date) {
    const int year = date.year();
    if (year < 1000 || year > 9999)
        return date.toString(Qt::ISODate);
    const auto digit = [](int value) { return QChar(u'0' + value % 10); };
    const QChar text[] = {digit(year / 1000),  digit(year / 100), digit(year / 10),
                          digit(year),         QLatin1Char('-'),  digit(date.month() / 10),
                          digit(date.month()), QLatin1Char('-'),  digit(date.day() / 10),
                          digit(date.day())};
    return QString(text, std::size(text));
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
    // The colours a day shows, made once: a range writes one a day.
    static const std::array<std::pair<Rgb, QString>, 5> known = {{
        {liturgy::kWhite, QStringLiteral("250,250,250")},
        {liturgy::kGreen, QStringLiteral("0,250,0")},
        {liturgy::kRed, QStringLiteral("250,0,0")},
        {liturgy::kPurple, QStringLiteral("250,0,250")},
        {liturgy::LiturgicalFields().colour, QStringLiteral("192,192,192")},
    }};
    for (const auto& [rgb, text] : known)
        if (rgb == colour)
            return text;
    char text[40];
    const int size = std::snprintf(text, sizeof text, "%d,%d,%d", colour.r, colour.g, colour.b);
    return QString::fromLatin1(text, size);
}

QStringList fieldValues(const dayview::DayValue& day) {
    return fieldValues(day, dayview::captionsOf(day));
}

QStringList fieldValues(const dayview::DayValue& day, const dayview::DayCaptions& c) {
    return {isoDate(day.fecha), c.weekday,    c.month,  c.year, c.line,
            c.movable,          c.cycle,      c.season, c.week, colourText(day.liturgical.colour),
            c.psalter,          c.weekdayYear};
}

QString headerLine() {
    return fieldNames().join(kTab);
}

QString rowLine(const dayview::DayValue& day) {
    const QStringList cells = fieldValues(day);
    QString row;
    row.reserve(200);
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            row += kTab;
        appendCell(row, cells.at(i));
    }
    return row;
}

void appendRowBytes(QByteArray& out, const dayview::DayValue& day) {
    const QStringList cells = fieldValues(day);
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += '\t';
        appendCellBytes(out, cells.at(i));
    }
}

QString fieldListing(const dayview::DayValue& day) {
    const QStringList values = fieldValues(day);
    QString text;
    for (qsizetype i = 0; i < values.size(); ++i) {
        text += fieldNames().at(i) + kTab;
        appendCell(text, values.at(i));
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace dayreport

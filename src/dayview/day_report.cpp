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

// Writes `text` in UTF-8 at `p`, a blank for each character that would break the cell, and
// gives the end. There must be room for three bytes a UTF-16 unit.
char* writeCellBytes(char* p, QStringView text) {
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
    return p;
}

} // namespace

bool isControl(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

const QStringList& fieldNames() {
    static const QStringList names = {
        QStringLiteral("fecha"),       QStringLiteral("dia"),      QStringLiteral("mes"),
        QStringLiteral("anio"),        QStringLiteral("linea"),    QStringLiteral("movil"),
        QStringLiteral("ciclo"),       QStringLiteral("tiempo"),   QStringLiteral("semana"),
        QStringLiteral("color"),       QStringLiteral("salterio"), QStringLiteral("ciclo_ferial"),
        QStringLiteral("celebracion"), QStringLiteral("rango"),    QStringLiteral("libres"),
        QStringLiteral("precepto"),    QStringLiteral("gloria"),   QStringLiteral("credo"),
        QStringLiteral("tomo")};
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

std::array<QStringView, kFieldCount> fieldViews(const dayview::DayValue& day,
                                                const dayview::DayCaptions& c, FieldRoom& room) {
    // The date written digit by digit: a range of years writes one a day.
    QStringView date;
    int year = 0;
    int month = 0;
    int dayOfMonth = 0;
    day.fecha.getDate(&year, &month, &dayOfMonth);
    if (year >= 1000 && year <= 9999) {
        const auto digit = [](int value) { return QChar(u'0' + value % 10); };
        room.digits = {digit(year / 1000), digit(year / 100), digit(year / 10),
                       digit(year),        QLatin1Char('-'),  digit(month / 10),
                       digit(month),       QLatin1Char('-'),  digit(dayOfMonth / 10),
                       digit(dayOfMonth)};
        date = QStringView(room.digits.data(), room.digits.size());
    } else {
        room.date = day.fecha.toString(Qt::ISODate);
        date = room.date;
    }
    room.colour = colourText(day.liturgical.colour);
    return {date,       c.weekday, c.month,     c.year,    c.line,        c.movable,     c.cycle,
            c.season,   c.week,    room.colour, c.psalter, c.weekdayYear, c.celebration, c.rank,
            c.optional, c.precept, c.gloria,    c.credo,   c.tomo};
}

QStringList fieldValues(const dayview::DayValue& day) {
    const dayview::DayCaptions captions = dayview::captionsOf(day); // what the views show
    FieldRoom room;
    QStringList values;
    for (QStringView field : fieldViews(day, captions, room))
        values.append(field.toString());
    return values;
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
    const dayview::DayCaptions captions = dayview::captionsOf(day); // what the views show
    FieldRoom room;
    const auto cells = fieldViews(day, captions, room);
    // Written in place, the room made once: no UTF-16 unit takes more than three bytes.
    qsizetype most = kFieldCount;
    for (QStringView cell : cells)
        most += 3 * cell.size();
    const qsizetype start = out.size();
    out.resize(start + most);
    char* p = out.data() + start;
    for (qsizetype i = 0; i < kFieldCount; ++i) {
        if (i > 0)
            *p++ = '\t';
        p = writeCellBytes(p, cells[i]);
    }
    out.resize(p - out.constData());
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

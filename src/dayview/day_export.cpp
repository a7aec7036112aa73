#include "dayview/day_export.h"

#include "dayview/day_report.h"
#include "liturgical_time/liturgical_colour.h"
#include "platform/version.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>

#include <utility>

namespace dayexport {

namespace {

constexpr qsizetype kIcsLineOctets = 75;

QString seasonInWords(liturgy::Season season) {
    using liturgy::Season;
    switch (season) {
    case Season::ChristmasJanuary:
    case Season::ChristmasDecember:
        return QStringLiteral("Tiempo de Navidad");
    case Season::OrdinaryBeforeLent:
    case Season::OrdinaryAfterPentecost:
        return QStringLiteral("Tiempo ordinario");
    case Season::Lent:
        return QStringLiteral("Cuaresma");
    case Season::HolyWeek:
        return QStringLiteral("Semana Santa");
    case Season::Easter:
        return QStringLiteral("Tiempo pascual");
    case Season::Advent:
        return QStringLiteral("Adviento");
    case Season::None:
        break;
    }
    return {};
}

// The weekday, cycle, season, week, psalter week, weekday year and colour of the day in words,
// one per line.
QString description(const dayview::DayValue& day, const dayview::DayCaptions& captions) {
    QStringList lines;
    QString weekday = captions.weekday;
    if (weekday.startsWith(QLatin1String("+ "))) // the window marks Sunday with a cross
        weekday.remove(0, 2);
    lines << weekday << captions.cycle << seasonInWords(day.liturgical.season);
    if (day.liturgical.week)
        lines << QStringLiteral("Semana %1").arg(*day.liturgical.week);
    if (!captions.psalter.isEmpty())
        lines << QStringLiteral("Salterio: semana ") + captions.psalter;
    if (!captions.weekdayYear.isEmpty())
        lines << QStringLiteral("Lecturas entre semana: año ") + captions.weekdayYear;
    const QString colour = colourName(day.liturgical.colour);
    if (!colour.isEmpty())
        lines << QStringLiteral("Color: %1").arg(colour);
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

QString icsDate(const QDate& date) {
    return date.toString(QStringLiteral("yyyyMMdd"));
}

QString icsStamp(const QDateTime& stamp) {
    return stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

QByteArray event(const dayview::DayValue& day, const QString& stamp) {
    const dayview::DayCaptions captions = dayview::captionsOf(day);
    // The first ten fields, those of the earlier releases: a day imported from them keeps its UID.
    constexpr qsizetype kFingerprintFields = 10;
    const QByteArray fingerprint =
        QCryptographicHash::hash(
            dayreport::fieldValues(day).first(kFingerprintFields).join(QLatin1Char('\t')).toUtf8(),
            QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const QString date = icsDate(day.fecha);
    const QString summary = day.numMovil ? captions.movable : captions.line;
    QByteArray lines;
    for (const QString& line :
         {QStringLiteral("BEGIN:VEVENT"),
          QStringLiteral("UID:") + date + QLatin1Char('-') + QLatin1String(fingerprint) +
              QLatin1String("@orvantel"),
          QStringLiteral("DTSTAMP:") + stamp, QStringLiteral("DTSTART;VALUE=DATE:") + date,
          QStringLiteral("DTEND;VALUE=DATE:") + icsDate(day.fecha.addDays(1)),
          QStringLiteral("SUMMARY:") + icsText(summary),
          QStringLiteral("DESCRIPTION:") + icsText(description(day, captions)),
          QStringLiteral("TRANSP:TRANSPARENT"), QStringLiteral("END:VEVENT")})
        lines += icsLine(line);
    return lines;
}

QByteArray icsBegin() {
    return icsLine(QStringLiteral("BEGIN:VCALENDAR")) + icsLine(QStringLiteral("VERSION:2.0")) +
           icsLine(QStringLiteral("PRODID:-//Orvantel//orvantel-dia %1//ES")
                       .arg(QLatin1String(kVersion))) +
           icsLine(QStringLiteral("CALSCALE:GREGORIAN")) +
           icsLine(QStringLiteral("X-WR-CALNAME:") +
                   icsText(QStringLiteral("Calendario litúrgico")));
}

} // namespace

std::optional<Format> formatNamed(const QString& name) {
    if (name == QLatin1String("tsv"))
        return Format::Tsv;
    if (name == QLatin1String("json"))
        return Format::Json;
    if (name == QLatin1String("ics"))
        return Format::Ics;
    return std::nullopt;
}

QString colourName(const Rgb& colour) {
    if (colour == liturgy::LiturgicalFields().colour)
        return QStringLiteral("gris");
    return liturgy::colourName(colour);
}

QJsonObject jsonDay(const dayview::DayValue& day) {
    QJsonObject object;
    const QStringList values = dayreport::fieldValues(day);
    for (qsizetype i = 0; i < values.size(); ++i)
        object.insert(dayreport::fieldNames().at(i), values.at(i));
    const Rgb& colour = day.liturgical.colour;
    object.insert(QStringLiteral("color_nombre"), colourName(colour));
    object.insert(QStringLiteral("color_rgb"), QJsonArray{colour.r, colour.g, colour.b});
    return object;
}

QString icsText(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'\\' || c == u';' || c == u',') {
            out += QLatin1Char('\\');
            out += QChar(c);
        } else if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator ||
                   c == QChar::ParagraphSeparator) {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += QLatin1String("\\n");
        } else if (dayreport::isControl(QChar(c))) {
            out += QLatin1Char(' ');
        } else {
            out += QChar(c);
        }
    }
    return out;
}

QByteArray icsLine(const QString& line) {
    const QByteArray bytes = line.toUtf8();
    QByteArray out;
    qsizetype start = 0;
    qsizetype room = kIcsLineOctets;
    while (bytes.size() - start > room) {
        qsizetype cut = start + room;
        while ((static_cast<unsigned char>(bytes.at(cut)) & 0xC0) == 0x80) // inside a character
            --cut;
        out += bytes.sliced(start, cut - start) + "\r\n ";
        start = cut;
        room = kIcsLineOctets - 1; // after the blank that marks the continuation
    }
    return out + bytes.sliced(start) + "\r\n";
}

QByteArray icsEvent(const dayview::DayValue& day, const QDateTime& stamp) {
    return event(day, icsStamp(stamp));
}

DayDocument::DayDocument(Format format, bool table, const QDateTime& stamp)
    : format_(format), table_(table), stamp_(icsStamp(stamp)) {}

QByteArray DayDocument::begin() const {
    switch (format_) {
    case Format::Tsv:
        return table_ ? dayreport::headerLine().toUtf8() + '\n' : QByteArray();
    case Format::Json:
        return "[\n";
    case Format::Ics:
        return icsBegin();
    }
    return {};
}

QByteArray DayDocument::day(const dayview::DayValue& value) {
    const bool first = std::exchange(first_, false);
    switch (format_) {
    case Format::Tsv:
        return table_ ? dayreport::rowLine(value).toUtf8() + '\n'
                      : dayreport::fieldListing(value).toUtf8();
    case Format::Json:
        return (first ? QByteArray() : QByteArray(",\n")) +
               QJsonDocument(jsonDay(value)).toJson(QJsonDocument::Compact);
    case Format::Ics:
        return event(value, stamp_);
    }
    return {};
}

QByteArray DayDocument::end() const {
    switch (format_) {
    case Format::Tsv:
        return {};
    case Format::Json:
        return "\n]\n";
    case Format::Ics:
        return icsLine(QStringLiteral("END:VCALENDAR"));
    }
    return {};
}

QByteArray document(Format format, bool table, const QList<dayview::DayValue>& days,
                    const QDateTime& stamp) {
    DayDocument document(format, table, stamp);
    QByteArray bytes = document.begin();
    for (const dayview::DayValue& day : days)
        bytes += document.day(day);
    return bytes + document.end();
}

} // namespace dayexport

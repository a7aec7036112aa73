#include "dayview/day_export.h"

#include "dayview/day_report.h"
#include "liturgical_time/liturgical_colour.h"
#include "platform/version.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <array>
#include <iterator>
#include <memory>
#include <utility>

namespace dayexport {

namespace {

constexpr qsizetype kIcsLineOctets = 75;

// Writes through a pointer into room made beforehand: a range of days writes some twenty pieces
// of text a day, and each append to a QByteArray is a call into the library. The caller makes
// the room: the most each piece takes is said with it.
class Cursor {
    // The printable ASCII characters that iCalendar text keeps as they are.
    static constexpr std::array<bool, 0x80> kPlain = [] {
        std::array<bool, 0x80> plain{};
        for (char16_t c = 0x20; c < 0x7F; ++c)
            plain[c] = c != u'\\' && c != u';' && c != u',';
        return plain;
    }();

public:
    explicit Cursor(char* at) : p_(at) {}
    char* at() const { return p_; }

    // Bytes as they are.
    Cursor& operator<<(QByteArrayView bytes) {
        p_ = std::copy(bytes.begin(), bytes.end(), p_);
        return *this;
    }

    // `value` in decimal as QByteArray::number writes it: at most 11 bytes.
    Cursor& number(int value) {
        if (value < 0 || value > 9999)
            return *this << QByteArray::number(value);
        char digits[4];
        int n = 0;
        do {
            digits[n++] = char('0' + value % 10);
            value /= 10;
        } while (value > 0);
        while (n > 0)
            *p_++ = digits[--n];
        return *this;
    }

    // `text` in UTF-8, and with `escape` as iCalendar text (see icsText): at most three bytes
    // for each UTF-16 unit, an escape or a character of the BMP alike.
    Cursor& utf8(QStringView text, bool escape) {
        char* p = p_;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            if (c < 0x80 && kPlain[c]) {
                *p++ =
                    char(c); // most of a text: printable ASCII, to be neither escaped nor encoded
            } else if (escape && (c == u'\\' || c == u';' || c == u',')) {
                *p++ = '\\';
                *p++ = char(c);
            } else if (escape && (c == u'\r' || c == u'\n' || c == QChar::LineSeparator ||
                                  c == QChar::ParagraphSeparator)) {
                if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                    ++i;
                *p++ = '\\';
                *p++ = 'n';
            } else if (escape && dayreport::isControl(QChar(c))) {
                *p++ = ' ';
            } else if (c < 0x80) {
                *p++ = char(c);
            } else if (c < 0x800) {
                *p++ = char(0xC0 | (c >> 6));
                *p++ = char(0x80 | (c & 0x3F));
            } else if (!QChar::isSurrogate(c)) {
                *p++ = char(0xE0 | (c >> 12));
                *p++ = char(0x80 | ((c >> 6) & 0x3F));
                *p++ = char(0x80 | (c & 0x3F));
            } else {
                // A surrogate pair (four bytes for two units), or a lone one, as Qt converts it.
                const qsizetype length = QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                                                 text.at(i + 1).isLowSurrogate()
                                             ? 2
                                             : 1;
                const QByteArray bytes = text.sliced(i, length).toUtf8();
                p = std::copy_n(bytes.cbegin(), std::min(bytes.size(), 3 * length), p);
                i += length - 1;
            }
        }
        p_ = p;
        return *this;
    }

    // The content line `bytes`, folded so that no physical line passes 75 octets and no
    // character is split, each physical line ended by CR LF: at most foldedRoom() bytes.
    Cursor& folded(QByteArrayView bytes) {
        qsizetype start = 0;
        qsizetype room = kIcsLineOctets;
        while (bytes.size() - start > room) {
            qsizetype cut = start + room;
            while ((static_cast<unsigned char>(bytes.at(cut)) & 0xC0) == 0x80) // inside a character
                --cut;
            *this << bytes.sliced(start, cut - start) << "\r\n ";
            start = cut;
            room = kIcsLineOctets - 1; // after the blank that marks the continuation
        }
        return *this << bytes.sliced(start) << "\r\n";
    }
    // A break of three octets at least every 71 octets (74 less a character of four cut short),
    // and the line end.
    static qsizetype foldedRoom(qsizetype size) { return size + 3 * (size / 70 + 1) + 2; }

private:
    char* p_;
};

// Writes into `out` what `write` writes through a cursor, given at most `room` bytes.
template <typename Write> void appendThrough(QByteArray& out, qsizetype room, Write write) {
    const qsizetype at = out.size();
    if (out.capacity() - at < room) // grows as append does, by half again at least
        out.reserve(std::max(at + room, at + at / 2));
    out.resize(at + room);
    Cursor cursor(out.data() + at);
    write(cursor);
    out.resize(cursor.at() - out.constData());
}

void appendIcsText(QByteArray& out, QStringView text) {
    appendThrough(out, 3 * text.size(), [&](Cursor& c) { c.utf8(text, true); });
}

void appendIcsLine(QByteArray& out, QByteArrayView bytes) {
    appendThrough(out, Cursor::foldedRoom(bytes.size()), [&](Cursor& c) { c.folded(bytes); });
}

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
// one per line, appended as iCalendar text in UTF-8: each line escaped, the line ends written
// "\n".
void appendDescription(QByteArray& out, const dayview::DayValue& day,
                       const dayview::DayCaptions& captions) {
    QStringView weekday = captions.weekday;
    if (weekday.startsWith(QLatin1String("+ "))) // the window marks Sunday with a cross
        weekday = weekday.sliced(2);
    const QString season = seasonInWords(day.liturgical.season);
    const QString colour = colourName(day.liturgical.colour);
    // Each line: its fixed words (UTF-8 with nothing to escape), then its text or its number;
    // none without either.
    struct Line {
        QByteArrayView words;
        QStringView text;
        std::optional<int> number = {};
    };
    const Line lines[] = {
        {{}, weekday},
        {"Rango: ", captions.rank},
        // the line, when the title is the celebration kept
        {"Calendario: ", captions.celebration.isEmpty() ? QStringView() : captions.line},
        {"Puede celebrarse: ", captions.optional},
        {"Precepto: ", captions.precept},
        {"Gloria: ", captions.gloria},
        {"Credo: ", captions.credo},
        {{}, captions.cycle},
        {{}, season},
        {"Semana ", {}, day.liturgical.week},
        {"Salterio: semana ", captions.psalter},
        {"Lecturas entre semana: a\xc3\xb1o ", captions.weekdayYear},
        {"Liturgia de las Horas: tomo ", captions.tomo},
        {"Color: ", colour}};
    constexpr QByteArrayView kNewLine = "\\n";
    constexpr qsizetype kNumberRoom = 11;
    qsizetype room = 0;
    for (const Line& line : lines)
        room += kNewLine.size() + line.words.size() + 3 * line.text.size() + kNumberRoom;
    appendThrough(out, room, [&](Cursor& c) {
        bool first = true;
        for (const Line& line : lines) {
            if (line.text.isEmpty() && !line.number)
                continue;
            if (!std::exchange(first, false))
                c << kNewLine;
            c << line.words;
            if (line.number)
                c.number(*line.number);
            else
                c.utf8(line.text, true);
        }
    });
}

// AAAAMMDD written into `room`, digit by digit for the years of four digits (a range of days
// writes two dates a day), as QDate writes it for the others.
QByteArrayView icsDate(const QDate& date, std::array<char, 16>& room) {
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day); // one decomposition of the date for the three
    if (year < 1000 || year > 9999) {
        const QByteArray text = date.toString(QStringLiteral("yyyyMMdd")).toLatin1();
        const qsizetype size = std::min<qsizetype>(text.size(), room.size());
        std::copy_n(text.constData(), size, room.data());
        return {room.data(), size};
    }
    const auto digit = [](int value) { return char('0' + value % 10); };
    room = {digit(year / 1000), digit(year / 100), digit(year / 10), digit(year),
            digit(month / 10),  digit(month),      digit(day / 10),  digit(day)};
    return {room.data(), 8};
}

QString icsStamp(const QDateTime& stamp) {
    return stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

} // namespace

// What one event leaves for the next: the hash of the UIDs and the room of the texts, so that a
// range of days makes no new buffers a day.
struct IcsScratch {
    QCryptographicHash sha1{QCryptographicHash::Sha1};
    QByteArray fields;  // the fields the UID is made from, joined by tabs
    QByteArray summary; // the content lines before they are folded
    QByteArray description;
};

namespace {

// Appends the day's event. `stamp`: the DTSTAMP line, ended.
void appendEvent(QByteArray& out, const dayview::DayValue& day, QByteArrayView stamp,
                 IcsScratch& scratch) {
    static constexpr char kHex[] = "0123456789abcdef";
    const dayview::DayCaptions captions = dayview::captionsOf(day);
    // The first ten fields, those of the earlier releases: a day imported from them keeps its UID.
    constexpr qsizetype kFingerprintFields = 10;
    dayreport::FieldRoom fieldRoom;
    const auto fields = dayreport::fieldViews(day, captions, fieldRoom);
    QByteArray& joined = scratch.fields;
    joined.truncate(0); // keeps its room
    qsizetype fieldsRoom = kFingerprintFields;
    for (qsizetype i = 0; i < kFingerprintFields; ++i)
        fieldsRoom += 3 * fields[i].size();
    appendThrough(joined, fieldsRoom, [&](Cursor& c) {
        for (qsizetype i = 0; i < kFingerprintFields; ++i) {
            if (i > 0)
                c << "\t";
            c.utf8(fields[i], false);
        }
    });
    scratch.sha1.reset();
    scratch.sha1.addData(joined);
    const QByteArrayView digest = scratch.sha1.resultView();
    char fingerprint[16]; // the first eight bytes of the digest in hexadecimal
    for (int i = 0; i < 8; ++i) {
        const auto byte = static_cast<unsigned char>(digest[i]);
        fingerprint[2 * i] = kHex[byte >> 4];
        fingerprint[2 * i + 1] = kHex[byte & 0xF];
    }

    QByteArray& summary = scratch.summary;
    summary.truncate(0); // keeps its room
    summary += "SUMMARY:";
    // The celebration kept; outside the calendar, the day's texts.
    appendIcsText(summary, !captions.celebration.isEmpty() ? captions.celebration
                           : day.numMovil                  ? captions.movable
                                                           : captions.line);
    QByteArray& description = scratch.description;
    description.truncate(0);
    description += "DESCRIPTION:";
    appendDescription(description, day, captions);

    std::array<char, 16> startRoom;
    std::array<char, 16> endRoom;
    const QByteArrayView start = icsDate(day.fecha, startRoom);
    const QByteArrayView end = icsDate(day.fecha.addDays(1), endRoom);
    // The lines of fixed form are short and ASCII: only the texts may need folding.
    static constexpr QByteArrayView kFixed[] = {"BEGIN:VEVENT\r\nUID:",
                                                "-",
                                                "@orvantel\r\n",
                                                "DTSTART;VALUE=DATE:",
                                                "\r\nDTEND;VALUE=DATE:",
                                                "\r\n",
                                                "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n"};
    qsizetype room = stamp.size() + 2 * start.size() + end.size() + std::size(fingerprint) +
                     Cursor::foldedRoom(summary.size()) + Cursor::foldedRoom(description.size());
    for (QByteArrayView fixed : kFixed)
        room += fixed.size();
    appendThrough(out, room, [&](Cursor& c) {
        c << kFixed[0] << start << kFixed[1] << QByteArrayView(fingerprint, std::size(fingerprint))
          << kFixed[2] << stamp << kFixed[3] << start << kFixed[4] << end << kFixed[5];
        c.folded(summary).folded(description) << kFixed[6];
    });
}

// Appends `text` as a JSON string, escaped as QJsonDocument escapes it: quote and backslash,
// the control characters below 32 (\b \t \n \f \r, the others as \u00xx) and a lone
// surrogate (\uxxxx); every other character in UTF-8.
// Written at `p`, which must have room for six bytes a UTF-16 unit and two; gives the end.
char* writeJsonString(char* p, QStringView text) {
    static constexpr char kHex[] = "0123456789abcdef";
    const auto escaped = [&p](char16_t c) {
        *p++ = '\\';
        *p++ = 'u';
        for (int shift = 12; shift >= 0; shift -= 4)
            *p++ = kHex[(c >> shift) & 0xF];
    };
    const auto shortEscape = [](char16_t c) -> char {
        switch (c) {
        case u'"':
            return '"';
        case u'\\':
            return '\\';
        case u'\b':
            return 'b';
        case u'\t':
            return 't';
        case u'\n':
            return 'n';
        case u'\f':
            return 'f';
        case u'\r':
            return 'r';
        default:
            return 0;
        }
    };
    *p++ = '"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            if (const char letter = shortEscape(c)) {
                *p++ = '\\';
                *p++ = letter;
            } else if (c < 0x20) {
                escaped(c);
            } else {
                *p++ = char(c);
            }
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                   text[i + 1].isLowSurrogate()) {
            const char32_t code = QChar::surrogateToUcs4(c, text[++i].unicode());
            *p++ = char(0xF0 | (code >> 18));
            *p++ = char(0x80 | ((code >> 12) & 0x3F));
            *p++ = char(0x80 | ((code >> 6) & 0x3F));
            *p++ = char(0x80 | (code & 0x3F));
        } else if (QChar::isSurrogate(c)) {
            escaped(c);
        } else if (c < 0x800) {
            *p++ = char(0xC0 | (c >> 6));
            *p++ = char(0x80 | (c & 0x3F));
        } else {
            *p++ = char(0xE0 | (c >> 12));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
            *p++ = char(0x80 | (c & 0x3F));
        }
    }
    *p++ = '"';
    return p;
}

void appendJsonString(QByteArray& out, QStringView text) {
    // Written in place: no character takes more than six bytes (\uxxxx).
    const qsizetype start = out.size();
    out.resize(start + 2 + 6 * text.size());
    out.resize(writeJsonString(out.data() + start, text) - out.constData());
}

// The members of a day's JSON object in the order QJsonObject keeps them, by name: each a field
// of fieldValues() by its index, or the colour's name (-1) or its numbers (-2).
constexpr int kColourName = -1;
constexpr int kColourNumbers = -2;
// Each member's name is kept written out: its JSON string and the colon, after a comma but for
// the first.
const QList<std::pair<QByteArray, int>>& jsonMembers() {
    static const QList<std::pair<QByteArray, int>> members = [] {
        QList<std::pair<QString, int>> list;
        const QStringList& names = dayreport::fieldNames();
        for (qsizetype i = 0; i < names.size(); ++i)
            list.append({names.at(i), int(i)});
        list.append({QStringLiteral("color_nombre"), kColourName});
        list.append({QStringLiteral("color_rgb"), kColourNumbers});
        std::sort(list.begin(), list.end());
        QList<std::pair<QByteArray, int>> written;
        for (const auto& [name, index] : list) {
            QByteArray text = written.isEmpty() ? QByteArray() : QByteArray(",");
            appendJsonString(text, name);
            written.append({text + ':', index});
        }
        return written;
    }();
    return members;
}

// Appends jsonDay() as compact JSON text, written straight: the text QJsonDocument writes for it.
void appendJsonText(QByteArray& out, const dayview::DayValue& day) {
    const dayview::DayCaptions captions = dayview::captionsOf(day); // what the views show
    dayreport::FieldRoom room;
    const auto values = dayreport::fieldViews(day, captions, room);
    const Rgb& colour = day.liturgical.colour;
    const QString colourWord = colourName(colour);
    // The room made once for the object: the names, six bytes a UTF-16 unit of the values and
    // their quotes, the colour's numbers.
    constexpr qsizetype kNumbersRoom = 3 * 11 + 4;
    qsizetype most = 2 + kNumbersRoom + 2 + 6 * colourWord.size();
    for (const auto& [name, index] : jsonMembers())
        most += name.size() + (index >= 0 ? 2 + 6 * values[index].size() : 0);
    appendThrough(out, most, [&](Cursor& c) {
        char* p = c.at();
        *p++ = '{';
        for (const auto& [name, index] : jsonMembers()) {
            // The escaped name and its colon, the comma before all but the first.
            p = std::copy(name.cbegin(), name.cend(), p);
            if (index >= 0) {
                p = writeJsonString(p, values[index]);
            } else if (index == kColourName) {
                p = writeJsonString(p, colourWord);
            } else {
                Cursor numbers(p);
                numbers << "[";
                numbers.number(colour.r) << ",";
                numbers.number(colour.g) << ",";
                numbers.number(colour.b) << "]";
                p = numbers.at();
            }
        }
        *p++ = '}';
        c = Cursor(p);
    });
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
    QByteArray bytes;
    appendIcsText(bytes, text);
    return QString::fromUtf8(bytes);
}

QByteArray icsLine(const QString& line) {
    QByteArray out;
    appendIcsLine(out, line.toUtf8());
    return out;
}

QByteArray icsEvent(const dayview::DayValue& day, const QDateTime& stamp) {
    QByteArray out;
    IcsScratch scratch;
    appendEvent(out, day, icsLine(QStringLiteral("DTSTAMP:") + icsStamp(stamp)), scratch);
    return out;
}

DayDocument::DayDocument(Format format, bool table, const QDateTime& stamp)
    : format_(format), table_(table), stamp_(icsLine(QStringLiteral("DTSTAMP:") + icsStamp(stamp))),
      scratch_(std::make_unique<IcsScratch>()) {}

DayDocument::~DayDocument() = default;

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

void DayDocument::appendDay(QByteArray& out, const dayview::DayValue& value) {
    const bool first = std::exchange(first_, false);
    switch (format_) {
    case Format::Tsv:
        if (table_) {
            dayreport::appendRowBytes(out, value);
            out += '\n';
        } else {
            out += dayreport::fieldListing(value).toUtf8();
        }
        return;
    case Format::Json:
        if (!first)
            out += ",\n";
        appendJsonText(out, value);
        return;
    case Format::Ics:
        appendEvent(out, value, stamp_, *scratch_);
        return;
    }
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
        document.appendDay(bytes, day);
    return bytes + document.end();
}

} // namespace dayexport

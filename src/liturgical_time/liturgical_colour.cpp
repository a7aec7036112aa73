#include "liturgical_time/liturgical_colour.h"

#include "liturgical_time/liturgical_time.h"

#include <array>

namespace liturgy {

namespace {
constexpr std::array<char16_t, 6> kLetters = {u'b', u'B', u'r', u'R', u'M', u'A'};
using LetterColours = std::array<std::optional<Rgb>, kLetters.size()>;
constexpr std::optional<Rgb> kNone;

// The colour-letter table, one row per case, the columns in the order of kLetters.
constexpr LetterColours kOutsideLentWeekday = {kWhite, kWhite, kRed, kRed, kPurple, kWhite};
constexpr LetterColours kOutsideLentSunday = {kNone, kWhite, kNone, kRed, kPurple, kNone};
constexpr LetterColours kLentWeekday = {kNone, kWhite, kNone, kRed, kNone, kWhite};
constexpr LetterColours kLentSunday = {kNone, kNone, kNone, kNone, kNone, kNone};
// Files whose celebration decides the colour after the day's letter: Ash Wednesday is purple and
// Pentecost red whatever feast the letter belongs to; the solemnities and feasts of the Lord
// (13 Jesucristo Sumo y Eterno Sacerdote, 14 Trinity, 15 Corpus Christi, 16 Sacred Heart,
// 18 Christ the King) and the solemnities moved to another day (22 San José, 23 the
// Annunciation, 24 the Immaculate Conception, 25 the Nativity of St John the Baptist) are white,
// Saints Peter and Paul on the day they are moved to (26) red. The two Marian memorials, the
// Immaculate Heart (17) and Santa María, Madre de la Iglesia (21), prevail over a saint's
// memorial of their day (notification of the Congregation for Divine Worship, 24 March 2018):
// only a white or red solemnity or feast ("B", "R") changes their white.
constexpr int kAshWednesday = 3;
constexpr int kPentecost = 6;
constexpr int kImmaculateHeart = 17;
constexpr int kMotherOfTheChurch = 21;
constexpr int kPeterAndPaulMoved = 26;

std::optional<Rgb> movableColour(std::optional<int> numMovil, QChar letter) {
    if (!numMovil)
        return std::nullopt;
    switch (*numMovil) {
    case kAshWednesday:
        return kPurple;
    case kPentecost:
        return kRed;
    case 13:
    case 14:
    case 15:
    case 16:
    case 18:
    case 22:
    case 23:
    case 24:
    case 25:
        return kWhite;
    case kPeterAndPaulMoved:
        return kRed;
    case kImmaculateHeart:
    case kMotherOfTheChurch:
        if (letter == QLatin1Char('B') || letter == QLatin1Char('R'))
            return std::nullopt;
        return kWhite;
    default:
        return std::nullopt;
    }
}
} // namespace

QString colourName(const Rgb& colour) {
    if (colour == kWhite)
        return QStringLiteral("blanco");
    if (colour == kGreen)
        return QStringLiteral("verde");
    if (colour == kRed)
        return QStringLiteral("rojo");
    if (colour == kPurple)
        return QStringLiteral("morado");
    return {};
}

QChar colourLetter(const QString& dayLine) {
    return dayLine.isEmpty() ? QChar() : dayLine.back();
}

QString colourLetters() {
    return QString::fromUtf16(kLetters.data(), kLetters.size());
}

std::optional<Rgb> letterColour(QChar letter, bool lent, bool sunday) {
    const LetterColours& row = lent ? (sunday ? kLentSunday : kLentWeekday)
                                    : (sunday ? kOutsideLentSunday : kOutsideLentWeekday);
    for (std::size_t i = 0; i < kLetters.size(); ++i) {
        if (letter.unicode() == kLetters[i])
            return row[i];
    }
    return std::nullopt;
}

void applyColourRules(const LiturgicalDay& day, LiturgicalFields& fields) {
    const bool sunday = day.weekday == Sunday;

    // Movable solemnities: Jesucristo Sumo y Eterno Sacerdote .. Cristo Rey (files 13..18).
    if (day.numMovil && *day.numMovil >= 13 && *day.numMovil <= 18)
        fields.colour = kWhite;

    const bool lent = fields.season == Season::Lent;
    const QChar letter = colourLetter(day.dayLine);
    if (const auto colour = letterColour(letter, lent, sunday))
        fields.colour = *colour;

    // The movable celebrations that no saint of the fixed calendar displaces.
    if (const std::optional<Rgb> colour = movableColour(day.numMovil, letter))
        fields.colour = *colour;

    if (fields.season == Season::HolyWeek) {
        fields.colour = kPurple;
        if (sunday)
            fields.colour = kRed;
        if (day.weekday == Thursday)
            fields.colour = kWhite;
        if (day.weekday == Friday)
            fields.colour = kRed;
    }

    if (fields.season == Season::Easter && fields.week == 1)
        fields.colour = kWhite;
}

} // namespace liturgy

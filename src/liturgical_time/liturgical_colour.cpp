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
    if (const auto colour = letterColour(colourLetter(day.dayLine), lent, sunday))
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

#pragma once
// The liturgical colour of the day, the background of Label6. It starts from the default colour
// of the season and is corrected by rules in order: a movable solemnity (files 13..18) is
// white; the colour letter that ends the day's line, read by the season and the weekday; the
// movable celebrations that the letter cannot displace (Ash Wednesday purple, Pentecost red,
// the solemnities and feasts of the Lord and the moved solemnities white, Saints Peter and Paul
// moved red); Holy Week by its
// weekday; Easter week white. The last rule that applies decides.

#include "platform/rgb.h"

#include <QChar>
#include <QString>

#include <optional>

namespace liturgy {

struct LiturgicalDay;
struct LiturgicalFields;

// The liturgical colours, with 250 as full value.
inline constexpr Rgb kWhite{250, 250, 250};
inline constexpr Rgb kGreen{0, 250, 0};
inline constexpr Rgb kRed{250, 0, 0};
inline constexpr Rgb kPurple{250, 0, 250};

// The name of a liturgical colour: "blanco", "verde", "rojo" or "morado"; empty for any other
// colour, such as the grey of a day that has none.
QString colourName(const Rgb& colour);

// `LetraColor`: the last character of the day's line; a null character for an empty line.
QChar colourLetter(const QString& dayLine);

// The letters that give a day's line its colour: "bBrRMA". Any other last character is no letter.
QString colourLetters();

// The colour a letter sets in Lent or not, on a Sunday or not; none when the letter sets
// nothing there. Case matters: "b" and "B" differ.
std::optional<Rgb> letterColour(QChar letter, bool lent, bool sunday);

// Applies the four rules to `fields.colour`, reading the season and week that the season rows
// left in `fields`.
void applyColourRules(const LiturgicalDay& day, LiturgicalFields& fields);

} // namespace liturgy

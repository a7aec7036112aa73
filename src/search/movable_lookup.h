#pragma once
// The date of a movable celebration in a given year. The user types NN/YY (celebration number
// and the last two digits of the year, e.g. 06/09); the lookup reads the celebration's file
// c<NN>.txt from its name line to the date line of year 2000 + YY and answers with the last line
// read ("28-sin celebración" for a year without the celebration), or "Datos erróneos" for any
// fault. Also the fixed numbered list the window shows in Text4.

#include <QString>
#include <QStringList>

namespace lookup {

// The numbered list of the celebrations that have a file, one a line ("2  .Bautismo del
// Señor" ... "20.La Sagrada Familia").
const QStringList& celebrationLines();
// The list as the text box holds it: every line, the last included, ends with a line break.
QString celebrationsList();

// The answer shown in Label9 for the typed text `datoCeleb`, from the files in `ruta`. NN is the
// first two characters of the text and YY its last two (the whole text when it is shorter), so
// "06/2009" asks the same as "06/09" and "7" asks for celebration 7 in 2007. A YY of -1 answers
// with the name line, one below -1 reads no line and answers with the empty text.
QString dateOf(const QString& ruta, const QString& datoCeleb);

// The answer for any fault: a part that is not a number, no such file, a year past the file.
QString faultAnswer();

} // namespace lookup

#pragma once
// The fixed texts of two reference panels: the legend of the calendar's abbreviations shown in
// `Text2` of the main window, and the table of the days on which each kind of Mass for the dead
// is permitted, shown in `Text1` of `Form2`. They are the boxes' initial contents; nothing reads
// them back. Each text is a list of lines, and the box text ends every line with a line break.

#include <QString>
#include <QStringList>

namespace panels {

// The 17 lines of the abbreviations legend.
const QStringList& legendLines();
// The legend as the box holds it: every line followed by a line break.
QString legendText();

// The 19 lines of the Masses for the dead table; "\u2022" is the bullet (0x95 in the files'
// code page), line 6 holds a TAB.
const QStringList& deadMassLines();
// The table as the box holds it: every line followed by a line break.
QString deadMassText();

} // namespace panels

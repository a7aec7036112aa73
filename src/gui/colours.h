#pragma once
// Colours shared by the controls of the windows, and the fixed palette the windows draw with
// whatever the desktop's theme.

#include <QColor>
#include <QPalette>

namespace colours {

// The button-face colour of the window and of the controls that keep it.
inline const QColor kFace(212, 208, 200);
// A toggle that is off.
inline const QColor kOffGrey(190, 190, 190);

// Every colour role the controls draw with, for the active, inactive and disabled states: the
// light colours of the windows, black text on the face colour and on white boxes. Set on each
// window, it is inherited by all its controls, so a dark desktop theme changes none of them.
QPalette fixedPalette();

} // namespace colours

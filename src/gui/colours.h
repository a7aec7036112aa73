#pragma once
// Colours shared by the controls of the windows.

#include <QColor>

namespace colours {

// The button-face colour of the window and of the controls that keep it.
inline const QColor kFace(212, 208, 200);
// A toggle that is off.
inline const QColor kOffGrey(190, 190, 190);

} // namespace colours

#pragma once
// What a screen reader says of the controls of both windows: one table of accessible names, by
// window and control, given once the controls are built, and the description of the swatch that
// shows the liturgical colour only as a background.

#include <QString>

class QWidget;

namespace accessibility {

// Gives each control of `window` (Form1 or Form2) that the table names its accessible name.
void setAccessibleNames(QWidget* window);

// "Color litúrgico: morado"; "Color litúrgico: sin color" for an empty colour name.
QString swatchDescription(const QString& colourName);

} // namespace accessibility

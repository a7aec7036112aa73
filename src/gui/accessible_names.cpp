#include "gui/accessible_names.h"

#include <QWidget>

namespace accessibility {

namespace {

struct AccessibleName {
    const char* window;
    const char* control;
    const char* name;
};

// What each control does or shows, as a screen reader names it. The fields keep their caption
// as their description (FormLabel), so the reader says both: "Mes, Abril".
constexpr AccessibleName kNames[] = {
    // The controls drawn as glyphs: × – ◄ ► ▲ ▼.
    {"Form1", "Command1", "Cerrar"},
    {"Form1", "Command3", "Minimizar"},
    {"Form1", "Label16", "Mes anterior"},
    {"Form1", "Label17", "Mes siguiente"},
    {"Form1", "Label18", "Día anterior"},
    {"Form1", "Label19", "Día siguiente"},
    // Buttons and toggles.
    {"Form1", "Command2", "Día de hoy"},
    {"Form1", "Command4", "Buscar"},
    {"Form1", "Command5", "Buscar siguiente"},
    {"Form1", "Command6", "Siglas"},
    {"Form1", "Command7", "Número y año de la celebración"},
    {"Form1", "Command8", "Misa de difuntos"},
    {"Form1", "Command9", "Ver fecha de la celebración"},
    {"Form1", "Label10", "Ver celebraciones"},
    {"Form1", "Label13", "Notas"},
    // Fields.
    {"Form1", "Label1", "Día de la semana"},
    {"Form1", "Label15", "Mes"},
    {"Form1", "Label4", "Año"},
    {"Form1", "Label14", "Celebraciones del día"},
    {"Form1", "Label9", "Celebración movible"},
    {"Form1", "Label8", "Ciclo"},
    {"Form1", "Label7", "Tiempo litúrgico"},
    {"Form1", "Label11", "Semana"},
    {"Form1", "Label2", "Hora"},
    {"Form1", "Label6", "Color litúrgico"},
    // Text boxes.
    {"Form1", "Text1", "Estado de la búsqueda"},
    {"Form1", "Text2", "Siglas del calendario"},
    {"Form1", "Text3", "Notas"},
    {"Form1", "Text4", "Lista de celebraciones"},
    {"Form2", "Text1", "Tabla de misas de difuntos"},
};

} // namespace

void setAccessibleNames(QWidget* window) {
    for (const AccessibleName& entry : kNames) {
        if (window->objectName() != QLatin1String(entry.window))
            continue;
        auto* control =
            window->findChild<QWidget*>(QLatin1String(entry.control), Qt::FindDirectChildrenOnly);
        Q_ASSERT(control);
        if (control)
            control->setAccessibleName(QString::fromUtf8(entry.name));
    }
}

QString swatchDescription(const QString& colourName) {
    return QStringLiteral("Color litúrgico: %1")
        .arg(colourName.isEmpty() ? QStringLiteral("sin color") : colourName);
}

} // namespace accessibility

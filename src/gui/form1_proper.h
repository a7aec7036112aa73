#pragma once
// The "Calendario propio" choices of the window's context menu: none (the national calendar),
// each shipped proper calendar, or the user's own file. The window remembers the choice.

#include <QString>

#include <functional>

class QMenu;
class QWidget;

// Fills `menu` with the choices, the one in use (`current`: "", a shipped key or a path) checked;
// `choose` gets the choice picked. "Archivo propio…" asks for the file in a dialog over
// `parent` that does not block the window.
void fillProperMenu(QMenu* menu, const QString& current, QWidget* parent,
                    const std::function<void(const QString&)>& choose);

#pragma once
// Qt's own texts in Spanish: the buttons of the dialogs ("Aceptar", "Cancelar"), the context
// menus of the text boxes and the messages of the command-line parser. The program's own texts
// are Spanish already and are not translated.

// Installs Qt's Spanish translations when this system has them; false when it has none.
// Each program calls it once, after its application object exists.
bool installQtSpanish();

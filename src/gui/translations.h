#pragma once
// Qt's own texts in Spanish: the buttons of the dialogs ("Aceptar", "Cancelar") and the context
// menus of the text boxes. The program's own texts are Spanish already and are not translated.

// Installs Qt's Spanish translations when this system has them; false when it has none.
// main() calls it once, after the application object exists.
bool installQtSpanish();

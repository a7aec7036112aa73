// The three reference panels: the abbreviations legend, the notes and the Masses for the dead.

#include "app/form1.h"

void Form1::Command6_Click() {}
void Form1::Command8_Click() {}
void Form1::Label13_Click() {}
void Form1::Text2_Click() {}
bool Form1::saveNotesOnExit() { return true; }

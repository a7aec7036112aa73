// The step buttons, the tooltip of the celebrations line and the today button.

#include "app/form1.h"

void Form1::Command2_Click() {}
void Form1::Label14_MouseMove() {}
void Form1::Label16_MouseDown() {}
void Form1::Label16_MouseUp() {}
void Form1::Label17_MouseDown() {}
void Form1::Label17_MouseUp() {}
void Form1::Label18_MouseDown() {}
void Form1::Label18_MouseUp() {}
void Form1::Label19_MouseDown() {}
void Form1::Label19_MouseUp() {}

// The text search and the date of a movable celebration.

#include "app/form1.h"

void Form1::Command4_Click() {}
void Form1::Command5_Click() {}
void Form1::Command7_Click() {}
void Form1::Command9_Click() {}
void Form1::Label10_Click() {}

#pragma once
// The terminal a program prints to. On Windows a console shows the bytes it is given in its own
// code page (850 or 1252 on Spanish systems), while the programs print UTF-8, and a window
// program is not attached to the console it was started from. Elsewhere the terminal already
// takes UTF-8 and every program has it, and these do nothing.

namespace console {

// While it exists, the console of this program, if it has one, shows UTF-8; the console's own
// code page is given back at its end, since the console outlives the program.
class Utf8Output {
public:
    Utf8Output();
    ~Utf8Output();
    Utf8Output(const Utf8Output&) = delete;
    Utf8Output& operator=(const Utf8Output&) = delete;

private:
    unsigned previous_ = 0; // the code page to give back, or 0
};

// For a window program about to print (its help, its version, a fault in its options): when its
// standard output goes nowhere, it prints to the console of the program that started it.
void attachToParentConsole();

} // namespace console

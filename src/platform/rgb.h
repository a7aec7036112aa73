#pragma once
// A colour as the window shows it: red, green and blue from 0 to 255.

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

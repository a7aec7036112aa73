#pragma once
// The overflow test of the celebrations line `Label14` (4935 twips wide): the overflow mark
// `Flech` and the tooltip both ask whether a measured text is strictly wider than the label.

#include <QString>

#include <functional>

namespace overflow {

constexpr float kLabel14Twips = 4935.0f;

// The width of a text in twips, measured in the font `Label14` is drawn in.
using TextWidth = std::function<double(const QString&)>;

// True when the text is strictly wider than the line (compared in single precision).
bool overflows(double widthTwips);

// The caption of the mark `Label20`: the arrow character 0xAE when the line overflows.
QString markFor(const QString& line, const TextWidth& width);

} // namespace overflow

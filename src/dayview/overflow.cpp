#include "dayview/overflow.h"

namespace overflow {

bool overflows(double widthTwips) {
    return static_cast<float>(widthTwips) > kLabel14Twips;
}

QString markFor(const QString& line, const TextWidth& width) {
    // The arrow stands where the glyph font put its right arrow (character 0xAE).
    return overflows(width(line)) ? QStringLiteral("\u2192") : QString();
}

} // namespace overflow

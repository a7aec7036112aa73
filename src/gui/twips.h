#pragma once
// Lengths in the windows are given in twips, 1/1440 inch: 15 twips to a pixel at the usual
// screen density. Every conversion rounds to the nearest pixel.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace twips {

constexpr int kPerPixel = 15;

constexpr int px(int twips) {
    return twips >= 0 ? (twips + kPerPixel / 2) / kPerPixel
                      : -((-twips + kPerPixel / 2) / kPerPixel);
}

constexpr QSize size(int width, int height) {
    return QSize(px(width), px(height));
}

constexpr QPoint point(QPoint twips) {
    return QPoint(px(twips.x()), px(twips.y()));
}

// A rectangle given by its left, top, width and height in twips.
constexpr QRect rect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace twips

#pragma once

#include <QRect>
#include <QtMath>

// The layout is given in twips; 15 twips make one device-independent pixel. Edges are rounded
// rather than sizes, so controls that meet in twips meet in pixels too.
inline int TwipsToPixels(int twips) {
    return qRound(twips / 15.0);
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    const int x = TwipsToPixels(left);
    const int y = TwipsToPixels(top);
    return {x, y, TwipsToPixels(left + width) - x, TwipsToPixels(top + height) - y};
}

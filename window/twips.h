#pragma once

#include <cmath>

// A rectangle in twips (1/1440 inch), or in pixels, from its container's top-left corner.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int right() const { return x + width; }
    int bottom() const { return y + height; }
};

// The layout is given in twips: at 96 dots per inch 15 make one pixel, times a scale that grows
// the whole layout for a desktop font whose captions it would cut. Edges are rounded rather
// than sizes, so controls that meet in twips meet in pixels too.
class TwipsScale {
public:
    explicit TwipsScale(double scale = 1.0, int dotsPerInch = 96)
        : pixelsPerTwip_(scale * dotsPerInch / 1440.0) {}

    int pixels(int twips) const { return static_cast<int>(std::lround(twips * pixelsPerTwip_)); }

    Rect rect(const Rect &twips) const {
        const int x = pixels(twips.x);
        const int y = pixels(twips.y);
        return {x, y, pixels(twips.right()) - x, pixels(twips.bottom()) - y};
    }

private:
    double pixelsPerTwip_;
};

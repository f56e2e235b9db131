#pragma once

#include <QRect>
#include <QtMath>

// The layout is given in twips: 15 make one device-independent pixel, times a scale that grows
// the whole layout for a desktop font whose captions it would cut. Edges are rounded rather
// than sizes, so controls that meet in twips meet in pixels too.
class TwipsScale {
public:
    explicit TwipsScale(double scale = 1.0) : pixelsPerTwip_(scale / 15.0) {}

    int pixels(int twips) const { return qRound(twips * pixelsPerTwip_); }

    QRect rect(const QRect &twips) const {
        const int x = pixels(twips.x());
        const int y = pixels(twips.y());
        return {x, y, pixels(twips.x() + twips.width()) - x,
                pixels(twips.y() + twips.height()) - y};
    }

private:
    double pixelsPerTwip_;
};

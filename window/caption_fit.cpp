#include "caption_fit.h"

#include "twips.h"

#include <algorithm>

namespace {

bool FitsAt(double scale, const QList<CaptionRoom> &captions) {
    const TwipsScale twips(scale);
    return std::all_of(captions.begin(), captions.end(), [&twips](const CaptionRoom &c) {
        const QSize room = twips.rect(c.room).size();
        return c.caption.width() <= room.width() && c.caption.height() <= room.height();
    });
}

} // namespace

double ScaleToFit(const QList<CaptionRoom> &captions) {
    double scale = 1.0;
    for (const CaptionRoom &c : captions) {
        scale = std::max(scale, c.caption.width() * 15.0 / c.room.width());
        scale = std::max(scale, c.caption.height() * 15.0 / c.room.height());
    }
    // Rounding the edges to pixels can take a pixel from a room; a few small steps give it back.
    while (!FitsAt(scale, captions))
        scale += 1.0 / 256;
    return scale;
}

#include "caption_fit.h"

#include <algorithm>

namespace {

bool FitsAt(double scale, int dotsPerInch, const std::vector<CaptionRoom> &captions) {
    const TwipsScale twips(scale, dotsPerInch);
    return std::all_of(captions.begin(), captions.end(), [&twips](const CaptionRoom &c) {
        const Rect room = twips.rect(c.room);
        return c.width <= room.width && c.height <= room.height;
    });
}

} // namespace

double ScaleToFit(const std::vector<CaptionRoom> &captions, int dotsPerInch) {
    const double twipsPerPixel = 1440.0 / dotsPerInch;
    double scale = 1.0;
    for (const CaptionRoom &c : captions) {
        scale = std::max(scale, c.width * twipsPerPixel / c.room.width);
        scale = std::max(scale, c.height * twipsPerPixel / c.room.height);
    }
    // Rounding the edges to pixels can take a pixel from a room; a few small steps give it back.
    while (!FitsAt(scale, dotsPerInch, captions))
        scale += 1.0 / 256;
    return scale;
}

#include "window/caption_fit.h"

#include <gtest/gtest.h>

namespace {

// Edges round to pixels, so the scale that the sizes call for can leave a room a pixel short.
TEST(ScaleToFit, LeavesEveryCaptionItsWholeRoomAtAnyResolution) {
    const Rect rooms[] = {{1650, 750, 900, 360}, {2722, 750, 645, 360}, {105, 225, 1425, 195}};
    for (const int dpi : {96, 120, 144, 192})
        for (const Rect &room : rooms)
            for (int width = 1; width <= 160; ++width) {
                const double scale = ScaleToFit({{width, 13, room}}, dpi);
                const Rect pixels = TwipsScale(scale, dpi).rect(room);
                ASSERT_GE(pixels.width, width) << dpi << ' ' << room.x << ' ' << width;
                ASSERT_GE(pixels.height, 13);
            }
}

} // namespace

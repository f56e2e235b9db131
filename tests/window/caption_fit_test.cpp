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

// Controls that meet in twips meet in pixels, with neither a gap nor an overlap, at any scale.
TEST(TwipsScale, RoundsEdgesSoThatNeighboursMeet) {
    const Rect stats{120, 585, 1530, 705}, automatic{1650, 750, 900, 360};
    const Rect odd{0, 0, 7, 7}, next{7, 7, 7, 7};
    for (const int dpi : {96, 120, 144, 192})
        for (double scale = 1.0; scale < 3.0; scale += 0.01) {
            const TwipsScale twips(scale, dpi);
            ASSERT_EQ(twips.rect(stats).right(), twips.rect(automatic).x) << dpi << ' ' << scale;
            ASSERT_EQ(twips.rect(odd).right(), twips.rect(next).x) << dpi << ' ' << scale;
            ASSERT_EQ(twips.rect(odd).bottom(), twips.rect(next).y) << dpi << ' ' << scale;
        }
}

} // namespace

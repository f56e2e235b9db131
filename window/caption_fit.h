#pragma once

#include "twips.h"

#include <vector>

// A caption's size in pixels, and the room its control has for it in twips.
struct CaptionRoom {
    int width;
    int height;
    Rect room;
};

// The smallest scale of the twips layout, at least 1, at which every caption fits its room.
double ScaleToFit(const std::vector<CaptionRoom> &captions, int dotsPerInch = 96);

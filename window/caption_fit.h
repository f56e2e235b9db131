#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// A caption's size in pixels, and the room its control has for it in twips.
struct CaptionRoom {
    QSize caption;
    QRect room;
};

// The smallest scale of the twips layout, at least 1, at which every caption fits its room.
double ScaleToFit(const QList<CaptionRoom> &captions);

#include "window/qt/qt_platform.h"

#include <gtest/gtest.h>

namespace {

TEST(PreferredQtPlatform, TakesX11OnAWaylandSessionThatOffersIt) {
    const struct {
        const char *chosen, *wayland, *x11, *expected;
    } rows[] = {
        {nullptr, "wayland-0", ":0", "xcb;wayland"}, {"", "wayland-0", ":0", "xcb;wayland"},
        {"wayland", "wayland-0", ":0", nullptr},  // the user's choice stands
        {nullptr, "wayland-0", nullptr, nullptr}, // no X to run on
        {nullptr, nullptr, ":0", nullptr},        // X11 already
    };
    for (const auto &row : rows) {
        const char *platform = PreferredQtPlatform(row.chosen, row.wayland, row.x11);
        EXPECT_STREQ(platform, row.expected) << (row.chosen ? row.chosen : "unset");
    }
}

TEST(MissingDisplayFor, BlamesTheDisplayOnlyWhenEveryChosenPlatformLacksIt) {
    const struct {
        const char *chosen, *wayland, *x11, *expected;
    } rows[] = {
        {"xcb", nullptr, nullptr, "DISPLAY"},
        {"xcb:nograb", "", nullptr, "DISPLAY"},
        {"wayland-egl", nullptr, ":0", "WAYLAND_DISPLAY"},
        {"xcb;wayland", nullptr, nullptr, "DISPLAY or WAYLAND_DISPLAY"},
        {"xcb", nullptr, ":0", nullptr}, // X is there: something else failed
        {"xcb;wayland", "wayland-0", nullptr, nullptr},
        {"nowhere", nullptr, nullptr, nullptr},   // no such platform
        {"offscreen", nullptr, nullptr, nullptr}, // needs no display
        {nullptr, nullptr, nullptr, nullptr},     // Qt's own choice
    };
    for (const auto &row : rows)
        EXPECT_STREQ(MissingDisplayFor(row.chosen, row.wayland, row.x11), row.expected)
            << (row.chosen ? row.chosen : "unset");
}

} // namespace

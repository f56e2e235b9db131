#include "qt_platform.h"

namespace {

bool IsSet(const char *value) {
    return value != nullptr && *value != '\0';
}

} // namespace

const char *PreferredQtPlatform(const char *chosen, const char *waylandDisplay,
                                const char *x11Display) {
    if (IsSet(chosen) || !IsSet(waylandDisplay) || !IsSet(x11Display))
        return nullptr;
    return "xcb;wayland"; // Wayland still, should X fail to open
}

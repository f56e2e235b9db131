#include "qt_platform.h"

#include <algorithm>
#include <string_view>

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

const char *MissingDisplayFor(const char *chosen, const char *waylandDisplay,
                              const char *x11Display) {
    if (!IsSet(chosen))
        return nullptr;
    bool needsX11 = false;
    bool needsWayland = false;
    std::string_view rest = chosen;
    while (!rest.empty()) {
        const std::string_view entry = rest.substr(0, rest.find(';'));
        rest.remove_prefix(std::min(rest.size(), entry.size() + 1));
        const std::string_view name = entry.substr(0, entry.find(':'));
        if (name == "xcb" && !IsSet(x11Display))
            needsX11 = true;
        else if (name.starts_with("wayland") && !IsSet(waylandDisplay))
            needsWayland = true;
        else
            return nullptr; // a platform that has its display, or needs none
    }
    if (needsX11 && needsWayland)
        return "DISPLAY or WAYLAND_DISPLAY";
    return needsX11 ? "DISPLAY" : "WAYLAND_DISPLAY";
}

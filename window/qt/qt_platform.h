#pragma once

// The Qt platform to ask for, or null to leave the choice to Qt. On a Wayland session that
// also offers X (XWayland), X11: there Qt knows when the window is minimised, which the
// minimised title needs, and the beep sounds. A platform the user has chosen
// (QT_QPA_PLATFORM) always stands. Takes the variables' values, null when unset.
const char *PreferredQtPlatform(const char *chosen, const char *waylandDisplay,
                                const char *x11Display);

// The variables that name a display, when every Qt platform in `chosen` (QT_QPA_PLATFORM's
// value: platforms separated by ';', each perhaps with ':' and its options) needs a display
// and the variable it would find it in is unset: "DISPLAY" for xcb, "WAYLAND_DISPLAY" for
// Wayland's, both for both. Null where another cause must be sought.
const char *MissingDisplayFor(const char *chosen, const char *waylandDisplay,
                              const char *x11Display);

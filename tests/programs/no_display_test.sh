#!/usr/bin/env bash
# Started with no display at all, the program says so and ends with status 1, without a crash;
# started on a Qt platform that cannot start, it says that QT_QPA_PLATFORM chose it, or, where
# that platform's display is missing, that the display is.
#
# no_display_test.sh BUILD-DIRECTORY
set -uo pipefail
errors="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1/bin/vilifex" 2>&1 >/dev/null)"
status=$?
echo "$errors"
[ "$status" -eq 1 ] && grep -q "no display could be opened" <<<"$errors" || exit 1
errors="$(env DISPLAY=:0 QT_QPA_PLATFORM=nowhere "$1/bin/vilifex" 2>&1 >/dev/null)"
status=$?
echo "$errors"
[ "$status" -eq 1 ] && grep -q 'Qt platform "nowhere", which QT_QPA_PLATFORM chooses' <<<"$errors" ||
    exit 1
# A platform chosen whose display is not there: the display is the cause, not the choice.
errors="$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$1/bin/vilifex" 2>&1 >/dev/null)"
status=$?
echo "$errors"
[ "$status" -eq 1 ] && grep -q 'no display could be opened for the Qt platform "xcb".*set DISPLAY' \
    <<<"$errors"

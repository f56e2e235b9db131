#!/usr/bin/env bash
# Started with no display at all, the program says so and ends with status 1, without a crash;
# started on a Qt platform that cannot start, it says that QT_QPA_PLATFORM chose it.
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
[ "$status" -eq 1 ] && grep -q 'Qt platform "nowhere", which QT_QPA_PLATFORM chooses' <<<"$errors"

#!/usr/bin/env bash
# Runs the program on an X server with a session bus of its own and reads its accessible tree
# over AT-SPI (accessibility_tree.py).
#
# accessibility_test.sh BUILD-DIRECTORY
set -euo pipefail
build="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
for tool in Xvfb xdotool dbus-run-session /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "no pyatspi: skipped"; exit 77; }

session() {
    exec {display_pipe}<> <(:)
    Xvfb -displayfd "$display_pipe" -screen 0 800x600x24 >/dev/null 2>&1 &
    local xvfb=$!
    read -r -u "$display_pipe" display
    export DISPLAY=":$display" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    "$1/bin/vilifex" >/dev/null 2>&1 &
    local program=$!
    local status=0
    # A screen reader follows the focus, which only an active window has.
    timeout 30 xdotool search --sync --name 'Zestive Vilifex' windowfocus --sync >/dev/null
    timeout 60 /usr/bin/python3 "$2/accessibility_tree.py" || status=$?
    kill "$program" "$xvfb" 2>/dev/null || true
    return "$status"
}
export -f session
dbus-run-session -- bash -c 'session "$0" "$1"' "$build" "$here" 2> >(grep -v -e 'fd limit' -e 'Activating service' -e 'Successfully activated' -e 'SpiRegistry' >&2)

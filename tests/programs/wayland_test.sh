#!/usr/bin/env bash
# Runs a portable copy of the program in a Weston session with XWayland, nested in Xvfb (Weston's
# headless backend has no seat, so no clipboard). With both displays there and no platform
# chosen, the program must take X11: its window shows on XWayland, Clip reaches wl-paste, and a
# minimised window with Auto on carries the epithets in its title. Then, on Qt's Wayland
# platform alone, Save sounds the desktop's bell through canberra-gtk-play, and the title bar's
# maximise button leaves the program running.
#
# wayland_test.sh BUILD-DIRECTORY
set -euo pipefail
build="$1"
for tool in Xvfb weston Xwayland wl-paste xdotool; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || { echo "no python3-xlib: skipped"; exit 77; }
stage="$(mktemp -d)"
cleanup() {
    kill ${program:-} ${weston:-} ${xvfb:-} 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$stage"
}
trap cleanup EXIT

mkdir -m 700 "$stage/run" "$stage/program" "$stage/bin"
cp "$build/bin/vilifex" "$build/bin/wordlist.txt" "$stage/program/"
export XDG_RUNTIME_DIR="$stage/run"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY DISPLAY

exec {display_pipe}<> <(:)
Xvfb -displayfd "$display_pipe" -ac -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
read -r -u "$display_pipe" outer
DISPLAY=":$outer" weston --backend=x11-backend.so --xwayland --socket=vilifex-test \
    --width=800 --height=600 --log="$stage/weston.log" >/dev/null 2>&1 &
weston=$!
for _ in $(seq 100); do
    xwayland="$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' \
        "$stage/weston.log" 2>/dev/null || true)"
    [ -n "$xwayland" ] && break
    sleep 0.1
done
[ -n "$xwayland" ] || { echo "Weston did not start XWayland"; exit 1; }
export WAYLAND_DISPLAY=vilifex-test

# wait_for DESCRIPTION COMMAND...: retries COMMAND for up to 10 seconds.
wait_for() {
    local what="$1"
    shift
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    echo "never $what"
    return 1
}

# As KWin and Mutter minimise an X window, since Weston's X window manager cannot: WM_STATE
# Iconic with _NET_WM_STATE_HIDDEN, or Normal with neither.
set_window_state() {
    DISPLAY="$xwayland" /usr/bin/python3 - "$1" "$2" <<'EOF'
import sys
from Xlib import Xatom, display
x = display.Display()
window = x.create_resource_object('window', int(sys.argv[1]))
iconic = sys.argv[2] == 'iconic'
hidden = [x.intern_atom('_NET_WM_STATE_HIDDEN')] if iconic else []
window.change_property(x.intern_atom('_NET_WM_STATE'), Xatom.ATOM, 32, hidden)
wm_state = x.intern_atom('WM_STATE')
window.change_property(wm_state, wm_state, 32, [3 if iconic else 1, 0])
x.sync()
EOF
}

title() { DISPLAY="$xwayland" xdotool getwindowname "$window"; }
title_is() { [ "$(title)" = "$1" ]; }
title_is_not() { [ "$(title)" != "$1" ]; }
clipboard_holds() { [ "$(wl-paste --no-newline 2>/dev/null)" = "$1" ]; }

DISPLAY="$xwayland" "$stage/program/vilifex" >/dev/null 2>&1 &
program=$!
window="$(DISPLAY="$xwayland" timeout 10 xdotool search --sync --name 'Zestive Vilifex' |
    head -n 1)" || { echo "no window on XWayland"; exit 1; }
sleep 1 # for Weston to activate the window it has just been shown
# Keys go in as the user's would: to Weston's window, which passes them to the window it has
# activated, the new one. wl-paste takes that focus for itself, so it reads the clipboard last.
press() { DISPLAY=":$outer" xdotool mousemove 700 500 key "$@"; }

# A second is plenty for Auto to begin before the window is minimised.
press alt+a
sleep 1
set_window_state "$window" iconic
wait_for "saw an epithet in the title" title_is_not 'Zestive Vilifex'
first="$(title)"
wait_for "saw the next epithet in the title" title_is_not "$first"
press alt+a
sleep 0.5
last="$(title)"
press alt+c
set_window_state "$window" normal
wait_for "saw the title back" title_is 'Zestive Vilifex'
wait_for "saw the epithet on the Wayland clipboard" clipboard_holds "$last"
kill "$program"
wait "$program" 2>/dev/null || true

# Wayland alone: Make has the focus, two Tabs reach Save.
printf '#!/bin/sh\necho "$@" >"%s"\n' "$stage/bell" >"$stage/bin/canberra-gtk-play"
chmod +x "$stage/bin/canberra-gtk-play"
QT_QPA_PLATFORM=wayland PATH="$stage/bin:$PATH" "$stage/program/vilifex" >/dev/null 2>&1 &
program=$!
sleep 3
press Tab Tab Return
wait_for "heard the bell on Wayland" test -s "$stage/bell"
[ "$(cat "$stage/bell")" = '--id=bell' ] || { echo "the bell was asked for wrongly"; exit 1; }
[ "$(cat "$stage/program/saved.txt")" = $'verbose, splendiferous generator\r' ] ||
    { echo "nothing saved on Wayland"; exit 1; }

# Qt's own title bar offers maximise even to a fixed window; the compositor then asks for a
# maximised size that the window must take. Its maximise button lies at a fixed offset from
# the icon, the only bright red on the screen.
icon="$(DISPLAY=":$outer" /usr/bin/python3 - <<'EOF'
from Xlib import X, display
root = display.Display().screen().root
size = root.get_geometry()
data = root.get_image(0, 0, size.width, size.height, X.ZPixmap, 0xFFFFFFFF).data
for at in range(0, len(data), 4):
    if data[at + 2] > 200 and data[at + 1] < 60 and data[at] < 60:
        print(at // 4 % size.width, at // 4 // size.width)
        break
EOF
)"
[ -n "$icon" ] || { echo "no window icon on the screen"; exit 1; }
read -r x y <<<"$icon"
# Weston's X11 window learns where the pointer is as it enters, so it enters from outside.
DISPLAY=":$outer" xdotool mousemove 900 700 sleep 0.3 mousemove $((x + 345)) $((y + 7)) \
    sleep 0.3 click 1
sleep 2
case "$(ps -o stat= -p "$program")" in
"" | Z*) echo "maximising ended the program on Wayland"; exit 1 ;;
esac
echo "X11 through XWayland: clipboard and minimised title work; Wayland alone: the bell sounds"
echo "and maximising leaves the program running"

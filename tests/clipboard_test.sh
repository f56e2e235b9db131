#!/usr/bin/env bash
# On an X server with no clipboard manager: the clip outlives the program, which still ends at
# once, and its keeper ends once something else is copied.
#
# clipboard_test.sh BUILD-DIRECTORY
set -euo pipefail
build="$(cd "$1" && pwd)"
for tool in Xvfb xdotool xclip; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
exec {display_pipe}<> <(:)
Xvfb -displayfd "$display_pipe" -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
read -r -u "$display_pipe" display
export DISPLAY=":$display"

failed=0
check() { # check DESCRIPTION COMMAND...
    if "${@:2}"; then echo "ok - $1"; else echo "not ok - $1"; failed=1; fi
}
# The keepers on this display alone.
keepers() {
    local pid
    for pid in $(pgrep -f -x "$build/bin/vilifex --keep-clipboard"); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" && echo "$pid"
    done
    return 0
}
ended_within() { # ended_within SECONDS PID
    for _ in $(seq $(($1 * 10))); do
        kill -0 "$2" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

"$build/bin/vilifex" >/dev/null 2>&1 &
program=$!
timeout 10 xdotool search --sync --name 'Zestive Vilifex' windowfocus --sync >/dev/null
clip=""
for _ in $(seq 10); do
    xdotool key alt+m alt+c
    sleep 0.3
    clip="$(xclip -o -selection clipboard 2>/dev/null || true)"
    [ -z "$clip" ] || break
done
xdotool key Escape
check "the program ends at once" ended_within 1 "$program"
sleep 0.5
check "and what it put on the clipboard stays there ($clip)" \
    [ "$(timeout 5 xclip -o -selection clipboard)" = "$clip" -a "$clip" != "" ]
check "kept by one copy of the program" [ "$(keepers | wc -l)" = 1 ]
keeper="$(keepers)"
echo other | xclip -selection clipboard 2>/dev/null
check "which ends once something else is copied" ended_within 5 "${keeper:-0}"
exit "$failed"

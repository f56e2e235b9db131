#!/usr/bin/env bash
# On an X server with no clipboard manager: the clip outlives the program, however it ends
# (Exit, SIGTERM, its file replaced while it ran), which still ends at once; its keeper keeps
# no folder busy and no descriptor it was not meant to have, ends once something else is
# copied, and never takes the clipboard back from a newer owner.
#
# clipboard_test.sh BUILD-DIRECTORY
set -euo pipefail
build="$(cd "$1" && pwd)"
for tool in Xvfb xdotool xclip; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
scratch="$(mktemp -d)"
exec {display_pipe}<> <(:)
Xvfb -displayfd "$display_pipe" -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    for pid in $(keepers) ${program:-}; do kill "$pid" 2>/dev/null || true; done
    kill $xvfb 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
read -r -u "$display_pipe" display
export DISPLAY=":$display"

failed=0
check() { # check DESCRIPTION COMMAND...
    if "${@:2}"; then echo "ok - $1"; else echo "not ok - $1"; failed=1; fi
}
# The keepers on this display alone.
keepers() {
    local pid
    for pid in $(pgrep -f -- "--keep-clipboard$"); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" && echo "$pid"
    done
    return 0
}
# Waits up to SECONDS, a busy machine's allowance, for COMMAND to succeed.
within() { # within SECONDS COMMAND...
    for _ in $(seq $(($1 * 10))); do
        "${@:2}" && return 0
        sleep 0.1
    done
    return 1
}
ended() { ! kill -0 "$1" 2>/dev/null; }
clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }
one_keeper() { [ "$(keepers | wc -l)" = 1 ]; }
no_keeper() { [ -z "$(keepers)" ]; }

# Starts PROGRAM and clips the epithet it starts with; sets `program` and `clip`. Clip is
# pressed again only when a window too new to take keys let it pass, lest a late one come
# after what the test copies next.
start_and_clip() {
    "$1" >/dev/null 2>&1 &
    program=$!
    timeout 30 xdotool search --sync --name 'Zestive Vilifex' windowfocus --sync >/dev/null
    clip="verbose, splendiferous generator"
    for _ in $(seq 10); do
        xdotool key alt+c
        within 3 clipboard_is "$clip" && return 0
    done
    return 1
}
# Esc, again until the program ends: Qt takes an Esc that comes while a button clicked by its
# access key still shows pressed, a tenth of a second, as cancelling that press.
exited() {
    xdotool key Escape
    sleep 0.1
    ended "$program"
}
# Copies something else, then checks that the keeper goes and leaves that on the clipboard.
check_keeper_yields() { # check_keeper_yields WHEN
    local keeper
    keeper="$(keepers)"
    echo other | xclip -selection clipboard 2>/dev/null
    check "$1: the keeper ends once something else is copied" within 10 ended "${keeper:-0}"
    check "$1: and leaves that on the clipboard" clipboard_is other
}

# A descriptor the program is given, which its keeper must not inherit.
exec {inherited}>"$scratch/inherited"
check "Exit: the program clips its epithet" start_and_clip "$build/bin/vilifex"
exec {inherited}>&-
check "Exit: the program ends at once" within 5 exited
check "Exit: one copy of the program keeps the clip" within 20 one_keeper
check "Exit: what it put on the clipboard stays there" within 20 clipboard_is "$clip"
keeper="$(keepers)"
check "the keeper works in / and holds no descriptor it was not meant to" \
    [ "$(readlink "/proc/$keeper/cwd")" = / -a \
      -z "$(find "/proc/$keeper/fd" -lname "$scratch/inherited" 2>/dev/null)" ]
check_keeper_yields Exit

check "SIGTERM: the program clips its epithet" start_and_clip "$build/bin/vilifex"
kill -TERM "$program"
check "SIGTERM: the program ends at once" within 5 ended "$program"
check "SIGTERM: the clip stays" within 20 clipboard_is "$clip"
check_keeper_yields SIGTERM

# Replaced while it ran, as a package upgrade replaces it: the keeper still starts.
mkdir "$scratch/copy"
cp "$build/bin/vilifex" "$build/bin/wordlist.txt" "$scratch/copy/"
check "replaced: the program clips its epithet" start_and_clip "$scratch/copy/vilifex"
cp "$build/bin/vilifex" "$scratch/copy/vilifex.new"
mv "$scratch/copy/vilifex.new" "$scratch/copy/vilifex"
check "replaced: the program ends at once" within 5 exited
check "replaced: the clip stays" within 20 clipboard_is "$clip"
check_keeper_yields replaced

check "copied over: the program clips its epithet" start_and_clip "$build/bin/vilifex"
echo other | xclip -selection clipboard 2>/dev/null
check "copied over: the program ends at once" within 5 exited
check "copied over before Exit: no keeper, and the other clip stays" \
    [ -z "$(keepers)" -a "$(clipboard)" = other ]

# A keeper that finds a newer owner than the program it came from leaves the clipboard alone.
echo newer | xclip -selection clipboard 2>/dev/null
status=0
printf '1\nolder' | timeout 10 "$build/bin/vilifex" --keep-clipboard || status=$?
check "a keeper started after something newer was copied ends, and takes nothing" \
    [ "$status" -eq 0 -a "$(clipboard)" = newer ]
exit "$failed"

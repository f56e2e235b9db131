#!/usr/bin/env bash
# On an X server with no window manager: SIGTERM and SIGHUP end the program at any moment, as
# its window first shows (before its event loop runs, as often as not) and while the message
# about a missing word list is open.
#
# signals_test.sh BUILD-DIRECTORY
set -euo pipefail
build="$(cd "$1" && pwd)"
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
scratch="$(mktemp -d)"
exec {display_pipe}<> <(:)
Xvfb -displayfd "$display_pipe" -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    kill -KILL "${started[@]}" 2>/dev/null || true
    kill $xvfb 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
read -r -u "$display_pipe" display
export DISPLAY=":$display" HOME="$scratch" XDG_DATA_HOME="$scratch/data"
started=() # every program this test started, none left running

failed=0
check() { # check DESCRIPTION COMMAND...
    if "${@:2}"; then echo "ok - $1"; else echo "not ok - $1"; failed=1; fi
}
# Waits up to SECONDS, a busy machine's allowance, for COMMAND to succeed.
within() { # within SECONDS COMMAND...
    for _ in $(seq $(($1 * 10))); do
        "${@:2}" && return 0
        sleep 0.1
    done
    return 1
}
ended() { ! kill -0 "$program" 2>/dev/null; }
windows_shown() { # windows_shown COUNT: the program shows that many windows or more
    [ "$(xdotool search --onlyvisible --pid "$program" 2>/dev/null | wc -l)" -ge "$1" ]
}

# Signals the program the moment the X server maps its window, which it learns from the
# server's own events: before its event loop starts, as often as not.
signalled_at_map() { # signalled_at_map SIGNAL
    coproc watch { exec stdbuf -oL xev -root -event substructure; }
    "$build/bin/vilifex" >/dev/null 2>&1 &
    program=$!
    started+=("$program")
    local line
    while read -r -t 30 line <&"${watch[0]}" && [[ $line != MapNotify* ]]; do :; done
    kill "-$1" "$program"
    kill "$watch_PID"
    wait "$watch_PID" 2>/dev/null || true
    within 10 ended
}
for signal in TERM HUP; do
    for run in 1 2 3 4 5; do
        check "SIG$signal as the window first shows ends the program ($run)" \
            signalled_at_map "$signal"
    done
done

# Signalled as it first reaches the X server, before Qt has started, the program ends as Exit
# does, with status 0, without going on to show a window or read its word list.
signalled_as_it_starts() { # signalled_as_it_starts SIGNAL
    # (A sanitized build's leak check cannot run under strace, and would fail the exit.)
    ASAN_OPTIONS=detect_leaks=0 strace -f -qq -o "$scratch/trace" -e trace=connect,openat \
        -e "inject=connect:signal=SIG$1:when=1" "$build/bin/vilifex" >/dev/null 2>&1 &&
        grep -q -- "--- SIG$1" "$scratch/trace" && ! grep -q wordlist "$scratch/trace"
}
if command -v strace >/dev/null; then
    for signal in TERM HUP; do
        check "SIG$signal as the program starts ends it as Exit does" \
            signalled_as_it_starts "$signal"
    done
fi

# Signalled while it reads a long word list, the program reads no more of it and ends as Exit
# does, with status 0: strace sends the signal as a read returns data.
mkdir "$scratch/long"
cp "$build/bin/vilifex" "$scratch/long/"
head -c 40000000 <(yes $'J vile\nN toad') >"$scratch/long/wordlist.txt"
signalled_while_reading() { # signalled_while_reading SIGNAL
    ASAN_OPTIONS=detect_leaks=0 strace -f -qq -o "$scratch/reads" -e trace=pread64 \
        -e "inject=pread64:signal=SIG$1:when=30" "$scratch/long/vilifex" >/dev/null 2>&1 &&
        grep -q -- "--- SIG$1" "$scratch/reads" &&
        ! sed -n "/--- SIG$1/,\$p" "$scratch/reads" | grep -q pread64
}
if command -v strace >/dev/null; then
    for signal in TERM HUP; do
        check "SIG$signal while the word list is read ends the program as Exit does" \
            signalled_while_reading "$signal"
    done
fi

# Alone in a folder, the program has no word list and says so in a message.
mkdir "$scratch/alone"
cp "$build/bin/vilifex" "$scratch/alone/"
signalled_at_message() { # signalled_at_message SIGNAL
    "$scratch/alone/vilifex" >/dev/null 2>&1 &
    program=$!
    started+=("$program")
    within 30 windows_shown 2 # the window and the message over it
    kill "-$1" "$program"
    within 10 ended
}
for signal in TERM HUP; do
    check "SIG$signal while the message shows ends the program" signalled_at_message "$signal"
done
exit $failed

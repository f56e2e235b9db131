#!/usr/bin/env bash
# What a real screen reader says: Orca with speech-dispatcher, whose only voice writes each
# text it is given to a log, reads the program under Xvfb and openbox. Each epithet made with
# Enter on Make, the name Auto takes, and each epithet its timer makes must be heard, once,
# within about two seconds.
#
# screen_reader_test.sh BUILD-DIRECTORY
set -euo pipefail
build="$1"
for tool in Xvfb openbox xdotool dbus-run-session orca speech-dispatcher; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
[ -x /usr/lib/speech-dispatcher-modules/sd_generic ] || { echo "no sd_generic: skipped"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "no pyatspi: skipped"; exit 77; }
stage="$(mktemp -d)"
trap 'kill ${decoy:-} 2>/dev/null || true; rm -rf "$stage"' EXIT

# The user's own screen reader is left alone: Orca will not start beside another of the same
# user, and replacing it would end the user's, so this Orca runs in a process namespace of its
# own, where no other can be seen. A stand-in named orca, outside, must outlive the test.
mkdir "$stage/decoy"
cp "$(command -v sleep)" "$stage/decoy/orca"
"$stage/decoy/orca" 600 &
decoy=$!
private=()
for candidate in "unshare --pid --fork --mount-proc" \
    "unshare --user --map-root-user --pid --fork --mount-proc"; do
    read -r -a private <<<"$candidate"
    "${private[@]}" true 2>/dev/null && break
    private=()
done
((${#private[@]})) || { echo "no process namespace of the test's own: skipped"; exit 77; }

# speech-dispatcher with one generic voice that logs, and libao's null driver for its audio.
mkdir -p "$stage/speechd/modules" "$stage/home" "$stage/run" "$stage/orca"
chmod 700 "$stage/run"
echo "default_driver=null" >"$stage/home/.libao"
cat >"$stage/speechd/speechd.conf" <<CONF
AudioOutputMethod "libao"
AddModule "logger" "sd_generic" "logger.conf"
DefaultModule logger
DefaultLanguage "en"
CONF
cat >"$stage/speechd/modules/logger.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >>$stage/spoken.log"
AddVoice "en" "MALE1" "en"
GenericLanguage "en" "en"
CONF
: >"$stage/spoken.log"

session() {
    set -euo pipefail
    stage="$1" build="$2" here="$3"
    export HOME="$stage/home" XDG_RUNTIME_DIR="$stage/run" XDG_CONFIG_HOME="$stage/home/.config"
    exec {display_pipe}<> <(:)
    Xvfb -displayfd "$display_pipe" -screen 0 1024x768x24 >/dev/null 2>&1 &
    local xvfb=$!
    read -r -u "$display_pipe" display
    export DISPLAY=":$display"
    openbox >/dev/null 2>&1 &
    local openbox=$!
    speech-dispatcher -s -t 0 -C "$stage/speechd" -S "$stage/run/speechd.sock" \
        -P "$stage/run/speechd.pid" >/dev/null 2>&1 &
    local speechd=$!
    export SPEECHD_ADDRESS="unix_socket:$stage/run/speechd.sock"
    for _ in $(seq 50); do [ -S "$stage/run/speechd.sock" ] && break; sleep 0.1; done
    orca --user-prefs="$stage/orca" --debug-file="$stage/orca.debug" >/dev/null 2>&1 &
    local orca=$!
    sleep 3 # Orca joins the accessibility bus and greets
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$build/bin/vilifex" >/dev/null 2>&1 &
    local program=$!
    local window
    window="$(timeout 10 xdotool search --sync --name '^Zestive Vilifex$' | head -n 1)"
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    sleep 3 # Orca reads the window and the focused button
    local status=0
    /usr/bin/python3 "$here/screen_reader_test.py" "$stage/spoken.log" || status=$?
    [ "$status" -eq 0 ] || tail -n 40 "$stage/orca.debug"
    kill "$program" "$orca" "$speechd" "$openbox" "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    return "$status"
}
export -f session
status=0
"${private[@]}" dbus-run-session -- bash -c 'session "$0" "$1" "$2"' "$stage" "$build" \
    "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)" 2>/dev/null || status=$?
case "$(ps -o stat= -p "$decoy")" in
"" | Z*) echo "the test ended another Orca of the user's"; exit 1 ;;
esac
exit "$status"

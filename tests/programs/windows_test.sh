#!/usr/bin/env bash
# Runs the packaged Windows program black-box under Wine inside Xvfb, as a person would, with
# xdotool for keys, xclip for the clipboard and xwininfo for the window: the portable program
# from the zip, then the installer, silently, and its uninstaller.
#
# windows_test.sh BUILD-WINDOWS-DIRECTORY
set -euo pipefail
out="$1"
zip="$(ls "$out"/vilifex-*-windows-x64.zip)"
setup="$(ls "$out"/vilifex-*-setup.exe)"
stage="$(mktemp -d)"
cleanup() {
    WINEPREFIX="$stage/prefix" wineserver -k 2>/dev/null || true
    kill ${openbox:-} ${xvfb:-} 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$stage"
}
trap cleanup EXIT

exec {display_pipe}<> <(:)
Xvfb -displayfd "$display_pipe" -ac -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
read -r -u "$display_pipe" number
export DISPLAY=":$number" WINEPREFIX="$stage/prefix" WINEDEBUG=-all
openbox >/dev/null 2>&1 &
openbox=$!

# A prefix of this run's own, with Wine's own fonts, and no crash dialog to hang on. Its server
# is kept running: each program then starts in a fraction of a second.
mkdir -p "$WINEPREFIX"
wineserver -p
wineboot -i >/dev/null 2>&1
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
appdata="$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')" 2>/dev/null)"

passed=0 failed=0
check() { # check DESCRIPTION COMMAND...
    local what="$1"
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "ok - $what"
    else
        failed=$((failed + 1))
        echo "not ok - $what"
    fi
}
wait_for() { # wait_for SECONDS COMMAND...: retries COMMAND every tenth of a second
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
window_named() { xdotool search --onlyvisible --name "^$1\$" | head -n 1 | grep .; }
title() { xdotool getwindowname "$window"; }
title_is_not() { [ "$(title)" != "$1" ]; }
title_is() { [ "$(title)" = "$1" ]; }
clipboard() { xclip -o -selection clipboard 2>/dev/null; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }
keys() { # keys KEY...: each key to the focused window, a moment apart
    local key
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.3
    done
}
launch() { # launch FOLDER: starts the program there and waits for its window
    (cd "$1" && exec wine vilifex.exe >/dev/null 2>&1) &
    program=$!
    window=""
    window="$(wait_for 40 window_named 'Zestive Vilifex' && window_named 'Zestive Vilifex')" || true
    [ -n "$window" ] && xdotool windowactivate --sync "$window" >/dev/null 2>&1
    [ -n "$window" ]
}
ended_with() { # ended_with CODE: the program ends with that exit code within 10 seconds
    local code=0
    wait_for 10 bash -c "! kill -0 $program" || return 1
    wait "$program" || code=$?
    [ "$code" -eq "$1" ]
}
# Runs a line as cmd runs a batch file's, so that it reaches the program as typed (NSIS takes
# /D= unquoted, to the end of the line); returns its exit code.
windows_command() { # windows_command LINE
    printf '@%s\r\n@exit /b %%errorlevel%%\r\n' "$1" >"$WINEPREFIX/drive_c/command.bat"
    wine cmd /c 'C:\command.bat' >/dev/null 2>&1
}
# A value of the entry in Add/Remove Programs under KEY. Wine fails to start reg now and then
# just after an installer has run, so it is asked again.
entry_value() { # entry_value KEY NAME
    local value=""
    for _ in $(seq 10); do
        value="$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p')"
        [ -z "$value" ] || break
        sleep 0.2
    done
    echo "$value"
}
# The silent uninstall that Add/Remove Programs has under KEY, run as a deployment script would.
quiet_uninstall() { # quiet_uninstall KEY
    local command
    command="$(entry_value "$1" QuietUninstallString)"
    [ -n "$command" ] || return 99
    windows_command "$command"
}
located() { [ "$(entry_value "$1" InstallLocation)" = "$2" ]; } # located KEY FOLDER
# Starts tests/window/win32/hold.exe holding WHAT (clipboard, or file PATH) and waits until it does;
# `release` lets go.
hold() {
    coproc holder { wine "$out/bin/hold.exe" "$@" 2>/dev/null; }
    local said=""
    read -r -t 20 said <&"${holder[0]}" || true
    [ "${said%$'\r'}" = holding ]
}
release() {
    echo >&"${holder[1]}"
    wait "$holder_PID" 2>/dev/null || true
}
# The epithet is made of the list's words: it ends with one of its nouns.
of_the_list() {
    local epithet="$1" noun
    [ "$epithet" != "verbose, splendiferous generator" ] || return 1
    while IFS= read -r noun; do
        [[ "$epithet" == *" $noun" ]] && return 0
    done < <(sed -n 's/^[Nn] \(.*[^ \r]\) *\r\?$/\1/p' "$portable/wordlist.txt")
    return 1
}
# The times in milliseconds between the next COUNT changes of the title, after the first; gives
# up after six seconds without one.
tick_gaps() {
    local count="$1" last now previous="" since changed=0
    last="$(title)"
    since="$(date +%s%3N)"
    while [ "$changed" -le "$count" ]; do
        now="$(date +%s%3N)"
        [ $((now - since)) -lt 6000 ] || return 0
        if [ "$(title)" != "$last" ]; then
            [ -n "$previous" ] && echo $((now - previous))
            previous="$now" last="$(title)" since="$now" changed=$((changed + 1))
        fi
        sleep 0.02
    done
}
# Whether the gaps are four seconds on average, give or take 200 milliseconds, each within a
# second of it: a busy machine may show a tick late, and the next then comes early, as the
# timer keeps its own time.
four_seconds_apart() {
    [ "$#" -ge 3 ] || return 1
    local gap total=0
    for gap in "$@"; do
        [ "$gap" -ge 3000 ] && [ "$gap" -le 5000 ] || return 1
        total=$((total + gap))
    done
    [ $((total / $#)) -ge 3800 ] && [ $((total / $#)) -le 4200 ]
}
# Opens the Settings menu and saves its picture as menu.png; prints its width and height.
settings_menu_shot() {
    keys F10 Right Down
    local popup w h x y
    popup="$(xwininfo -root -children | grep '(has no name): ("vilifex.exe"' |
        grep -o '[0-9]*x[0-9]*+[0-9]*+[0-9]*' | awk -Fx '$2+0 > 40' | head -n 1)"
    IFS='x+' read -r w h x y <<<"$popup"
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$stage/menu.png"
    echo "$w $h"
}
# The Settings menu's check marks, top to bottom, as 1 (checked) and 0, read from its pixels: a
# row's check column shows one colour where it has no mark. Esc closes the menu, F10 leaves the
# menu bar (a second Esc would reach the window and click Exit).
settings_marks() {
    local w h row
    read -r w h < <(settings_menu_shot)
    for row in 0 1 2 3; do
        [ "$(convert "$stage/menu.png" -crop "14x10+4+$((2 + row * (h - 2) / 4 + 4))" +repage \
            -format %k info:)" -gt 1 ] && printf 1 || printf 0
    done
    keys Escape F10
}
# Whether Use Commas and Length Order are enabled, as 1 and 0, read from the pixels of their
# captions: a greyed one has no black. (Show Stats, the first, shows highlighted.)
settings_enabled() {
    local w h row
    read -r w h < <(settings_menu_shot)
    for row in 1 2; do
        [ "$(convert "$stage/menu.png" -crop "$((w - 40))x$(((h - 2) / 4 - 4))+24+$((4 + row * \
            (h - 2) / 4))" +repage -colorspace gray -format '%[fx:minima<0.25]' info:)" = 1 ] &&
            printf 1 || printf 0
    done
    keys Escape F10
}
click_setting() { # click_setting ROW: the Settings item in that row, from 0
    keys F10 Right Down
    for _ in $(seq "$1"); do keys Down; done
    keys Return
}
# The caption of the button the window draws as its default, as tests/window/win32/default_button.exe
# reads it from the buttons' styles: Wine's theme draws the focused button alike.
default_button() { wine "$out/bin/default_button.exe" 2>/dev/null | tr -d '\r'; }
default_is() { [ "$(default_button)" = "$1" ]; }
# How many colours the statistics frame's place shows: one while it is hidden.
frame_colours() {
    local x y
    eval "$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *\([0-9]*\)/x=\1/p;
        s/.*Absolute upper-left Y: *\([0-9]*\)/y=\1/p')"
    local height menu
    height="$(xwininfo -id "$window" | sed -n 's/.*Height: *\([0-9]*\)/\1/p')"
    menu=$((height - 85))
    import -window root -crop "100x45+$((x + 9))+$((y + menu + 40))" "$stage/frame.png"
    convert "$stage/frame.png" -format %k info:
}

mkdir -p "$WINEPREFIX/drive_c/Vilifex"
unzip -q "$zip" -d "$WINEPREFIX/drive_c/Vilifex"
portable="$(ls -d "$WINEPREFIX"/drive_c/Vilifex/vilifex-*)"
check "the zip holds the program and the vilify command" \
    test -f "$portable/vilifex.exe" -a -f "$portable/vilify.exe"
lists=("$(dirname "$0")"/../../data/wordlist*.txt "$(dirname "$0")"/../../data/mild*.txt)
lists=("${lists[@]##*/}")
has_lists() { (cd "$1" && ls "${lists[@]}" >/dev/null 2>&1); } # has_lists FOLDER
check "and every word list with its mild words (${lists[*]})" has_lists "$portable"

echo "# the portable program, from the zip"
check "the window appears, titled Zestive Vilifex" launch "$portable"
geometry="$(xwininfo -id "$window")"
width="$(sed -n 's/.*Width: *\([0-9]*\)/\1/p' <<<"$geometry")"
height="$(sed -n 's/.*Height: *\([0-9]*\)/\1/p' <<<"$geometry")"
check "its client area is 5955 twips wide at 96 dpi (397 pixels; found $width)" [ "$width" = 397 ]
check "and 1275 twips high below the menu bar (85 pixels; found $height with the menu)" \
    test "$height" -gt 85 -a "$height" -le 115
# As a screen reader listens: one announcement for a new epithet, with the epithet as its text.
wine "$out/bin/event_watch.exe" 6 >"$stage/heard.txt" 2>/dev/null &
watcher=$!
wait_for 10 grep -q listening "$stage/heard.txt"
keys Return alt+c
epithet="$(clipboard)"
check "Enter makes an epithet of the list's words, and Clip copies it ($epithet)" \
    of_the_list "$epithet"
wait "$watcher" || true
heard="$(tr -d '\r' <"$stage/heard.txt")"
check "a screen reader hears it once, from the text box as a live region" \
    [ "$(grep -c '^live region' <<<"$heard")" = 1 -a \
    "$(sed -n 's/^live region "[^"]*": //p' <<<"$heard")" = "$epithet" ]
keys alt+s
check "Save appends it as one UTF-8 line ended by CR LF" \
    cmp -s <(printf '%s\r\n' "$epithet") "$portable/saved.txt"
keys alt+s
check "a second Save appends a second equal line" \
    cmp -s <(printf '%s\r\n%s\r\n' "$epithet" "$epithet") "$portable/saved.txt"

keys alt+a
xdotool windowminimize "$window"
check "Auto with the window minimised puts the epithet into the title" \
    wait_for 3 title_is_not "Zestive Vilifex"
first="$(title)"
gaps="$(tick_gaps 3 | xargs)"
check "and a new one every four seconds (found $gaps ms apart)" four_seconds_apart $gaps
xdotool windowactivate --sync "$window" >/dev/null 2>&1
check "restoring the window gives the title Zestive Vilifex back" \
    wait_for 3 title_is "Zestive Vilifex"
keys alt+a

before="$(frame_colours)"
keys F10 Right Down Return
after="$(frame_colours)"
check "Show Stats shows the counts ($before colour before, $after after)" \
    test "$before" -eq 1 -a "$after" -gt 1
keys Escape
check "Esc ends the program, with exit code 0" ended_with 0

launch "$portable"
echo nothing | xclip -selection clipboard
check "Make is drawn as the default button" default_is "&Make"
keys Tab
check "and Clip, once Tab reaches it, in its place" default_is "&Clip"
keys Return
check "Enter on Clip, reached by Tab, clicks Clip rather than Make" \
    wait_for 5 clipboard_is "verbose, splendiferous generator"
keys Tab Tab Return alt+c
epithet="$(clipboard)"
check "Enter in the text box makes an epithet" of_the_list "$epithet"
echo nothing | xclip -selection clipboard
hold clipboard
xdotool key alt+c
sleep 0.1
release
check "Clip waits for another program that holds the clipboard for a moment" \
    wait_for 5 clipboard_is "$epithet"
keys alt+a alt+a alt+c
epithet="$(clipboard)"
sleep 4.5
keys alt+c
check "a second Auto stops the new epithets" [ "$(clipboard)" = "$epithet" ]
check "the Settings items start as Use Commas and Length Order checked" \
    [ "$(settings_marks)" = 0110 ]
switched=(1110 0010 0100 0111) # each item's row with its mark inverted
for row in 0 1 2 3; do
    click_setting "$row"
    once="$(settings_marks)"
    click_setting "$row"
    twice="$(settings_marks)"
    check "Settings item $((row + 1)) inverts its mark and back ($once, then $twice)" \
        [ "$once" = "${switched[row]}" -a "$twice" = 0110 ]
done
click_setting 3
single="$(settings_enabled)"
click_setting 3
check "Single Modifier greys Use Commas and Length Order, and back ($single, then $(settings_enabled))" \
    [ "$single" = 00 -a "$(settings_enabled)" = 11 ]
keys Escape
ended_with 0 || true

# A file-size limit lets a Save write part of its line: the file is cut back to what it was.
head -c 1000 "$portable/wordlist.txt" >"$portable/saved.txt"
cp "$portable/saved.txt" "$stage/saved-before.txt"
(cd "$portable" && ulimit -f 1 && trap '' XFSZ && exec wine vilifex.exe >/dev/null 2>&1) &
program=$!
window="$(wait_for 40 window_named 'Zestive Vilifex' && window_named 'Zestive Vilifex')" || true
[ -n "$window" ] && xdotool windowactivate --sync "$window" >/dev/null 2>&1
keys alt+s
check "a Save that the disk cuts short says so" wait_for 10 window_named Vilifex
check "and leaves the file as it was" cmp -s "$stage/saved-before.txt" "$portable/saved.txt"
xdotool windowactivate --sync "$(window_named Vilifex)" >/dev/null 2>&1 && keys Return
xdotool windowactivate --sync "$window" >/dev/null 2>&1 && keys Escape
ended_with 0 || true

mkdir -p "$WINEPREFIX/drive_c/NoList"
cp "$portable/vilifex.exe" "$WINEPREFIX/drive_c/NoList/"
(cd "$WINEPREFIX/drive_c/NoList" && exec wine vilifex.exe >/dev/null 2>&1) &
program=$!
check "without a word list, the start-up message box opens" wait_for 40 window_named Vilifex
window="$(window_named Vilifex || true)"
[ -n "$window" ] && xdotool windowactivate --sync "$window" >/dev/null 2>&1 && keys Return
check "and the program ends once it is dismissed" ended_with 1

# A German user, as Wine makes one of LC_ALL (of LANG only where the system has the locale): the
# program and the command read the German list beside them.
german="$WINEPREFIX/drive_c/German"
mkdir -p "$german"
cp "$portable/vilifex.exe" "$portable/vilify.exe" "$german/"
printf 'J english\r\nN toad\r\n' >"$german/wordlist.txt"
printf 'J german\r\nN toad\r\n' >"$german/wordlist.de.txt"
check "a German user's vilify reads wordlist.de.txt" \
    bash -c "[ \"\$(cd '$german' && LC_ALL=de_DE.UTF-8 wine vilify.exe | tr -d '\r')\" = 'german toad' ]"
LC_ALL=de_DE.UTF-8 launch "$german"
keys Return alt+c
epithet="$(clipboard)"
keys Escape
ended_with 0 || true
check "and so does the window ($epithet)" [ "$epithet" = "german toad" ]

echo "# the installer, silently"
installed="$WINEPREFIX/drive_c/Program Files/Zestive Vilifex"
check "setup.exe /S installs into Program Files" \
    bash -c "wine '$setup' /S >/dev/null 2>&1 && [ -f '$installed/vilifex.exe' ]"
check "with an entry in Add/Remove Programs" bash -c "wine reg query \
    'HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZestiveVilifex' \
    /v DisplayName 2>/dev/null | grep -q 'Zestive Vilifex'"
listing="$(ls "$installed")"
check "with every word list and its mild words" has_lists "$installed"
check "where a German user's vilify finds wordlist.de.txt" bash -c "LC_ALL=de_DE.UTF-8 \
    wine '$installed/vilify.exe' --check 2>/dev/null | tr -d '\r' | grep -q '^list: .*wordlist.de.txt'"
check "the installed vilify prints an epithet of the installed list" \
    bash -c "wine '$installed/vilify.exe' | tr -d '\r' | grep -qx '[^ ].* [^ ].*'"
launch "$installed"
keys Return alt+c
epithet="$(clipboard)"
keys alt+s Escape
ended_with 0 || true
check "a Save of the installed program lands in %APPDATA%\\vilifex\\saved.txt" \
    cmp -s <(printf '%s\r\n' "$epithet") "$appdata/vilifex/saved.txt"
check "and nothing is written under Program Files" [ "$(ls "$installed")" = "$listing" ]
launch "$installed"
key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZestiveVilifex"
userkey="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZestiveVilifex"
check "setup.exe /S over the running program fails, changing nothing" bash -c "
    ! wine '$setup' /S >/dev/null 2>&1 && [ \"\$(ls '$installed')\" = '$listing' ]"
refused() { # refused KEY: the registered silent uninstall ends with 2 and changes nothing
    local code=0
    quiet_uninstall "$1" || code=$?
    [ "$code" = 2 ] && [ "$(ls "$installed")" = "$listing" ] && wine reg query "$1" >/dev/null 2>&1
}
check "so does the registered silent uninstall, with exit code 2, keeping its entry" refused "$key"
keys Escape
ended_with 0 || true
# A program file that another program holds open cannot be deleted: the entry must stay.
hold file 'C:\Program Files\Zestive Vilifex\vilifex.exe'
code=0
quiet_uninstall "$key" || code=$?
release
kept_entry() {
    [ "$code" = 2 ] && [ -f "$installed/vilifex.exe" ] &&
        located "$key" 'C:\Program Files\Zestive Vilifex'
}
check "a program file held open fails the uninstall with 2, keeping its entry" kept_entry
uninstalled() { # uninstalled KEY FOLDER: the registered silent uninstall removes it all
    quiet_uninstall "$1" && wait_for 20 bash -c "[ ! -e '$2' ]" &&
        ! wine reg query "$1" >/dev/null 2>&1
}
check "once it is closed, the registered silent uninstall removes every program file" \
    uninstalled "$key" "$installed"
check "and keeps the user's saved epithets" [ -f "$appdata/vilifex/saved.txt" ]

echo "# the installer, silently, into a folder given with /D="
setup_path="$(winepath -w "$setup")"
installs_into() { # installs_into OPTIONS FOLDER: setup.exe /S OPTIONS /D=FOLDER puts it there
    windows_command "\"$setup_path\" /S $1 /D=$2" &&
        [ -f "$(winepath -u "$2" 2>/dev/null)/vilifex.exe" ]
}
for row in "everyone|$key|C:\Some Folder\Vili" "/CurrentUser|$userkey|C:\Other Folder\Vili"; do
    IFS='|' read -r mode mode_key chosen <<<"$row"
    [ "$mode" = everyone ] && options="" || options="$mode"
    check "setup.exe /S $options /D= installs into that folder ($mode)" installs_into "$options" "$chosen"
    check "whose entry names it" located "$mode_key" "$chosen"
    check "and whose registered silent uninstall removes it" \
        uninstalled "$mode_key" "$(winepath -u "$chosen" 2>/dev/null)"
done

echo "# the installer, silently, for the current user alone"
localappdata="$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')" 2>/dev/null)"
mine="$localappdata/Programs/Zestive Vilifex"
check "setup.exe /S /CurrentUser installs into the user's own programs folder" \
    bash -c "wine '$setup' /S /CurrentUser >/dev/null 2>&1 && [ -f '$mine/vilifex.exe' ]"
check "with an entry in the user's own Add/Remove Programs, not everyone's" bash -c "
    wine reg query '$userkey' /v DisplayName 2>/dev/null | grep -q 'Zestive Vilifex' &&
    ! wine reg query '$key' >/dev/null 2>&1"
launch "$mine"
keys Return alt+c
epithet="$(clipboard)"
keys alt+s Escape
ended_with 0 || true
check "though it may write its own folder, it saves for the user in %APPDATA%" \
    [ "$(tail -n 1 "$appdata/vilifex/saved.txt")" = "$epithet"$'\r' -a ! -e "$mine/saved.txt" ]
check "and its registered silent uninstall removes it with its entry" uninstalled "$userkey" "$mine"

echo "# the install folder on PATH"
user_environment='HKCU\Environment'
system_environment='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Environment'
export_key() { # export_key KEY FILE: the key's values as reg export writes them, byte for byte
    rm -f "$WINEPREFIX/drive_c/key.reg"
    for _ in $(seq 10); do
        wine reg export "$1" 'C:\key.reg' /y >/dev/null 2>&1 && break
        sleep 0.2
    done
    rm -f "$2"
    mv "$WINEPREFIX/drive_c/key.reg" "$2" 2>/dev/null || true
}
path_value() { # path_value KEY: the PATH value as it is stored; nothing where there is none
    { wine reg query "$1" /v Path 2>/dev/null || true; } | tr -d '\r' |
        sed -n 's/^ *Path *REG_[A-Z_]* *//ip'
}
path_type() { # path_type KEY: the PATH value's type; nothing where there is none
    { wine reg query "$1" /v Path 2>/dev/null || true; } | grep -o 'REG_[A-Z_]*' || true
}
# A console started after the install, which reads PATH from the registry as a new one does,
# finds vilify there from another folder.
vilify_in_new_console() {
    (cd "$stage" && wine cmd /c vilify -n 1 2>/dev/null) | tr -d '\r' | grep -qx '[^ ].* [^ ].*'
}
long_path() { # long_path LENGTH: a PATH of that many characters, with a variable to expand
    local path='%USERPROFILE%\bin' number=0
    while [ "${#path}" -lt "$1" ]; do
        number=$((number + 1))
        path+=";C:\\Tools\\Folder $number"
    done
    echo "${path:0:$1}"
}
# Each row: install options; the Environment key whose PATH the install extends; the entry in
# Add/Remove Programs; the folder; the PATH value to start from (none: no value), and its type;
# whether the install adds the folder to PATH or keeps PATH as it was.
mine_in_windows="$(winepath -w "$mine" 2>/dev/null)"
at_most="$((1023 - 1 - ${#mine_in_windows}))" # with ';' and the folder, a 1,023-character PATH
drive_c="$WINEPREFIX/drive_c"
rows=(
    "|$system_environment|$key|$installed|none||adds"
    "/CurrentUser|$user_environment|$userkey|$mine|none||adds"
    "/CurrentUser|$user_environment|$userkey|$mine|C:\\Tools;%USERPROFILE%\\bin;|REG_SZ|adds"
    "/CurrentUser|$user_environment|$userkey|$mine|$(long_path "$at_most")|REG_SZ|adds"
    "/CurrentUser|$user_environment|$userkey|$mine|$(long_path $((at_most + 1)))|REG_SZ|keeps"
    "/CurrentUser|$user_environment|$userkey|$mine|$(long_path 1500)|REG_EXPAND_SZ|keeps"
    "/CurrentUser|$user_environment|$userkey|$mine|$(long_path 9000)|REG_EXPAND_SZ|keeps"
    "|$system_environment|$key|$installed|$(long_path 1500)|REG_EXPAND_SZ|keeps"
    # Folders that no entry can name: a ';' would part it, an expandable PATH expand a '%'.
    "/CurrentUser /D=C:\\a;b|$user_environment|$userkey|$drive_c/a;b|C:\\Tools|REG_SZ|keeps"
    "/CurrentUser /D=C:\\%windir%|$user_environment|$userkey|$drive_c/%windir%|C:\\Tools|REG_EXPAND_SZ|keeps"
)
for row in "${rows[@]}"; do
    IFS='|' read -r options environment mode_key folder start type effect <<<"$row"
    if [ "$start" != none ]; then
        [ "$environment" = "$system_environment" ] && start="$(path_value "$environment");$start"
        wine reg add "$environment" /v Path /t "$type" /d "$start" /f >/dev/null 2>&1
    fi
    start="$(path_value "$environment")"
    type="$(path_type "$environment")"
    what="setup.exe /S $options, a PATH of ${#start} characters"
    [ -n "$type" ] || what="setup.exe /S $options, no PATH of its own"
    export_key "$environment" "$stage/before.reg"
    wine "$setup" /S $options >/dev/null 2>&1
    windows_folder="$(winepath -w "$folder" 2>/dev/null)"
    if [ "$effect" = adds ]; then
        case "$start" in
        "") extended="$windows_folder" ;;
        *\;) extended="$start$windows_folder;" ;; # no empty entry before it
        *) extended="$start;$windows_folder" ;;
        esac
        check "$what: PATH ends with the install folder, its type kept" \
            [ "$(path_value "$environment")" = "$extended" -a "$(path_type "$environment")" = \
            "${type:-REG_EXPAND_SZ}" ]
        # Wine keeps only about the first 1,000 characters of the user's PATH in a new
        # process's environment (Windows keeps it all), so only a shorter one is tried there.
        if [ "${#extended}" -lt 1000 ]; then
            check "and cmd /c vilify -n 1 in a new console prints an epithet" vilify_in_new_console
        fi
    else
        export_key "$environment" "$stage/installed.reg"
        check "$what: the install succeeds and leaves PATH as it was" \
            bash -c "[ -f '$folder/vilify.exe' ] && cmp -s '$stage/before.reg' '$stage/installed.reg'"
    fi
    uninstalled "$mode_key" "$folder" || true
    export_key "$environment" "$stage/after.reg"
    check "and after its uninstall PATH is as it was, byte for byte" \
        cmp -s "$stage/before.reg" "$stage/after.reg"
done

# Installed again into another folder, the earlier folder's entry gives way to the new one's.
wine reg add "$user_environment" /v Path /t REG_SZ /d 'C:\Tools' /f >/dev/null 2>&1
export_key "$user_environment" "$stage/before.reg"
wine "$setup" /S /CurrentUser >/dev/null 2>&1
wine "$setup" /S /CurrentUser '/D=C:\Moved' >/dev/null 2>&1
check "setup.exe /S /CurrentUser again into another folder: PATH names only the new one" \
    [ "$(path_value "$user_environment")" = 'C:\Tools;C:\Moved' ]
uninstalled "$userkey" "$drive_c/Moved" || true
export_key "$user_environment" "$stage/after.reg"
check "and after its uninstall PATH is as it was, byte for byte" \
    cmp -s "$stage/before.reg" "$stage/after.reg"
rm -rf "$mine" # the earlier install's files, which nothing uninstalls now

# After the install the user added entries, one of them the folder in other letter cases: the
# uninstall takes off the install's own entry and keeps theirs.
wine "$setup" /S /CurrentUser >/dev/null 2>&1
lower="${mine_in_windows,,}"
wine reg add "$user_environment" /v Path /t REG_SZ /d "C:\\Tools;$mine_in_windows;$lower;C:\\Later" \
    /f >/dev/null 2>&1
uninstalled "$userkey" "$mine" || true
check "an uninstall after the user edited PATH takes off only the install's own entry" \
    [ "$(path_value "$user_environment")" = "C:\\Tools;$lower;C:\\Later" ]

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

#!/usr/bin/env bash
# Installs the build into a staging prefix and checks what lands where, has lintian judge the
# .deb and rpmlint the RPM, checks that each package puts the programs on its system's default
# PATH, installs the RPM into an empty root with the .deb's files in Fedora's places, then runs each installed program and a portable copy of it, as root and as an ordinary user,
# to see which word list each reads and where it saves. Nothing may be written under either
# prefix, and removing the RPM leaves nothing of it.
#
# install_test.sh BUILD-DIRECTORY
set -euo pipefail
build="$1"
for tool in strace Xvfb xdotool setpriv rpm rpmlint; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
stage="$(mktemp -d)"
chmod 755 "$stage"
cleanup() {
    [ -z "${xvfb:-}" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$stage"
}
trap cleanup EXIT

prefix="$stage/usr"
cmake --install "$build" --prefix "$prefix" >/dev/null
share="$prefix/share"
test -x "$prefix/games/vilifex"
test -x "$prefix/games/vilify"
test ! -e "$prefix/bin" # the RPM's layout is its own
shipped="$(dirname "$0")/../../data"
for list in "$shipped"/wordlist*.txt "$shipped"/mild*.txt; do
    test -f "$share/vilifex/$(basename "$list")"
done
test -f "$share/applications/org.zestive.vilifex.desktop"
test -f "$share/metainfo/org.zestive.vilifex.metainfo.xml"
test -f "$share/man/man6/vilifex.6.gz"
test -f "$share/man/man6/vilify.6.gz"
test -f "$share/doc/vilifex/copyright"
test -f "$share/doc/vilifex/changelog.gz"
for size in 16 22 24 32 48 64 128 256; do
    test -f "$share/icons/hicolor/${size}x${size}/apps/org.zestive.vilifex.png"
done
test -f "$share/icons/hicolor/scalable/apps/org.zestive.vilifex.svg"
# Neither an error nor a warning. AppStream before 1.0 does not know <developer> yet, and says so
# as its one piece of information.
findings="$(appstreamcli validate --pedantic --no-net \
    "$share/metainfo/org.zestive.vilifex.metainfo.xml" 2>&1 | grep -E '^[EWI]: ' |
    grep -v ': unknown-tag developer$' || true)"
[ -z "$findings" ] || { echo "$findings"; exit 1; }
findings="$(desktop-file-validate "$share/applications/org.zestive.vilifex.desktop" 2>&1)"
[ -z "$findings" ] || { echo "$findings"; exit 1; }
grep -qx "Exec=$prefix/games/vilifex" "$share/applications/org.zestive.vilifex.desktop"

cpack --config "$build/CPackConfig.cmake" -B "$stage/package" >/dev/null
deb="$(echo "$stage"/package/vilifex_*.deb)"
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6
if command -v lintian >/dev/null; then
    findings="$(lintian -EvIL +pedantic "$deb" 2>&1 | grep -E '^[EW]: ' || true)"
    [ -z "$findings" ] || { echo "$findings"; exit 1; }
fi

# The RPM: no error from rpmlint (its warnings are explained in the README), and in an empty
# root of its own exactly the files of the .deb.
cpack -G RPM --config "$build/CPackConfig.cmake" -B "$stage/package" >/dev/null
rpm="$(echo "$stage"/package/vilifex-*-1.x86_64.rpm)"
lint="$(rpmlint -c "$(dirname "$0")/../../packaging/rpmlint.toml" "$rpm" 2>&1 || true)"
echo "$lint" | grep -E '^vilifex[^:]*: [EW]: ' || true
! grep -qE '^vilifex[^:]*: E: ' <<<"$lint" || exit 1
rpm -qp --requires "$rpm" | grep -qx 'libQt6Widgets.so.6()(64bit)'
! rpm -qp --requires "$rpm" | grep -q 'libqt6' || { echo "a Debian package name"; exit 1; }
rpm_root="$stage/rpm-root"
rpm --root "$rpm_root" --initdb
rpm --root "$rpm_root" --nodeps -i "$rpm"
dpkg-deb -x "$deb" "$stage/deb-root"

# Each package's programs in a folder of its system's default PATH (/etc/login.defs on Debian,
# /etc/profile on Fedora), and its desktop entry starting the program from there.
debian_path=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
fedora_path=/usr/local/bin:/usr/bin:/usr/local/sbin:/usr/sbin
on_path() { # on_path ROOT PATH
    local program found
    for program in vilifex vilify; do
        found="$(cd "$1" && find usr -type f -perm -u=x -name "$program")"
        [[ ":$2:" == *":/$(dirname "$found"):"* ]] ||
            { echo "$program, at ${found:-nowhere}, is not on $2"; return 1; }
    done
    grep -qx "Exec=/$(cd "$1" && find usr -type f -perm -u=x -name vilifex)" \
        "$1/usr/share/applications/org.zestive.vilifex.desktop" ||
        { echo "the desktop entry starts no installed program"; return 1; }
}
on_path "$stage/deb-root" "$debian_path"
on_path "$rpm_root" "$fedora_path"
test -f "$rpm_root/usr/bin/vilify"
# The licence is marked as one, and the package is not to be moved: its desktop entry names
# the program by its full path.
rpm -qpL "$rpm" | grep -qx /usr/share/doc/vilifex/copyright
[ "$(rpm -qp --queryformat '%{PREFIXES}' "$rpm")" = "(none)" ]
test -f "$rpm_root/usr/share/zsh/site-functions/_vilify"

# The RPM's files are the .deb's, with Fedora's folders for the programs and zsh's completion.
files_of() { (cd "$1" && find usr -type f -o -type l | sort); }
diff <(files_of "$stage/deb-root" |
    sed -e 's,^usr/games/,usr/bin/,' -e 's,/zsh/vendor-completions/,/zsh/site-functions/,' | sort) \
    <(files_of "$rpm_root") || { echo "the RPM and the .deb hold different files"; exit 1; }

# The word list a program opens, started with the given environment.
opened_list() {
    local program="$1" status=0
    shift
    env "$@" QT_QPA_PLATFORM=offscreen strace -f -qq -e trace=openat -o "$stage/trace" \
        timeout 3 "$program" || status=$?
    # Still running when stopped: neither a crash nor an early end.
    [ "$status" -eq 124 ] || { echo "$program ended with $status"; return 1; }
    grep -a -o '"[^"]*wordlist[.a-z]*txt", O_RDONLY[^=]*= [0-9]' "$stage/trace" | cut -d'"' -f2
}

# Starts a program on the X server, Tabs from Make to Save and presses Enter, then waits for
# `saved` to hold a line. The rest of the arguments run the program (setpriv, env, ...).
save_once() {
    local saved="$1"
    shift
    DISPLAY=":$display" "$@" >/dev/null 2>&1 &
    local program=$!
    local window
    window="$(DISPLAY=":$display" timeout 10 xdotool search --sync --name 'Zestive Vilifex' | head -n 1)"
    DISPLAY=":$display" xdotool windowfocus --sync "$window" key Tab Tab Return
    for _ in $(seq 50); do
        [ -s "$saved" ] && break
        sleep 0.1
    done
    kill "$program"
    wait "$program" 2>/dev/null || true
    [ "$(cat "$saved")" = $'verbose, splendiferous generator\r' ] ||
        { echo "nothing saved in $saved"; return 1; }
}

exec {display_pipe}<> <(:)
Xvfb -displayfd "$display_pipe" -ac -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb=$!
read -r -u "$display_pipe" display

# Installed under `prefix` with the programs in `programs`: the shared list, or the user's own;
# saves into the user's data folder, root's too.
data="$stage/data"
check_installed() { # check_installed PREFIX PROGRAMS-FOLDER
    local prefix="$1" share="$1/share" home="$stage/home" programs="$1/$2"
    rm -rf "$data" "$home"
    touch "$stage/before"
    [ "$(opened_list "$programs/vilifex" XDG_DATA_HOME="$data")" = "$share/vilifex/wordlist.txt" ]
    [ "$(opened_list "$programs/vilifex" XDG_DATA_HOME="$data" LANG=de_DE.UTF-8)" = \
        "$share/vilifex/wordlist.de.txt" ]
    save_once "$data/vilifex/saved.txt" env XDG_DATA_HOME="$data" "$programs/vilifex"
    XDG_DATA_HOME="$data" "$programs/vilify" --list "$share/vilifex/wordlist.txt" --check \
        >"$stage/shared" && XDG_DATA_HOME="$data" "$programs/vilify" --check >"$stage/found"
    cmp -s "$stage/shared" "$stage/found" || { echo "vilify did not find the shared list"; return 1; }
    printf 'J vile\nN toad\n' >"$data/vilifex/wordlist.txt"
    [ "$(opened_list "$programs/vilifex" XDG_DATA_HOME="$data" LANG=de_DE.UTF-8)" = \
        "$data/vilifex/wordlist.txt" ]
    [ "$(XDG_DATA_HOME="$data" "$programs/vilify")" = "vile toad" ] ||
        { echo "vilify did not read the user's own list"; return 1; }
    mkdir "$home"
    chown 65534:65534 "$home"
    save_once "$home/.local/share/vilifex/saved.txt" setpriv --reuid=65534 --regid=65534 \
        --clear-groups env -u XDG_DATA_HOME HOME="$home" "$programs/vilifex"
    [ -z "$(find "$prefix" -newer "$stage/before")" ] || { echo "written under $prefix"; return 1; }
}
check_installed "$prefix" games
check_installed "$rpm_root/usr" bin
rpm --root "$rpm_root" -e vilifex
[ -z "$(find "$rpm_root/usr" -type f)" ] || { echo "rpm -e left files behind"; exit 1; }

# Portable, in a folder whose name is not UTF-8: its files beside the program and nowhere else.
portable="$stage/portable-"$'\xff'
mkdir "$portable"
cp "$build/bin/vilifex" "$build"/bin/wordlist*.txt "$portable/"
# strace writes the byte 0xFF as \377.
[ "$(opened_list "$portable/vilifex" XDG_DATA_HOME="$data")" = "$stage/portable-\\377/wordlist.txt" ]
[ "$(opened_list "$portable/vilifex" XDG_DATA_HOME="$data" LANG=de_DE.UTF-8)" = \
    "$stage/portable-\\377/wordlist.de.txt" ]
save_once "$portable/saved.txt" env XDG_DATA_HOME="$data" "$portable/vilifex"
echo "installed, RPM-installed and portable copies read and save where they should; lintian and rpmlint are content"

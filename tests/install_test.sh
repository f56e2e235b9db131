#!/usr/bin/env bash
# Installs the build into a staging directory and checks what lands where, builds the .deb, and
# starts the installed program on the offscreen platform to see which word list it opens.
#
# install_test.sh BUILD-DIRECTORY
set -euo pipefail
build="$1"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage/usr" >/dev/null
program="$(readlink -f "$stage/usr/bin/vilifex")"
beside="$(dirname "$program")"
test -x "$program"
test -f "$beside/wordlist.txt"
share="$stage/usr/share"
test -f "$share/applications/org.zestive.Vilifex.desktop"
test -f "$share/metainfo/org.zestive.Vilifex.metainfo.xml"
for size in 32 64 128 256; do
    test -f "$share/icons/hicolor/${size}x${size}/apps/org.zestive.Vilifex.png"
done
test -f "$share/icons/hicolor/scalable/apps/org.zestive.Vilifex.svg"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$share/metainfo/org.zestive.Vilifex.metainfo.xml" >/dev/null
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$share/applications/org.zestive.Vilifex.desktop"
fi

if command -v dpkg-shlibdeps >/dev/null; then
    cpack --config "$build/CPackConfig.cmake" -B "$stage/package" >/dev/null
    dpkg-deb --field "$stage"/package/vilifex_*.deb Depends | grep -q libqt6widgets6
fi

if ! command -v strace >/dev/null; then
    echo "no strace: the installed program was not started"
    exit 77
fi

# The word list the program opens, started as a user whose data directory is $1.
opened_list() {
    local trace="$stage/trace" status=0
    XDG_DATA_HOME="$1" QT_QPA_PLATFORM=offscreen \
        strace -f -qq -e trace=openat -o "$trace" timeout 3 "$stage/usr/bin/vilifex" || status=$?
    # Still running when stopped: neither a crash nor an early end.
    [ "$status" -eq 124 ] || { echo "the program ended with $status"; return 1; }
    grep -o '"[^"]*wordlist.txt", O_RDONLY[^=]*= [0-9]' "$trace" | cut -d'"' -f2
}

data="$stage/data"
[ "$(opened_list "$data")" = "$beside/wordlist.txt" ]
mkdir -p "$data/vilifex"
printf 'J vile\nN toad\n' >"$data/vilifex/wordlist.txt"
[ "$(opened_list "$data")" = "$data/vilifex/wordlist.txt" ]
echo "installed program found its word list, and the user's own one first"

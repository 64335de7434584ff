#!/usr/bin/env bash
# Builds the Debian package in a scratch folder, installs it on this machine
# and checks that the program is in place and starts. Needs root or sudo.
#   scripts/check-deb.sh          remove the package again afterwards
#   scripts/check-deb.sh --keep   leave it installed
set -euo pipefail
cd "$(dirname "$0")/.."

keep=0
[ "${1:-}" = "--keep" ] && keep=1

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/zephrane-deb.XXXXXX")
installed=0
cleanup() {
    if [ "$installed" -eq 1 ] && [ "$keep" -eq 0 ]; then
        $sudo dpkg --purge zephrane >/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "check-deb: FAILED: $*" >&2
    exit 1
}

echo "== Release build in $scratch/build"
cmake -S . -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEPHRANE_TESTS=OFF >/dev/null
cmake --build "$scratch/build"

echo "== cpack -G DEB"
(cd "$scratch/build" && cpack -G DEB)
debs=("$scratch"/build/zephrane_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no .deb"
deb=${debs[0]}
dpkg-deb --field "$deb" Package Version Section Maintainer Depends

echo "== Installing $(basename "$deb")"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$deb" >/dev/null ||
    fail "apt-get could not install the package"
installed=1

echo "== Checks"
program=$(command -v zephrane) || fail "zephrane is not on PATH"
echo "program:      $program"
desktop=/usr/share/applications/zephrane.desktop
icon=/usr/share/icons/hicolor/scalable/apps/zephrane.svg
[ -f "$desktop" ] || fail "$desktop is missing"
[ -f "$icon" ] || fail "$icon is missing"
grep -qx 'Exec=zephrane' "$desktop" || fail "$desktop does not start zephrane"
echo "desktop file: $desktop"
echo "icon:         $icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "$desktop does not validate"
fi

# Start it as an ordinary user with a scratch home, the way a player would:
# it must keep running (timeout's 124) and must not write into /usr/bin.
home="$scratch/home"
mkdir -p "$home"
run_as=()
if [ "$(id -u)" -eq 0 ] && command -v runuser >/dev/null && id nobody >/dev/null 2>&1; then
    chmod 711 "$scratch"
    chown nobody "$home"
    run_as=(runuser -u nobody --)
fi
status=0
"${run_as[@]}" env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen timeout 5 zephrane \
    >"$scratch/start.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    cat "$scratch/start.log" >&2
    fail "zephrane ended with status $status instead of running"
fi
echo "start:        still running after 5 s (ok)"
[ -e /usr/bin/Control.txt ] && fail "the program wrote Control.txt into /usr/bin"
settings="$home/.local/share/Zephrane/Control.txt"
if [ -f "$settings" ]; then
    echo "settings:     $settings"
else
    echo "settings:     not found in $home/.local/share/Zephrane (not written yet?)"
fi

echo "check-deb: OK"

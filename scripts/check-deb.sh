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

# Start it as an ordinary user with a scratch home, the way a player would.
# A careers folder in the home's Wine prefix spares the start-up its careers
# message, so the program gets to write its settings before the warning
# window holds it. It must keep running (timeout's 124) and, not being able
# to write into /usr/bin, keep its settings in the per-user data folder.
home="$scratch/home"
run_as=()
user=$(id -un)
if [ "$(id -u)" -eq 0 ] && command -v runuser >/dev/null && id nobody >/dev/null 2>&1; then
    run_as=(runuser -u nobody --)
    user=nobody
fi
mkdir -p "$home/.wine/drive_c/users/$user/Documents/SH3/data/cfg/Careers"
if [ ${#run_as[@]} -gt 0 ]; then
    chmod 711 "$scratch"
    chown -R nobody "$home"
fi
status=0
"${run_as[@]}" env -i PATH="$PATH" HOME="$home" USER="$user" QT_QPA_PLATFORM=offscreen timeout 5 zephrane \
    >"$scratch/start.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
    cat "$scratch/start.log" >&2
    fail "zephrane ended with status $status instead of running"
fi
echo "start:        still running after 5 s (ok)"
[ -e /usr/bin/Control.txt ] && fail "the program wrote Control.txt into /usr/bin"
settings="$home/.local/share/Zephrane/Control.txt"
if [ ${#run_as[@]} -gt 0 ] || [ "$(id -u)" -ne 0 ]; then
    [ -f "$settings" ] || fail "no settings in $home/.local/share/Zephrane"
    echo "settings:     $settings"
fi

echo "check-deb: OK"

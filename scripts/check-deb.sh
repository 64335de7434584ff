#!/usr/bin/env bash
# Builds the Debian package in a scratch folder, checks it with lintian and
# its AppStream metadata with appstreamcli, installs it on this machine and
# checks that the program is in place, starts, and writes nothing beside
# itself. Fails on any lintian error or warning. Needs root or sudo.
#   scripts/check-deb.sh          remove the package again afterwards
#   scripts/check-deb.sh --keep   leave it installed
set -euo pipefail
cd "$(dirname "$0")/.."

keep=0
[ "${1:-}" = "--keep" ] && keep=1

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

for tool in lintian appstreamcli desktop-file-validate; do
    if ! command -v "$tool" >/dev/null; then
        package=$tool
        [ "$tool" = appstreamcli ] && package=appstream
        [ "$tool" = desktop-file-validate ] && package=desktop-file-utils
        $sudo apt-get install -y -qq "$package" >/dev/null
    fi
done

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
dpkg-deb --field "$deb" Package Version Section Maintainer Depends Recommends

echo "== lintian"
# Errors and warnings fail the check; informational tags are shown only.
lintian --display-info --fail-on error,warning "$deb" || fail "lintian found errors or warnings"
echo "lintian:      clean"

echo "== appstreamcli validate"
appstreamcli validate --no-net resources/io.github.zephrane.zephrane.metainfo.xml ||
    fail "the AppStream metadata does not validate"

echo "== Installing $(basename "$deb")"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$deb" >/dev/null ||
    fail "apt-get could not install the package"
installed=1

echo "== Checks"
program=$(command -v zephrane) || fail "zephrane is not on PATH"
echo "program:      $program"
desktop=/usr/share/applications/zephrane.desktop
[ -f "$desktop" ] || fail "$desktop is missing"
grep -qx 'Exec=zephrane' "$desktop" || fail "$desktop does not start zephrane"
desktop-file-validate "$desktop" || fail "$desktop does not validate"
echo "desktop file: $desktop"
for size in 16 22 24 32 48 64 128 256; do
    icon=/usr/share/icons/hicolor/${size}x${size}/apps/zephrane.png
    [ -f "$icon" ] || fail "$icon is missing"
done
[ -f /usr/share/icons/hicolor/scalable/apps/zephrane.svg ] || fail "the SVG icon is missing"
echo "icons:        16 to 256 px and scalable"
[ -f /usr/share/doc/zephrane/copyright ] || fail "the copyright file is missing"
zephrane --version | grep -q '^Zephrane ' || fail "zephrane --version printed no version"
env -u DISPLAY -u WAYLAND_DISPLAY zephrane --help | grep -q '^Usage: zephrane' ||
    fail "zephrane --help needs a display or printed no usage"
echo "--help, --version: answered without a display"

# Start it the way a player would, with a scratch home. A careers folder in
# the home's Wine prefix spares the start-up its careers message, so the
# program gets to write its settings before the warning window holds it. It
# must keep running (timeout's 124) and keep its settings in the per-user
# data folder, never in /usr/bin: as an ordinary user and as root alike.
start_as() {  # start_as USER HOME [command prefix...]
    local user=$1 home=$2
    shift 2
    mkdir -p "$home/.wine/drive_c/users/$user/Documents/SH3/data/cfg/Careers" "$home/runtime"
    chmod 700 "$home/runtime"
    [ "$user" != "$(id -un)" ] && chown -R "$user" "$home"
    local status=0
    "$@" env -i PATH="$PATH" HOME="$home" USER="$user" XDG_RUNTIME_DIR="$home/runtime" \
        QT_QPA_PLATFORM=offscreen timeout 5 zephrane >"$home/start.log" 2>&1 || status=$?
    if [ "$status" -ne 124 ]; then
        cat "$home/start.log" >&2
        fail "zephrane run by $user ended with status $status instead of running"
    fi
    [ -e /usr/bin/Control.txt ] && fail "zephrane run by $user wrote Control.txt into /usr/bin"
    [ -f "$home/.local/share/Zephrane/Control.txt" ] || fail "no settings in $home/.local/share/Zephrane"
    echo "start as $user: still running after 5 s, settings in $home/.local/share/Zephrane"
}
chmod 711 "$scratch"
if [ "$(id -u)" -eq 0 ]; then
    start_as root "$scratch/root-home"
    if command -v runuser >/dev/null && id nobody >/dev/null 2>&1; then
        start_as nobody "$scratch/nobody-home" runuser -u nobody --
    fi
else
    start_as "$(id -un)" "$scratch/home"
fi

echo "check-deb: OK"

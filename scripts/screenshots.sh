#!/bin/sh
# Screenshots of nerolith.exe under Wine on a virtual X display: the three pages with a result
# in each, the About box and the help error box, written to docs/screenshots/NAME.png.
# Needs: the MinGW-w64 cross compiler, wine, xvfb (xvfb-run, xauth), imagemagick, fonts-wine.
# Usage: scripts/screenshots.sh   (builds the Windows preset's nerolith.exe and nerolith-pose.exe)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${NEROLITH_BUILD:-$root/build/windows}

if [ -z "${NEROLITH_IN_XVFB:-}" ]; then
    if [ ! -f "$build/build.ninja" ]; then
        (cd "$root" && cmake --preset windows)
    fi
    cmake --build "$build" --target nerolith nerolith-pose
    NEROLITH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
fi

# Under LANG=C, so that the Russian texts must come through the Unicode functions.
export LANG=C LC_ALL=C
prefix="$build/screenshot-prefix"
export WINEPREFIX="$prefix"
wine_run() {
    "$root/scripts/wine-run.sh" "$prefix" "$@"
}

windows_path() {
    printf 'Z:%s' "$1" | tr / '\\'
}

program=$(windows_path "$build/src/app/nerolith.exe")
pose=$build/src/app/tests/e2e/nerolith-pose.exe
ready="$WINEPREFIX/drive_c/posed.flag"
shots="$root/docs/screenshots"
mkdir -p "$shots"

for name in expression matrix equations about help-error; do
    rm -f "$ready"
    wine_run explorer /desktop=Nerolith,800x600 "$pose" "$program" "$name" 'C:\posed.flag' \
        >/dev/null 2>&1 &
    waited=0
    while [ ! -f "$ready" ]; do
        waited=$((waited + 1))
        if [ "$waited" -gt 120 ]; then
            echo "screenshots: the $name pose did not come up" >&2
            wineserver -k
            exit 1
        fi
        sleep 0.5
    done
    sleep 1
    import -window root "$shots/$name.png"
    echo "$shots/$name.png"
    wineserver -k
    wait
done

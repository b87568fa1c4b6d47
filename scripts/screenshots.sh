#!/bin/sh
# Screenshots of nerolith.exe under Wine on a virtual X display: the three pages with a result
# in each, the equations page in the fallback font (a prefix without Tahoma), a Gauss report,
# an exact inverse, the About box, the two help error boxes, the menu "Файл" open and a file
# refused, at
# 100 % display scale (LogPixels 96) to docs/screenshots/NAME.png and at 150 % (LogPixels 144) to
# docs/screenshots/NAME-150.png; and the matrix page maximized on a 1280 x 720 desktop at 100 %.
# Needs: the MinGW-w64 cross compiler, wine, xvfb (xvfb-run, xauth), imagemagick, fonts-wine.
# Usage: scripts/screenshots.sh   (builds the Windows preset's nerolith.exe and its end-to-end
# tests, which pose the program: NEROLITH_POSE=NAME stops a test where the program shows NAME)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${NEROLITH_BUILD:-$root/build/windows}

if [ -z "${NEROLITH_IN_XVFB:-}" ]; then
    if [ ! -f "$build/build.ninja" ]; then
        (cd "$root" && cmake --preset windows)
    fi
    cmake --build "$build" --target nerolith NerolithE2ETest
    NEROLITH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x960x24" "$0" "$@"
fi

# Under LANG=C, so that the Russian texts must come through the Unicode functions.
export LANG=C LC_ALL=C
tests=$build/src/app/tests/e2e/NerolithE2ETest.exe
shots="$root/docs/screenshots"
mkdir -p "$shots"

# Takes the screenshot NAME of the program in pose POSE, which the tests FILTER reach, on a
# virtual desktop of SCREEN, in the Wine prefix PREFIX; with "fallback" after them, in a prefix
# without Tahoma.
shoot() {
    name=$1 pose=$2 filter=$3 screen=$4 prefix=$5
    if [ "${6:-}" = fallback ]; then
        export NEROLITH_FALLBACK_FONT=1
    else
        unset NEROLITH_FALLBACK_FONT
    fi
    export WINEPREFIX="$prefix"
    "$root/scripts/wine-run.sh" "$prefix" reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
        /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    ready="$WINEPREFIX/drive_c/posed.flag"
    rm -f "$ready"
    NEROLITH_POSE=$pose "$root/scripts/wine-run.sh" "$prefix" explorer \
        /desktop=Nerolith,"$screen" "$tests" --gtest_filter="$filter" >/dev/null 2>&1 &
    waited=0
    while [ ! -f "$ready" ]; do
        waited=$((waited + 1))
        if [ "$waited" -gt 120 ]; then
            echo "screenshots: the $name pose did not come up at $dpi DPI" >&2
            wineserver -k
            exit 1
        fi
        sleep 0.5
    done
    sleep 1
    import -window root -crop "$screen+0+0" "$shots/$name.png"
    echo "$shots/$name.png"
    wineserver -k
    wait
}

# LogPixels, the file-name suffix (none at 96) and the size of the virtual desktop
for scale in "96  800x600" "144 -150 1200x900"; do
    set -- $scale
    dpi=$1
    if [ $# -eq 3 ]; then suffix=$2; desktop=$3; else suffix=; desktop=$2; fi
    # Each pose and the test that reaches it.
    for pose in "expression:WindowTest.EachButton*" "matrix:WindowTest.EachButton*" \
        "equations:WindowTest.EachButton*" "about:WindowTest.AboutBox*" "help-error:HelpTest.*" \
        "help-no-program:HelpTest.*" "matrix-maximized:WindowTest.EachButton*" \
        "menu:WindowTest.ExitInTheMenu*" "file-error:FileTest.Opens*" \
        "gauss:WindowTest.SolvesBy*" "inverse:WindowTest.ExactFractions*"; do
        name=${pose%%:*}
        screen=$desktop
        if [ "$name" = matrix-maximized ]; then
            if [ -n "$suffix" ]; then continue; fi
            screen=1280x720
        fi
        shoot "$name$suffix" "$name" "${pose#*:}" "$screen" "$build/screenshot-prefix-$dpi"
    done
    # The equations page in the fallback font, in a prefix without Tahoma.
    shoot "equations-fallback$suffix" equations "WindowTest.EachButton*" "$desktop" \
        "$build/screenshot-prefix-fallback-$dpi" fallback
done

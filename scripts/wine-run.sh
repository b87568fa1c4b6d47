#!/bin/sh
# Runs a Windows program under Wine, in a prefix of the build tree's own.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
set -e
prefix=$(realpath -m "$1")  # Wine wants an absolute path
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
# The first run creates the prefix; the lock keeps parallel tests from racing over it.
# The dialog font "MS Shell Dlg" is Tahoma under Wine, and the caption buttons are drawn with
# Marlett: Debian ships Wine's own fonts (fonts-wine), but not where Wine looks for them.
flock "$prefix.lock" sh -c '
    if [ ! -f "$WINEPREFIX/.ready" ]; then
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w
        for font in tahoma.ttf tahomabd.ttf marlett.ttf; do
            if [ -f "/usr/share/wine/fonts/$font" ]; then
                cp "/usr/share/wine/fonts/$font" "$WINEPREFIX/drive_c/windows/Fonts/"
            fi
        done
        touch "$WINEPREFIX/.ready"
    fi'
exec wine "$@"

#!/bin/sh
# Runs a Windows program under Wine, in a prefix of the build tree's own.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
# With NEROLITH_FALLBACK_FONT=1 a new prefix gets no Tahoma, as a plain "wine" on Debian does:
# the dialog font is then Wine's fallback, with other metrics.
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
        fonts="tahoma.ttf tahomabd.ttf marlett.ttf"
        if [ -n "${NEROLITH_FALLBACK_FONT:-}" ]; then
            fonts=marlett.ttf
        fi
        for font in $fonts; do
            if [ -f "/usr/share/wine/fonts/$font" ]; then
                cp "/usr/share/wine/fonts/$font" "$WINEPREFIX/drive_c/windows/Fonts/"
            fi
        done
        touch "$WINEPREFIX/.ready"
    fi'
exec wine "$@"

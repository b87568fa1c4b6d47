#!/bin/sh
# Runs a Windows program under Wine, in a prefix of the build tree's own.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
set -e
prefix=$1
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$prefix"
# The first run creates the prefix; the lock keeps parallel tests from racing over it.
flock "$prefix.lock" sh -c '
    if [ ! -f "$WINEPREFIX/.ready" ]; then
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w
        touch "$WINEPREFIX/.ready"
    fi'
exec wine "$@"

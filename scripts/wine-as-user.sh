#!/bin/sh
# Runs a Windows test program under Wine as the ordinary user "nerolith" (scripts/install-deps.sh
# makes it): Wine run as root ignores file rights. The tests, nerolith.exe and the Wine runner are
# copied into a folder of that user's home named after DIR, which it owns with its Wine prefix,
# so that a build tree the user cannot reach (a clone in /root) serves as well. Run by anyone
# but root, it runs as that user, in DIR.
# Usage: wine-as-user.sh DIR TESTS NEROLITH [ARGS...]
set -e
dir=$(realpath -m "$1")
tests=$2
program=$3
shift 3
user=nerolith
if [ "$(id -u)" -eq 0 ]; then
    dir="$(getent passwd "$user" | cut -d: -f6)/e2e-$(printf %s "$dir" | cksum | cut -d' ' -f1)"
fi
mkdir -p "$dir"
cp "$tests" "$program" "$(dirname "$0")/wine-run.sh" "$dir/"
export NEROLITH_PROGRAM="Z:$dir/$(basename "$program")"
set -- "$dir/wine-run.sh" "$dir/wineprefix" "$dir/$(basename "$tests")" "$@"
if [ "$(id -u)" -ne 0 ]; then
    exec "$@"
fi
# The X display's key, for the user.
rm -f "$dir/xauthority"
xauth extract "$dir/xauthority" "$DISPLAY" 2>/dev/null || true
chown "$user:" "$dir" "$dir"/*
exec runuser -u "$user" -- env XAUTHORITY="$dir/xauthority" "$@"

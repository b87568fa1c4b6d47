#!/usr/bin/env bash
# Installs what is missing, builds the Windows program and starts it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset windows
cmake --build --preset windows --target nerolith

run=(scripts/wine-run.sh build/windows/wineprefix build/windows/src/app/nerolith.exe)
if [ -z "${DISPLAY:-}" ]; then
    auth=$PWD/build/windows/xauthority
    echo "No X display: starting under Xvfb on :99. A screenshot of it:"
    echo "  XAUTHORITY=$auth DISPLAY=:99 import -window root nerolith.png"
    exec xvfb-run -n 99 -f "$auth" -s "-screen 0 1024x768x24" "${run[@]}"
fi
exec "${run[@]}"

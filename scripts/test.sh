#!/usr/bin/env bash
# Installs what is missing, builds both targets and runs every test: native, with the
# sanitizers, the Windows build under Wine (end-to-end tests on an Xvfb display) and the fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

echo "== style"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

for preset in native sanitize windows fuzz; do
    echo "== $preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
done

ctest --preset native
ctest --preset sanitize
ctest --preset fuzz
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows

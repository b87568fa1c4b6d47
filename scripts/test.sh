#!/usr/bin/env bash
# Installs what is missing, builds every target and runs every test: native, with the
# sanitizers, the Windows build under Wine (end-to-end tests on an Xvfb display), the fuzzers
# for a bounded time, and a build of the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

echo "== style"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

cmake --workflow --preset native
cmake --workflow --preset sanitize
xvfb-run -a -s "-screen 0 1920x1080x24" cmake --workflow --preset windows
cmake --workflow --preset fuzz
cmake --workflow --preset bench

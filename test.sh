#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in the Release build
# and in the build with AddressSanitizer and UndefinedBehaviorSanitizer. Last, each fuzz
# target replays its seeds and explores for a few seconds.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"

scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen

for preset in release asan fuzz; do
    echo "== $preset =="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

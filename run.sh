#!/usr/bin/env bash
# Installs what is missing, builds the Release preset and starts Skirmod in the current
# directory (where it reads and writes ShipStats.txt).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

"$root/scripts/install-deps.sh"
cmake -S "$root" --preset release >/dev/null
cmake --build "$root/build-release"

echo "Skirmod's calculation core is built (build-release)."
echo "The windows come in a later version: there is no program window to start yet."
echo "Try the benchmark meanwhile: $root/build-release/bench/skirmod_bench"

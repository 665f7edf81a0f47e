#!/usr/bin/env bash
# The start-up comparison offscreen and on an X server with a window manager, in a scratch
# folder holding the built-in ShipStats.txt.
#   bench/startup_compare.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build-release}" && pwd)"
runs="${2:-11}"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
"$build/bench/skirmod_write_stats_file" "$folder/ShipStats.txt"
cd "$folder"
compare=("$build/bench/skirmod_startup_compare" "$build/bench/skirmod_program_first_paint"
         "$build/bench/skirmod_minimal_window" "$runs")
QT_QPA_PLATFORM=offscreen "${compare[@]}"
"$root/tests/desktop/run_on_desktop.sh" "${compare[@]}"

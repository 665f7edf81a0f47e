#!/usr/bin/env bash
# Builds Skirmod for the browser: installs what is missing, compiles the core and its binding
# to WebAssembly with Debian's em++ (preset web), and gathers the static site, everything a
# static host serves, in build-web/site. Prints that folder as its last line.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/install-deps.sh" web
cmake -S "$root" --preset web >/dev/null
cmake --build "$root/build-web"
echo "$root/build-web/site"

#!/usr/bin/env bash
# Installs what is missing, builds the Release preset and starts Skirmod in the current
# directory, where it reads and writes ShipStats.txt. Without a display it runs under Xvfb.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

headless=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    headless=(xvfb xauth)
fi
"$root/scripts/install-deps.sh" "${headless[@]}"
cmake -S "$root" --preset release >/dev/null
cmake --build "$root/build-release" --target skirmod

program="$root/build-release/src/ui/skirmod"
if [ ${#headless[@]} -gt 0 ]; then
    echo "No display found: starting Skirmod under Xvfb."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program"
fi
exec "$program"

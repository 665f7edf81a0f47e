#!/usr/bin/env bash
# Installs what building and running need (not the test tools), builds Skirmod without its
# tests, installs it into build-player/stage and starts it the way the installed package
# does: through skirmod-launcher, in ${XDG_DATA_HOME:-~/.local/share}/skirmod, which gets
# the sample ShipStats.txt and ReadMe1st.txt when they are missing. Nothing is written into
# the checkout outside build-player. Arguments go to the program; without a display it
# runs under Xvfb.
#   ./run.sh --web   builds the page instead (scripts/build-web.sh) and serves build-web/site
#                    on http://127.0.0.1:8000/ (SKIRMOD_WEB_PORT sets the port) until Ctrl+C.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

if [ "${1:-}" = --web ]; then
    site=$("$root/scripts/build-web.sh" | tee /dev/stderr | tail -n 1)
    port=${SKIRMOD_WEB_PORT:-8000}
    echo "Skirmod in the browser: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
fi
build="$root/build-player"
stage="$build/stage"

headless=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    headless=(xvfb xauth)
fi
"$root/scripts/install-deps.sh" run "${headless[@]}"
cmake -S "$root" --preset player >/dev/null
cmake --build "$build"
cmake --install "$build" --prefix "$stage" >/dev/null

launcher="$stage/bin/skirmod-launcher"
if [ ${#headless[@]} -gt 0 ]; then
    echo "No display found: starting Skirmod under Xvfb."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$launcher" "$@"
fi
exec "$launcher" "$@"

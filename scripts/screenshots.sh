#!/usr/bin/env bash
# Refreshes every screenshot the README shows: builds and stages Skirmod as ./run.sh does,
# starts it through its launcher with fresh sample files under Xvfb with the openbox window
# manager, so the windows look as a player sees them, works it with xdotool like a player
# would, and saves each window, with its frame, into docs/. The web page's shots, at a phone's
# 360 px and a desktop's 1280 px, come from its test in headless Chromium.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-player"
stage="$build/stage"

if [ -z "${SKIRMOD_SCREENSHOT_DISPLAY:-}" ]; then
    "$root/scripts/install-deps.sh" run xvfb xauth openbox xdotool x11-utils imagemagick
    cmake -S "$root" --preset player >/dev/null
    cmake --build "$build" >/dev/null
    cmake --install "$build" --prefix "$stage" >/dev/null
    export SKIRMOD_SCREENSHOT_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

scratch="$(mktemp -d)"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# Starts the launcher with a fresh per-user folder of its own; arguments are settings
# (NAME=value) for its environment. Sets program to the process id.
start() {
    XDG_DATA_HOME="$scratch/data-${#pids[@]}" env "$@" "$stage/bin/skirmod-launcher" \
        >>"$scratch/log" 2>&1 &
    program=$!
    pids+=("$program")
}
# Prints the id of the visible window named $1 once it shows.
window_named() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 && return
        sleep 0.2
    done
    echo "error: no window named \"$1\"" >&2
    exit 1
}
# Sets x and y to the top-left corner of the window's own area on the screen (xdotool's
# geometry counts the frame of a managed window twice).
locate() {
    geometry=$(xwininfo -id "$1")
    x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$geometry")
    y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$geometry")
}
click() {
    xdotool mousemove "$1" "$2" click 1
    sleep 0.7
}
# Saves window $1 with the frame the window manager gives it.
shoot() {
    import -frame -window "$1" "$root/docs/$2"
    echo "docs/$2"
}

title="Skirmod v$("$stage/bin/skirmod" --version | sed 's/^skirmod //')"
start
main=$(window_named "$title")
sleep 1
locate "$main"
click $((x + 20)) $((y + 30)) # the count box
xdotool key ctrl+a type 1000
click $((x + 40)) $((y + 48)) # attacker name: focus its list
xdotool key Down Down Down Down Down Down Down Down Down Down Down
click $((x + 40)) $((y + 100)) # defender name
xdotool key Down Down Down Down Down Down Down Down Down
sleep 0.5
shoot "$main" main-window.png

click $((x + 20)) $((y + 10)) # "Details"
details=$(window_named "Detailed $title")
# The calculator stays on top: move it off the Details window before taking that.
xdotool windowmove "$main" 8 8
sleep 0.5
locate "$details"
shoot "$details" details-window.png
click $((x + 230)) $((y + 13)) # "Resources"
shoot "$details" details-resources.png
click $((x + 480)) $((y + 13)) # "Setup"
shoot "$details" details-setup.png

kill "$program"
wait "$program" || true

# The same window at twice the size: Qt scales every control and glyph.
start QT_SCALE_FACTOR=2
main=$(window_named "$title")
sleep 1
shoot "$main" main-window-2x.png

# The page at 360 px (twice the pixels, as a phone draws it) and at 1280 px: the page test's
# width check saves web-phone.png, web-phone-log.png and web-desktop.png. It reads no axe-core.
site=$("$root/scripts/build-web.sh" | tail -n 1)
SKIRMOD_WEB_CHECKS=check_phone_width /usr/bin/python3 "$root/tests/web/page_test.py" "$site" \
    "$stage/bin/skirmod-calc" "$build/packaging/ShipStats.txt" "" "$root/docs"

#!/usr/bin/env bash
# Refreshes the README's screenshots: runs the Release build under Xvfb in a scratch
# folder, works it with xdotool like a player would, and crops each window into docs/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/install-deps.sh" xvfb xauth xdotool imagemagick
cmake -S "$root" --preset release >/dev/null
cmake --build "$root/build-release" --target skirmod >/dev/null

if [ -z "${SKIRMOD_SCREENSHOT_DISPLAY:-}" ]; then
    export SKIRMOD_SCREENSHOT_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

scratch="$(mktemp -d)"
trap 'kill "$program" 2>/dev/null || true; rm -rf "$scratch"' EXIT
cd "$scratch"
"$root/build-release/src/ui/skirmod" &
program=$!
sleep 2

# Without a window manager both windows open centred on the 1280 x 1024 screen.
main_x=$(((1280 - 132) / 2))
main_y=$(((1024 - 126) / 2))
details_x=$(((1280 - 534) / 2))
details_y=$(((1024 - 505) / 2))

click() {
    xdotool mousemove "$1" "$2" click 1
    sleep 0.7
}
shoot() {
    import -window root -crop "$3x$4+$1+$2" +repage "$root/docs/$5"
    echo "docs/$5"
}

xdotool key Return # OK: no ShipStats.txt here yet, so the built-in table is used
sleep 1
click $((main_x + 20)) $((main_y + 30)) # the count box
xdotool key ctrl+a type 1000
click $((main_x + 40)) $((main_y + 48)) # attacker name: focus its list
xdotool key Down Down Down Down Down Down Down Down Down Down Down
click $((main_x + 40)) $((main_y + 100)) # defender name
xdotool key Down Down Down Down Down Down Down Down Down
sleep 0.5
shoot "$main_x" "$main_y" 132 126 main-window.png

click $((main_x + 20)) $((main_y + 10)) # "Details"
shoot "$details_x" "$details_y" 534 505 details-window.png
click $((details_x + 230)) $((details_y + 13)) # "Resources"
shoot "$details_x" "$details_y" 534 505 details-resources.png
click $((details_x + 480)) $((details_y + 13)) # "Setup"
shoot "$details_x" "$details_y" 534 505 details-setup.png

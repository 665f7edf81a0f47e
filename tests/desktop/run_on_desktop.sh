#!/usr/bin/env bash
# Runs one command on a private desktop: an Xvfb server on a display number it finds free,
# with the openbox window manager, both stopped when the command ends.
#
# Why a window manager: a reparenting manager frames windows, places them, keeps the stacking
# order, iconifies and restores them and moves the focus between applications. Qt learns of
# all that only from the manager's events, later than it asks for it, and the offscreen
# platform of the widget tests has none of it. Faults in how the calculator, its pop-up
# lists, its message boxes and the Details window live under a real manager show only here.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
xvfb_pid=""
wm_pid=""

stop_desktop() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap stop_desktop EXIT

# Polls `condition` every 50 ms for up to five seconds.
wait_until() {
    local tries=100
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.05
    done
}

# Xvfb writes the display number it took once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
if ! wait_until test -s "$work/display"; then
    echo "error: Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(cat "$work/display")"

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
XDG_CONFIG_HOME="$work" XDG_CACHE_HOME="$work" \
    openbox --sm-disable --config-file "$here/openbox-rc.xml" >"$work/wm.log" 2>&1 &
wm_pid=$!
if ! wait_until wm_running; then
    echo "error: openbox did not start on $DISPLAY" >&2
    cat "$work/wm.log" >&2
    exit 1
fi

unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
status=0
"$@" || status=$?
exit "$status"

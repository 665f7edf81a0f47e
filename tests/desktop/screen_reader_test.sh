#!/usr/bin/env bash
# What a blind player hears: Orca, Debian's screen reader, runs headless beside the program
# (under run_on_desktop.sh), the program is driven by keys alone, and every check reads
# Orca's record of what it spoke.
# Usage: screen_reader_test.sh SKIRMOD MAKE_SAMPLE_STATS VERSION (the version the build gives)
set -euo pipefail

# A session bus of our own, which the accessibility bus and Orca find through the environment.
if [ -z "${SKIRMOD_OWN_SESSION_BUS:-}" ]; then
    SKIRMOD_OWN_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

program=$1
make_sample_stats=$2
version=$3
work="$(mktemp -d)"
pids=()
failures=0

orca_pid=""

stop_all() {
    local i
    # Orca is the child of `script`; it is gone before the next test may start another.
    if [ -n "$orca_pid" ]; then
        kill "$orca_pid" 2>/dev/null || true
        wait_for 10 orca_gone || kill -KILL "$orca_pid" 2>/dev/null || true
    fi
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap stop_all EXIT

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Polls `condition` every 100 ms for up to `seconds`.
wait_for() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

mkdir -p "$work/run" "$work/config/speech-dispatcher" "$work/orca" "$work/program"
chmod 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_CACHE_HOME="$work/cache"

other_orca_gone() { ! pgrep -u "$(id -u)" -x orca >/dev/null; }
if ! wait_for 10 other_orca_gone; then
    echo "error: another Orca runs for this user, and Orca allows only one" >&2
    exit 1
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)
a11y_bus_up() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1
}
wait_for 10 a11y_bus_up || { echo "error: no accessibility bus" >&2; exit 1; }
/usr/libexec/at-spi2-registryd >"$work/registry.log" 2>&1 &
pids+=($!)
for property in IsEnabled ScreenReaderEnabled; do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status "string:$property" \
        variant:boolean:true >/dev/null
done

# No sound card: ALSA's null device, and the module that only pretends to speak.
cat >"$work/config/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "dummy" "sd_dummy" ""
DefaultModule "dummy"
EOF
export SPEECHD_ADDRESS="unix_socket:$work/run/speechd.sock"
speech-dispatcher --run-single --timeout 0 --communication-method unix_socket \
    --socket-path "$work/run/speechd.sock" --config-dir "$work/config/speech-dispatcher" \
    --log-dir "$work" >"$work/speechd.log" 2>&1 &
pids+=($!)
wait_for 10 test -S "$work/run/speechd.sock" || { echo "error: no speech-dispatcher" >&2; exit 1; }

# Orca writes its record line by line only to a terminal: `script` gives it one.
log="$work/orca.log"
script -qfc "orca -u '$work/orca' --debug-file /dev/stdout" "$log" >/dev/null 2>&1 &
pids+=($!)
find_orca() { orca_pid=$(ps -o pid= --ppid "${pids[-1]}" | tr -d ' '); [ -n "$orca_pid" ]; }
orca_gone() { ! kill -0 "$orca_pid" 2>/dev/null; }
wait_for 10 find_orca || { echo "error: Orca did not start" >&2; exit 1; }

# The utterances after byte `from` of the record, one a line, without Orca's decoration.
spoken_since() {
    tail -c +"$(($1 + 1))" "$log" | tr -d '\r' |
        sed -n "/^[0-9:.]* - SPEECH OUTPUT: '/{s///;s/' *[[{].*//;p}"
}

log_size() { stat -c %s "$log" 2>/dev/null || echo 0; }

# Orca is done once its record has not grown for 1.5 s, longer than the program's pause
# before it speaks a result; it gives up after 30 s.
wait_until_quiet() {
    local last=-1 size still=0 tries=300
    while [ "$still" -lt 15 ] && [ "$tries" -gt 0 ]; do
        sleep 0.1
        size=$(log_size)
        if [ "$size" = "$last" ]; then still=$((still + 1)); else still=0; last=$size; fi
        tries=$((tries - 1))
    done
}

has_spoken() { spoken_since 0 | grep -qF "$1"; }
wait_for 30 has_spoken "Screen reader on" || { echo "error: Orca did not start" >&2; exit 1; }
wait_until_quiet

"$make_sample_stats" "$work/program/ShipStats.txt"
step_start=$(log_size)
(cd "$work/program" && exec "$program") >"$work/program.log" 2>&1 &
pids+=($!)
wait_for 30 has_spoken "Skirmod v$version frame" || fail "Orca never spoke the calculator"
wait_until_quiet
said=$(spoken_since "$step_start")
echo "== start-up"$'\n'"$said"

# Presses the keys (xdotool's names, blank-separated), waits until Orca is done and keeps
# what it said in `said`.
press() {
    local from
    from=$(log_size)
    # shellcheck disable=SC2086
    xdotool key --delay 150 $1
    wait_until_quiet
    said=$(spoken_since "$from")
    echo "== $1"$'\n'"$said"
}

said_once() {
    local count
    count=$(grep -cxF "$1" <<<"$said" || true)
    [ "$count" -eq 1 ] || fail "after '$2' Orca said '$1' $count times, not once"
}

said_line_with() {
    grep -qF "$1" <<<"$said" || fail "after '$2' Orca did not say '$1'"
}

# A notice is read as one line, its words after its role; words given as its description
# instead of its name would come on a line of their own after "notification.".
notice_said() {
    said_once "notification $1." "$2"
}

# Outcome, number and efficiency: what a result sounds like.
result_lines() { grep -E '^(will kill|will hold|will capture|cant target)' <<<"$said" || true; }
results_said() { result_lines | grep -c . || true; }

only_result_is() {
    said_once "$1" "$2"
    [ "$(results_said)" -eq 1 ] || fail "after '$2' Orca said $(results_said) results, not one"
}

# The sample ship table's first types, Sparrow against Sparrow, then Harrier defending.
said_line_with "will kill 0, resource efficiency 0%" "start-up"

press "ctrl+a 1 0 0 0"
only_result_is "will kill 240, resource efficiency 24%" "typing 1000"

printf '64' | xclip -selection clipboard
press "ctrl+a ctrl+v"
only_result_is "will kill 15, resource efficiency 23%" "pasting 64"
press "ctrl+a 1 0 0 0"

press "Tab"
press "Down Down"
only_result_is "will kill 138, resource efficiency 37%" "Down Down in the defending list"

press "shift+F10"
press "Escape"
said_line_with "Defending ship type" "Escape from the menu"

# Orca may read the list again as the menu closes, its description then already the new
# result; the result is said on its own once more, last.
press "shift+F10 Down Return"
said_once "cant target 0" "Switch Att/Def"
[ "$(result_lines | tail -n 1)" = "cant target 0" ] ||
    fail "after 'Switch Att/Def' the new result was not the last one said"

press "alt+d"
said_line_with "Calculation page tab" "Alt+D"
for key_and_tab in "ctrl+Tab:Targeting" "ctrl+Tab:Resources" "ctrl+Tab:Basic Stats" \
    "ctrl+Next:Results" "ctrl+shift+Tab:Basic Stats" "ctrl+Prior:Resources"; do
    press "${key_and_tab%%:*}"
    said_line_with "${key_and_tab#*:} page tab" "${key_and_tab%%:*}"
done
press "Tab"
press "ctrl+Next"
said_line_with "Basic Stats page tab" "ctrl+Next from a report box"

# The log: a result line, an empty line and two result lines, the first one current.
press "ctrl+Next"
press "alt+a alt+a alt+s alt+a Tab Tab Home"
# Deleting the last entry selects the one before it, which is read as deleting the first
# entry reads the one after it.
press "End"
press "Delete"
said_line_with "cant target 0 Sparrow" "Delete on the last entry"
press "Home"
press "Delete"
said_line_with "Empty line" "Delete"
# Back on the tab bar: the log's keys still work, and Orca reads the entry now selected.
press "shift+Tab shift+Tab"
press "alt+d"
said_line_with "cant target 0 Sparrow" "Alt+D after Delete"
press "alt+l"
notice_said "Results log empty" "Alt+L"

press "ctrl+Next"
press "alt+e"
notice_said "Editing ship statistics" "Alt+E"
press "alt+c"
press "alt+b"
said_line_with "About" "Alt+B"

if [ "$failures" -gt 0 ]; then
    kept="${TMPDIR:-/tmp}/skirmod-orca-$$.log"
    cp "$log" "$kept"
    echo "$failures checks failed; Orca's record is kept in $kept" >&2
    exit 1
fi
echo "Every check of Orca's speech passed."

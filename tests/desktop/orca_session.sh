# shellcheck shell=bash
# Orca, Debian's screen reader, headless beside a program under test on the desktop that
# run_on_desktop.sh gives: its own session and accessibility buses, a speech server that only
# pretends to speak, and Orca's record of what it spoke. A test sources this file, calls
# start_orca, drives the program by keys with `press` and checks `said`.

# A session bus of our own, which the accessibility bus and Orca find through the environment.
if [ -z "${SKIRMOD_OWN_SESSION_BUS:-}" ]; then
    SKIRMOD_OWN_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

work="$(mktemp -d)"
pids=()
failures=0
orca_pid=""
log="$work/orca.log"
said=""

stop_orca_session() {
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
    # SKIRMOD_ORCA_LOG=DIR keeps Orca's debug log and the others for a look afterwards.
    [ -z "${SKIRMOD_ORCA_LOG:-}" ] || cp "$work"/*.log "$SKIRMOD_ORCA_LOG"/ 2>/dev/null || true
    rm -rf "$work"
}
trap stop_orca_session EXIT

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

orca_gone() { ! kill -0 "$orca_pid" 2>/dev/null; }
other_orca_gone() { ! pgrep -u "$(id -u)" -x orca >/dev/null; }

a11y_bus_up() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1
}
find_orca() { orca_pid=$(ps -o pid= --ppid "${pids[-1]}" | tr -d ' '); [ -n "$orca_pid" ]; }

start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
    pids+=($!)
    wait_for 10 a11y_bus_up || { echo "error: no accessibility bus" >&2; exit 1; }
    /usr/libexec/at-spi2-registryd >"$work/registry.log" 2>&1 &
    pids+=($!)
    local property
    for property in IsEnabled ScreenReaderEnabled; do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.freedesktop.DBus.Properties.Set string:org.a11y.Status "string:$property" \
            variant:boolean:true >/dev/null
    done
}

# No sound card: the generic module takes each utterance (it runs nothing without one) and
# pauses 0.2 s. With a module
# that finishes at once, Orca's client loses the "finished" events and a browser's
# read-through never ends.
start_speech_server() {
    local config="$work/config/speech-dispatcher"
    mkdir -p "$config/modules"
    cat >"$config/speechd.conf" <<'EOF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "stand-in" "sd_generic" "stand-in.conf"
DefaultModule "stand-in"
EOF
    cat >"$config/modules/stand-in.conf" <<'EOF'
GenericExecuteSynth "echo \'$DATA\' >/dev/null; sleep 0.2"
GenericCmdDependency "sleep"
AddVoice "en" "male1" "stand-in"
GenericLanguage "en" "english" "utf-8"
EOF
    export SPEECHD_ADDRESS="unix_socket:$work/run/speechd.sock"
    speech-dispatcher --run-single --timeout 0 --communication-method unix_socket \
        --socket-path "$work/run/speechd.sock" --config-dir "$config" \
        --log-dir "$work" >"$work/speechd.log" 2>&1 &
    pids+=($!)
    wait_for 10 test -S "$work/run/speechd.sock" ||
        { echo "error: no speech-dispatcher" >&2; exit 1; }
}

start_orca() {
    mkdir -p "$work/run" "$work/config" "$work/orca"
    chmod 700 "$work/run"
    export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
    export XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
    if ! wait_for 10 other_orca_gone; then
        echo "error: another Orca runs for this user, and Orca allows only one" >&2
        exit 1
    fi
    start_accessibility_bus
    start_speech_server
    # Orca writes its record line by line only to a terminal: `script` gives it one.
    script -qfc "orca -u '$work/orca' --debug-file /dev/stdout" "$log" >/dev/null 2>&1 &
    pids+=($!)
    wait_for 10 find_orca || { echo "error: Orca did not start" >&2; exit 1; }
    wait_for 30 has_spoken "Screen reader on" || { echo "error: Orca did not start" >&2; exit 1; }
    wait_until_quiet
}

# The utterances after byte `from` of the record, one a line, without Orca's decoration.
spoken_since() {
    tail -c +"$(($1 + 1))" "$log" | tr -d '\r' |
        sed -n "/^[0-9:.]* - SPEECH OUTPUT: '/{s///;s/' *[[{].*//;p}"
}

log_size() { stat -c %s "$log" 2>/dev/null || echo 0; }

has_spoken() { spoken_since 0 | grep -qF "$1"; }

# Orca is done once its record has not grown for `quiet_tenths` tenths of a second (1.5 s,
# longer than the desktop program's pause before it speaks a result, unless a test sets it);
# it gives up after 30 s.
quiet_tenths=15
wait_until_quiet() {
    local last=-1 size still=0 tries=300
    while [ "$still" -lt "$quiet_tenths" ] && [ "$tries" -gt 0 ]; do
        sleep 0.1
        size=$(log_size)
        if [ "$size" = "$last" ]; then still=$((still + 1)); else still=0; last=$size; fi
        tries=$((tries - 1))
    done
}

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

# Ends the test: Orca's whole record is kept when a check failed.
finish_checks() {
    if [ "$failures" -gt 0 ]; then
        local kept="${TMPDIR:-/tmp}/skirmod-orca-$$.log"
        cp "$log" "$kept"
        echo "$failures checks failed; Orca's record is kept in $kept" >&2
        exit 1
    fi
    echo "Every check of Orca's speech passed."
}

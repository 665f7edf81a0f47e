#!/bin/sh
# Runs the built program the way a user types it and checks what it prints and how it
# ends: --help and --version answer without a window, no display is one clear line.
# Arguments: the program, the project version.
set -eu
program=$1
version=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
. "$(dirname "$0")/../../../scripts/check_steps.sh"

# Runs the program with no window system at all; $1 names the result files.
run_headless() {
    name=$1
    shift
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        "$program" "$@" >"$scratch/$name.out" 2>"$scratch/$name.err" || status=$?
    echo "$status" >"$scratch/$name.status"
}
status_of() { [ "$(cat "$scratch/$1.status")" = "$2" ]; }
empty() { [ ! -s "$scratch/$1" ]; }

run_headless version --version
check "--version ends with 0" status_of version 0
check "--version prints the name and version" \
    [ "$(cat "$scratch/version.out")" = "skirmod $version" ]
check "--version prints no error" empty version.err

run_headless help --help
check "--help ends with 0" status_of help 0
check "--help starts with the usage line" \
    [ "$(sed -n 1p "$scratch/help.out")" = "Usage: skirmod [--help | --version]" ]
check "--help names both options" grep -q -- '--version  print the version' "$scratch/help.out"
check "--help names the files" grep -q 'ShipStats.txt and ReadMe1st.txt' "$scratch/help.out"
check "--help prints no error" empty help.err

run_headless help_later -style fusion --help
check "--help after Qt's own options still answers" status_of help_later 0

run_headless no_display
check "without a display it ends with 1, not an abort" status_of no_display 1
check "without a display it prints one line" [ "$(wc -l <"$scratch/no_display.err")" -eq 1 ]
check "the line says the display cannot be opened" \
    grep -q '^skirmod: cannot open a display' "$scratch/no_display.err"
check "without a display nothing goes to standard output" empty no_display.out

status=0
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>"$scratch/xcb.err" ||
    status=$?
check "a chosen xcb without an X server ends with 1" [ "$status" -eq 1 ]

all_checks_passed

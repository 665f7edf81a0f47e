#!/usr/bin/env bash
# What a blind player hears: Orca, Debian's screen reader, runs headless beside the program
# (under run_on_desktop.sh), the program is driven by keys alone, and every check reads
# Orca's record of what it spoke.
# Usage: screen_reader_test.sh SKIRMOD MAKE_SAMPLE_STATS VERSION (the version the build gives)
set -euo pipefail

# shellcheck source=tests/desktop/orca_session.sh
. "$(dirname "${BASH_SOURCE[0]}")/orca_session.sh"

program=$1
make_sample_stats=$2
version=$3
mkdir -p "$work/program"
start_orca

"$make_sample_stats" "$work/program/ShipStats.txt"
step_start=$(log_size)
(cd "$work/program" && exec "$program") >"$work/program.log" 2>&1 &
pids+=($!)
wait_for 30 has_spoken "Skirmod v$version frame" || fail "Orca never spoke the calculator"
wait_until_quiet
said=$(spoken_since "$step_start")
echo "== start-up"$'\n'"$said"

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

finish_checks

#!/usr/bin/env bash
# What a blind player hears on the page: Orca runs beside Chromium (not headless, on the
# desktop run_on_desktop.sh gives), the page is used by keys alone, and every check reads
# Orca's record of what it spoke. One Orca and one browser start serve every check.
# Usage: run_on_desktop.sh page_screen_reader_test.sh SITE_DIR
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=tests/desktop/orca_session.sh
. "$here/../desktop/orca_session.sh"

site=$1
started=$SECONDS
start_orca
# The page speaks a result at once, with no pause before it.
quiet_tenths=6

# The site on a local static server, on a free port it names.
python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$site" >"$work/server.log" 2>&1 &
pids+=($!)
server_port() { sed -n 's/.* port \([0-9]*\) .*/\1/p' "$work/server.log"; }
server_up() { [ -n "$(server_port)" ]; }
wait_for 10 server_up || { echo "error: no server for the site" >&2; exit 1; }

# Orca's words for a control name its role. At start the count box must be the first control
# it speaks, where typing goes.
controls_spoken() {
    grep -E ' (entry|combo box|push button|page tab|list box|list|table|cell|link|menu item)\b' \
        <<<"$said" || true
}
starts_at_count_box() {
    local first
    first=$(controls_spoken | head -n 1)
    [[ $first == "Ships attacking entry"* ]] ||
        fail "after '$1' the first control Orca spoke was '$first', not the count box"
}

# Waits until Orca has read the loaded page as far as the count box (it does not always say
# "Finished loading" first), and keeps what it said in `said`.
page_spoken() {
    local from=$1
    wait_for 40 spoken_since_holds "$from" "Ships attacking entry" ||
        fail "after '$2' Orca never spoke the count box"
    wait_until_quiet
    said=$(spoken_since "$from")
    echo "== $2"$'\n'"$said"
}
spoken_since_holds() { spoken_since "$1" | grep -qF "$2"; }

step_start=$(log_size)
chromium --force-renderer-accessibility --user-data-dir="$work/profile" --no-first-run \
    --no-default-browser-check --no-sandbox --test-type --disable-gpu --disable-background-networking \
    --disable-component-update --disable-sync --password-store=basic \
    --window-size=1280,1000 "http://127.0.0.1:$(server_port)/" >"$work/chromium.log" 2>&1 &
pids+=($!)
page_spoken "$step_start" "start-up"
starts_at_count_box "start-up"

# Presses `key` until Orca says a line holding `words`, at most `times` times.
press_until() {
    local i
    for ((i = 0; i < $3; i++)); do
        press "$1"
        grep -qF "$2" <<<"$said" && return 0
    done
    fail "pressing '$1' $3 times never reached '$2'"
}

# The live result line: said once per change, the change's figures in it.
result_lines() { grep '^Current result ' <<<"$said" || true; }
only_result_starts() {
    local lines
    lines=$(result_lines)
    [ "$(grep -c . <<<"$lines")" -eq 1 ] ||
        fail "after '$2' Orca said $(grep -c . <<<"$lines") results, not one"
    [[ $lines == "Current result $1"* ]] || fail "after '$2' the result said was '$lines'"
}

# The built-in table's first ship against itself, 1000 of them: figures worked by hand.
printf '1000' | xclip -selection clipboard
press "ctrl+a ctrl+v"
only_result_starts "1000 Sparrow will kill 240 Sparrow, Fi v Fi, Init 1 v 1, Tar- T3, AttResEff = 24%" \
    "pasting 1000"
press "x"
said_line_with "Not a whole number: counts as 0 ships" "typing a letter"
press "BackSpace"
only_result_starts "1000 Sparrow will kill 240 Sparrow" "deleting the letter"

press "Tab Tab"
said_line_with "Attacking ship type" "Tab Tab from the count box"
before=$(result_lines)
press "Down"
only_result_starts "1000 " "Down in the attacking list"
[ "$(result_lines)" != "$before" ] || fail "Down in the attacking list said the old result"
result=$(result_lines | sed 's/^Current result //')

# Each section is named as it is shown.
press_until "Tab" "Calculation page tab" 6
for section in Targeting Resources "Basic Stats" Results; do
    press "Right"
    said_line_with "$section page tab" "Right to $section"
done

# The log's commands: what was added or deleted, what is now selected, or that it is empty.
press "Tab"
press "space"
grep -v '^Current result ' <<<"$said" | grep -qF "$result" ||
    fail "after 'Add' Orca did not say the entry added, '$result'"
press_until "Tab" "Results log" 10
# Insert is Orca's own key: the log's Alt-keys stand in for Insert and Shift+Insert.
press "alt+s"
said_line_with "Empty line" "Alt+S (Insert Space) in the log"
press "Delete"
said_line_with "$result" "Delete on the empty line"
press "Delete"
said_line_with "The log is empty" "Delete on the last entry"

press_until "shift+Tab" "Results page tab" 10
for tab in "Who stops them" "All matchups" "Setup"; do
    press "Right"
    said_line_with "$tab page tab" "Right to $tab"
done

# The setup's controls, each named once; then a grid cell while editing: its ship, column,
# value and that it can be typed in (the built-in table's first ship, Sparrow, is of race Aur).
walk_start=$(log_size)
press_until "Tab" "Edit push button" 6
opens=$(spoken_since "$walk_start" | grep -oF "Open ShipStats.txt" | grep -c . || true)
[ "$opens" -eq 1 ] || fail "Tab through the setup said 'Open ShipStats.txt' $opens times, not once"
# Edit takes the focus into the grid; Orca's "entry" is a text box that can be typed in.
press "space"
for words in Sparrow Race Aur entry; do
    said_line_with "$words" "Edit, into the grid"
done

# A reload goes on with the ships and the section shown last, and the count box is spoken.
# Putting them back changes the lists' and the tabs' selection, which Chromium reports to
# Orca before or after the focus, by turns; so the count box need not come first here.
step_start=$(log_size)
xdotool key F5
page_spoken "$step_start" "reload"

echo "The page's Orca test took $((SECONDS - started)) s."
finish_checks

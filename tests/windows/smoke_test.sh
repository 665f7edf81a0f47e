#!/usr/bin/env bash
# The Windows zip as a player meets it: unpacked into folders whose names are not ASCII and
# run under Wine on a private desktop with a window manager (run_on_desktop.sh and
# with-wine.sh around this script). skirmod.exe and skirmod-calc.exe must do there what the
# Linux build does with the same ShipStats.txt.
# Arguments: the zip, the Linux build folder, and glyph_ink_test.exe in the folder
# `build-windows.sh --test glyph_ink_test` made. SKIRMOD_TEST_SEED picks the random pairings.
set -euo pipefail
zip=$(realpath "$1")
linux=$(realpath "$2")
glyph_test=$(realpath "$3")
linux_calc=$linux/src/cli/skirmod-calc
linux_gui=$linux/src/ui/skirmod
seed=${SKIRMOD_TEST_SEED:-20261207}
pairings=${SKIRMOD_SMOKE_PAIRINGS:-200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Failures are counted in a file, as some checks run in a subshell.
fail() {
    echo "FAIL: $*" >&2
    echo "$*" >>"$work/failures"
}

# Polls a command every 100 ms for up to 30 seconds: Wine's first start of a program is slow.
wait_for() {
    local tries=300
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

unpack() {
    mkdir -p "$1"
    unzip -q "$zip" -d "$1"
    find "$1" -mindepth 1 -maxdepth 1 -type d
}

# The name lines of the stats file: line 3 + 57 * row holds ship row's name.
ship_names() {
    awk 'NR % 57 == 3 { sub(/\r$/, ""); print }' "$1"
}

# --- what a Windows player unpacks ------------------------------------------------------

# Every file a player may open by a double-click has an extension Explorer knows; the read-me
# speaks of Windows, not of the Linux desktop; both programs carry their manifest.
check_contents() {
    local folder
    folder=$(unpack "$work/contents")
    local bare
    bare=$(find "$folder" -type f ! -name '*.*' -printf '%P\n')
    [ -z "$bare" ] || fail "files without an extension in the zip: $bare"
    [ -f "$folder/LICENSE.txt" ] || fail "the zip has no LICENSE.txt"
    local readme=$folder/ReadMe1st.txt
    local word
    for word in skirmod.exe skirmod-calc.exe cmd; do
        grep -q "$word" "$readme" || fail "ReadMe1st.txt does not mention $word"
    done
    for word in '~/.local' XDG_DATA_HOME skirmod-launcher run.sh terminal; do
        ! grep -q -- "$word" "$readme" || fail "ReadMe1st.txt for Windows mentions $word"
    done
    grep -q $'\r$' "$readme" || fail "ReadMe1st.txt does not end its lines with CR LF"
    local program
    for program in skirmod.exe skirmod-calc.exe; do
        grep -q longPathAware "$folder/$program" || fail "$program carries no manifest"
    done
    echo "the zip: every file with an extension, a Windows read-me, two manifests"
}

# --- skirmod-calc.exe against the Linux skirmod-calc ------------------------------------

calc_agrees() {
    local folder=$1 stats_win=$2 stats_linux=$3
    shift 3
    local windows linux
    windows=$(cd "$folder" && wine ./skirmod-calc.exe --stats "$stats_win" "$@" 2>&1 | tr -d '\r') || true
    linux=$("$linux_calc" --stats "$stats_linux" "$@" 2>&1) || true
    if [ "$windows" != "$linux" ]; then
        fail "skirmod-calc $* differs (seed $seed)"
        diff <(echo "$linux") <(echo "$windows") | head -n 10 >&2
    fi
}

check_calc() {
    local folder
    folder=$(unpack "$work/Jörg")
    local stats=$folder/ShipStats.txt
    local stats_win
    stats_win=$(winepath -w "$stats")
    mapfile -t ships < <(ship_names "$stats")
    [ "${#ships[@]}" -eq 54 ] || fail "the sample table has ${#ships[@]} names, not 54"
    local commands=(result "report calculation" "report targeting" "report resources"
                    "report basic" stop counters)
    RANDOM=$seed
    local i
    for ((i = 0; i < pairings; i++)); do
        local att=${ships[RANDOM % 54]} def=${ships[RANDOM % 54]}
        local count=$((RANDOM % 3000 + 1)) json=()
        ((RANDOM % 2)) && json=(--json)
        read -r -a command <<<"${commands[RANDOM % ${#commands[@]}]}"
        case ${command[0]} in
            counters) calc_agrees "$folder" "$stats_win" "$stats" "${json[@]}" counters "$def" "$count" ;;
            *) calc_agrees "$folder" "$stats_win" "$stats" "${json[@]}" "${command[@]}" "$att" "$def" "$count" ;;
        esac
    done
    echo "skirmod-calc.exe agreed with Linux on $pairings pairings (seed $seed) in $folder"
}

# --- skirmod.exe on the desktop ---------------------------------------------------------

calculator_window() {
    xdotool search --onlyvisible --name "^Skirmod v" | head -n 1
}

# The calculator's result line for `count` attackers at start-up, as "Copy Result" gives it.
copy_result_line() {
    local window=$1 count=$2
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    xdotool key --window "$window" ctrl+a
    xdotool type --window "$window" --delay 50 "$count"
    sleep 0.5
    xdotool key --window "$window" shift+F10
    sleep 0.5
    xdotool key Return
    sleep 0.5
    xclip -o -selection clipboard 2>/dev/null | tr -d '\r'
}

start_program() {
    local folder=$1
    shift
    (cd "$folder" && exec "$@" >"$work/program.log" 2>&1) &
    program_pid=$!
    if ! wait_for calculator_window; then
        fail "$* showed no calculator in $folder"
        cat "$work/program.log" >&2
        return 1
    fi
    # Wine may map a window more than once while it starts: ask again once it has settled.
    sleep 2
}

stop_program() {
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    wait_for sh -c '! xdotool search --onlyvisible --name "^Skirmod v"' || true
}

details_window() {
    xdotool search --onlyvisible --name "^Detailed Skirmod v" | head -n 1
}

# Places in the Details window, in pixels from its top left: the Setup tab, the Edit and
# Save buttons and Sparrow's Init cell in the grid.
setup_tab=(484 13)
edit_button=(492 92)
save_button=(492 119)
init_cell=(257 94)

click_details() {
    xdotool mousemove --window "$1" "${@:2}" click 1
    # Wine takes its time to act on a click.
    sleep 1
}

# Opens the Details window, sets Sparrow's Init to 77 in the Setup grid and saves the table
# as Edited.txt beside ShipStats.txt.
edit_and_save() {
    local folder=$1
    xdotool windowactivate --sync "$(calculator_window)" 2>/dev/null || true
    xdotool key alt+d
    if ! wait_for details_window; then
        fail "Alt+D opened no Details window in $folder"
        return
    fi
    # Wine may map the window again while it starts: ask for it once it has settled, as a
    # click on the first one's id goes nowhere.
    sleep 2
    local details
    details=$(details_window)
    click_details "$details" "${setup_tab[@]}"
    click_details "$details" "${edit_button[@]}"
    click_details "$details" "${init_cell[@]}"
    xdotool key F2 ctrl+a
    xdotool type --delay 50 77
    xdotool key Return
    sleep 1
    local tries
    for tries in 1 2 3; do
        click_details "$details" "${save_button[@]}"
        wait_for xdotool search --onlyvisible --name "^Save As" && break
    done
    sleep 0.5
    # Windows' own name box knows no Ctrl+A; Home and Shift+End select in both dialogs.
    xdotool key Home shift+End
    xdotool type --delay 30 Edited.txt
    xdotool key Return
    wait_for test -s "$folder/Edited.txt" || {
        fail "nothing saved as $folder/Edited.txt"
        return 1
    }
}

# Everything but the header line, which carries the time of saving.
table_lines() {
    tail -n +2 "$1" | od -c
}

check_gui() {
    local folder
    folder=$(unpack "$work/Игрок")
    start_program "$folder" env -u QT_QPA_PLATFORM wine ./skirmod.exe || return 0
    local window
    window=$(calculator_window)
    local size
    size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p') || true
    [ "$size" = 132x126 ] || fail "the calculator is $size, not 132x126"
    local windows_line
    windows_line=$(copy_result_line "$window" 1234)
    # A failed save is counted; the checks after it have nothing to compare.
    edit_and_save "$folder" || { stop_program; return 0; }
    stop_program
    mv "$folder/Edited.txt" "$work/windows-edited.txt"

    start_program "$folder" "$linux_gui"
    local linux_line
    linux_line=$(copy_result_line "$(calculator_window)" 1234)
    edit_and_save "$folder" || { stop_program; return 0; }
    stop_program
    [ -n "$linux_line" ] || fail "no result line from the Linux build"
    [ "$windows_line" = "$linux_line" ] ||
        fail "Copy Result gave \"$windows_line\", the Linux build \"$linux_line\""
    grep -q $'^Modified ShipStats.txt file. Last Edited... .*\r$' "$work/windows-edited.txt" ||
        fail "the saved file's header: $(head -n 1 "$work/windows-edited.txt")"
    grep -q $'^77\r$' "$work/windows-edited.txt" || fail "the edited value is not in the saved file"
    cmp -s <(table_lines "$work/windows-edited.txt") <(table_lines "$folder/Edited.txt") ||
        fail "skirmod.exe saved other bytes than the Linux build"
    echo "skirmod.exe in $folder: 132x126, Copy Result \"$windows_line\", saved as Linux does"
}

# The widget test of the fonts, run beside the zip's DLLs as the program runs: every
# character leaves ink on the screen through the font engine skirmod.exe picks.
check_glyphs() {
    local folder
    folder=$(unpack "$work/glyphs")
    cp "${glyph_test%/*}"/* "$folder/"
    # Qt Test writes to a file here: Wine hands a program's own output to no terminal.
    if ! (cd "$folder" && env -u QT_QPA_PLATFORM wine ./glyph_ink_test.exe -o glyphs.txt,txt \
        >/dev/null 2>&1); then
        fail "glyph_ink_test.exe found characters drawn without ink"
        grep -a -A1 '^FAIL' "$folder/glyphs.txt" >&2 || cat "$folder/glyphs.txt" >&2
        return
    fi
    echo "every character leaves ink: $(grep -a '^Totals' "$folder/glyphs.txt")"
}

# A German Windows writes decimal commas and German dates. Wine takes its locale from LANG
# when a prefix starts, so a German prefix of its own; and a locale this system lacks makes
# Wine read file names as ASCII, hence an ASCII folder.
check_locale() {
    local folder
    folder=$(unpack "$work/de")
    local english
    english=$(cd "$folder" && wine ./skirmod-calc.exe report resources Dreadnought Sparrow 100 |
        tr -d '\r')
    (
        # (bash itself has no such locale and says so; Wine does not need it)
        export WINEPREFIX=$work/german-prefix LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 2>/dev/null
        trap 'wineserver -k 2>/dev/null || true' EXIT
        wineboot -i >/dev/null 2>&1
        check_german "$folder" "$english"
    )
}

check_german() {
    local folder=$1 english=$2
    local german
    german=$(cd "$folder" && wine ./skirmod-calc.exe report resources Dreadnought Sparrow 100 |
        tr -d '\r')
    [[ $german == *[0-9],[0-9]* ]] || fail "no decimal comma in the German resources report"
    [ "$german" = "$(sed 's/\([0-9]\)\.\([0-9]\)/\1,\2/g' <<<"$english")" ] ||
        fail "the German resources report differs by more than its decimal commas"

    start_program "$folder" env -u QT_QPA_PLATFORM wine ./skirmod.exe || return 0
    edit_and_save "$folder" || { stop_program; return 0; }
    stop_program
    local header
    header=$(head -n 1 "$folder/Edited.txt" | tr -d '\r')
    [[ $header =~ \.\.\.\ [0-9]{1,2}\.[0-9]{1,2}\.[0-9]{4}\ [0-9]{2}:[0-9]{2}:[0-9]{2}$ ]] ||
        fail "a German save's header is \"$header\", not d.m.yyyy hh:mm:ss"
    echo "German locale: decimal commas, saved \"$header\""
}

check_contents
check_calc
check_gui
check_glyphs
check_locale
if [ -s "$work/failures" ]; then
    failures=$(wc -l <"$work/failures")
    echo "$failures checks failed (seed $seed)"
    exit 1
fi
echo "Windows smoke test passed"

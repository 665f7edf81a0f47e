#!/usr/bin/env bash
# Runs the two source checks on one-line made-up trees. Layers: each front end (ui, cli, web)
# may use the core, while the core may not use a front end and no front end another. State
# writes: a front end that writes through the state object fails; reads and the core's own
# writes pass.
# Usage: source_checks_test.sh check-layers.sh check-state-writes.sh
set -u
layers=$1
writes=$2
failures=0

# expect CHECK PASS|FAIL FOLDER LINE: CHECK on a tree whose src/FOLDER/x.cpp holds LINE.
expect() {
    local check=$1 wanted=$2 folder=$3 line=$4
    local src
    src=$(mktemp -d)
    mkdir -p "$src/$folder" "$src/ui"
    printf '%s\n' "$line" >"$src/$folder/x.cpp"
    local got=PASS
    bash "$check" "$src" >/dev/null || got=FAIL
    rm -rf "$src"
    if [ "$got" != "$wanted" ]; then
        echo "FAIL: $(basename "$check"): '$line' in src/$folder gave $got, not $wanted"
        failures=$((failures + 1))
    fi
}

for front in ui cli web; do
    expect "$layers" PASS "$front" '#include "core/program_state.h"'
    expect "$layers" PASS "$front" '#include "data/ship_table.h"'
    expect "$layers" FAIL core "#include \"$front/binding.h\""
    expect "$layers" FAIL data "#include \"$front/binding.h\""

    expect "$writes" FAIL "$front" 'm_state.Inputs.AttShipsText = "1";'
    expect "$writes" FAIL "$front" '    state.Ui = this;'
    expect "$writes" FAIL "$front" 'session.State().Combat.ShipsResult += 2;'
    expect "$writes" FAIL "$front" 'm_state.ActiveStats[3] = row;'
    expect "$writes" FAIL "$front" 'state->DecimalSeparator=c;'
    expect "$writes" FAIL "$front" 'CombatState& c = state.Combat;'
    expect "$writes" PASS "$front" 'const CombatState& c = state.Combat;'
    expect "$writes" PASS "$front" 'if (m_state.Combat.ShipsResult == 3) {'
    expect "$writes" PASS "$front" 'env.DecimalSeparator = LocaleDecimalSeparator();'
    expect "$writes" PASS "$front" 'SetCountText(m_state, text);'
done
expect "$layers" FAIL web '#include "ui/tform1.h"'
expect "$layers" FAIL web '#include "cli/commands.h"'
expect "$layers" FAIL ui '#include "web/binding.h"'
expect "$layers" FAIL cli '#include "web/binding.h"'
expect "$layers" FAIL web '#include "extra/thing.h"'
expect "$layers" FAIL extra '#include "core/program_state.h"'
expect "$writes" PASS core 'state.Inputs.AttShipsText = std::move(countText);'
[ "$failures" -eq 0 ] && echo "all source check cases as expected"
[ "$failures" -eq 0 ]

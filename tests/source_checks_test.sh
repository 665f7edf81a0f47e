#!/usr/bin/env bash
# Runs the layer check on one-line made-up trees: each front end (ui, cli, web) may use the
# engine's public headers and data's, while the core may not use a front end, no front end
# another, and no front end combat, reports or the core's operations on the state.
# The circle check on made-up libraries: two files that call each other fail, a call in
# one direction passes.
# Usage: source_checks_test.sh check-layers.sh check-circles.py
set -u
layers=$1
circles=$2
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
    expect "$layers" PASS "$front" '#include "core/engine.h"'
    expect "$layers" FAIL "$front" '#include "core/inputs.h"'
    expect "$layers" FAIL "$front" '#include "core/stats_storage.h"'
    expect "$layers" FAIL "$front" '#include "combat/outcome.h"'
    expect "$layers" FAIL "$front" '#include "reports/report_texts.h"'
    expect "$layers" PASS "$front" '#include "data/ship_table.h"'
    expect "$layers" FAIL core "#include \"$front/binding.h\""
    expect "$layers" FAIL data "#include \"$front/binding.h\""

done
expect "$layers" FAIL web '#include "ui/tform1.h"'
expect "$layers" FAIL web '#include "cli/commands.h"'
expect "$layers" FAIL ui '#include "web/binding.h"'
expect "$layers" FAIL cli '#include "web/binding.h"'
expect "$layers" FAIL web '#include "extra/thing.h"'
expect "$layers" FAIL extra '#include "core/program_state.h"'
expect "$layers" PASS core '#include "core/inputs.h"'
expect "$layers" PASS core '#include "reports/report_texts.h"'
# expect_library PASS|FAIL A B: a library of a.cpp holding A and b.cpp holding B.
expect_library() {
    local wanted=$1 work got=PASS
    work=$(mktemp -d)
    printf '%s\n' "$2" >"$work/a.cpp"
    printf '%s\n' "$3" >"$work/b.cpp"
    (cd "$work" && c++ -c a.cpp b.cpp && ar rc lib.a a.o b.o) || got=ERROR
    [ "$got" = ERROR ] || python3 "$circles" "$work/lib.a" >/dev/null || got=FAIL
    rm -rf "$work"
    if [ "$got" != "$wanted" ]; then
        echo "FAIL: $(basename "$circles"): '$2' and '$3' gave $got, not $wanted"
        failures=$((failures + 1))
    fi
}
expect_library FAIL 'int b(); int a() { return b(); }' 'int a(); int b() { return a() + 1; }'
expect_library PASS 'int b(); int a() { return b(); }' 'int b() { return 1; }'
expect_library FAIL 'extern int v; int a() { return v; }' 'int a(); int v = 1; int b() { return a(); }'
[ "$failures" -eq 0 ] && echo "all source check cases as expected"
[ "$failures" -eq 0 ]

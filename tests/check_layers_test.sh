#!/usr/bin/env bash
# Runs the layer check on small made-up source trees: each front end (ui, cli, web) may use
# the core, while the core may not use a front end and no front end may use another.
set -u
check=$1
failures=0

# expect PASS|FAIL FOLDER INCLUDED-HEADER: a tree where src/FOLDER/x.cpp includes it.
expect() {
    local wanted=$1 folder=$2 header=$3
    local src
    src=$(mktemp -d)
    mkdir -p "$src/$folder"
    printf '#include "%s"\n' "$header" >"$src/$folder/x.cpp"
    local got=PASS
    bash "$check" "$src" >/dev/null || got=FAIL
    rm -rf "$src"
    if [ "$got" != "$wanted" ]; then
        echo "FAIL: src/$folder including $header gave $got, not $wanted"
        failures=$((failures + 1))
    fi
}

for front in ui cli web; do
    expect PASS "$front" core/program_state.h
    expect PASS "$front" data/ship_table.h
    expect FAIL core "$front/binding.h"
    expect FAIL data "$front/binding.h"
done
expect FAIL web ui/tform1.h
expect FAIL web cli/commands.h
expect FAIL ui web/binding.h
expect FAIL cli web/binding.h
expect FAIL web extra/thing.h
expect FAIL extra core/program_state.h
[ "$failures" -eq 0 ] && echo "all layer cases as expected"
[ "$failures" -eq 0 ]

#!/usr/bin/env bash
# Fails when a file of src/ includes a header of a layer above its own, or beside it: the
# layers point one way, the front ends (ui, cli, web) -> core -> reports -> combat -> data, and
# no front end includes another. A front end includes only the engine's public headers: the
# core's headers named below and data's, never combat's or reports' or the core's own
# operations on the state. A new folder of src/ fails too, until it is given its place here.
# Usage: check-layers.sh [src folder]
set -euo pipefail
src=${1:-"$(dirname "${BASH_SOURCE[0]}")/../src"}
if [ ! -d "$src" ]; then
    echo "error: $src is no folder" >&2
    exit 1
fi
declare -A rank=([data]=0 [combat]=1 [reports]=2 [core]=3 [cli]=4 [ui]=4 [web]=4)
front_end_rank=4
public_core=" engine.h key_table.h spin_repeat.h about_texts.h program_state.h readouts.h log_commands.h startup.h stop_search.h counters.h matrix.h heat_scale.h matrix_picture.h wide_int.h share_link.h "

includes=$(grep -rnoE --include='*.h' --include='*.cpp' \
    '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/[^"]*"' "$src" || true)
checked=0
faults=0
while IFS=: read -r file line text; do
    [ -n "$file" ] || continue
    # A layer is the first folder below src/, of the including file and of the include.
    own=${file#"$src"/}
    own=${own%%/*}
    used=${text#*\"}
    header=${text%\"*}
    header=${header##*/}
    used=${used%%/*}
    checked=$((checked + 1))
    if [[ -z ${rank[$own]+set} ]]; then
        echo "$file:$line: $text: src/$own has no place in the layer order"
    elif [[ -z ${rank[$used]+set} ]]; then
        echo "$file:$line: $text: $used is no layer of src/"
    elif [[ $used != "$own" && ${rank[$used]} -ge ${rank[$own]} ]]; then
        echo "$file:$line: $text: $own may not include $used"
    elif [[ ${rank[$own]} -eq $front_end_rank && ($used == combat || $used == reports) ]]; then
        echo "$file:$line: $text: a front end includes the engine's public headers, not $used"
    elif [[ ${rank[$own]} -eq $front_end_rank && $used == core && $public_core != *" $header "* ]]; then
        echo "$file:$line: $text: not one of the engine's public headers:$public_core"
    else
        continue
    fi
    faults=$((faults + 1))
done <<<"$includes"
echo "$checked includes checked, $faults pointing the wrong way"
if [ "$checked" -eq 0 ]; then
    echo "error: no include of one layer by another under $src: is it the program's src folder?" >&2
    exit 1
fi
[ "$faults" -eq 0 ]

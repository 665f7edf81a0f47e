#!/usr/bin/env bash
# Fails when a file of src/ includes a header of a layer above its own, or beside it: the
# layers point one way, the front ends (ui, cli, web) -> core -> reports -> combat -> data, and
# no front end includes another. A new folder of src/ fails too, until it is given its place here.
# Usage: check-layers.sh [src folder]
set -euo pipefail
src=${1:-"$(dirname "${BASH_SOURCE[0]}")/../src"}
declare -A rank=([data]=0 [combat]=1 [reports]=2 [core]=3 [cli]=4 [ui]=4 [web]=4)

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
    used=${used%%/*}
    checked=$((checked + 1))
    if [[ -z ${rank[$own]+set} ]]; then
        echo "$file:$line: $text: src/$own has no place in the layer order"
    elif [[ -z ${rank[$used]+set} ]]; then
        echo "$file:$line: $text: $used is no layer of src/"
    elif [[ $used != "$own" && ${rank[$used]} -ge ${rank[$own]} ]]; then
        echo "$file:$line: $text: $own may not include $used"
    else
        continue
    fi
    faults=$((faults + 1))
done <<<"$includes"
echo "$checked includes checked, $faults pointing the wrong way"
[ "$faults" -eq 0 ]

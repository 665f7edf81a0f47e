#!/usr/bin/env bash
# Fails when a front end (src/ui, src/cli, src/web) writes a field of ProgramState itself:
# front ends change the state only through the core's operations and read what they show.
# It looks for an assignment to a field reached through the state object, and for a
# non-const reference bound to such a field, which would let the writing happen elsewhere.
# Usage: check-state-writes.sh [src folder]
set -euo pipefail
src=${1:-"$(dirname "${BASH_SOURCE[0]}")/../src"}
fields='StoredStats|ActiveStats|Settings|Combat|Inputs|Results|Reports|Stats|Log|DecimalSeparator|QuitRequested|Ui'
field="(m_state|state|State\(\))(\.|->)($fields)\b"
assignment="$field([.][A-Za-z_]+|\[[^]]*\])*[[:space:]]*([-+*/|&^]?=[^=]|\+\+|--)"
reference="[A-Za-z_:<>]+&[[:space:]]*[A-Za-z_]+[[:space:]]*=[[:space:]]*$field"

folders=()
for front in ui cli web; do
    [ -d "$src/$front" ] && folders+=("$src/$front")
done
if [ ${#folders[@]} -eq 0 ]; then
    echo "no front-end folder under $src"
    exit 1
fi
writes=$( (grep -rnE --include='*.h' --include='*.cpp' "$assignment" "${folders[@]}" || true
    grep -rnE --include='*.h' --include='*.cpp' "$reference" "${folders[@]}" |
        grep -vE "const[[:space:]]+[A-Za-z_:<>]+&" || true) | sort -u)
if [ -n "$writes" ]; then
    echo "$writes"
    echo "front ends write ProgramState's fields above: use a core operation instead"
    exit 1
fi
echo "${#folders[@]} front-end folders read ProgramState without writing it"

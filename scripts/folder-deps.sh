#!/usr/bin/env bash
# Lists, for each folder of src/, the other folders whose headers it includes. The core's
# folders point one way: core -> reports -> combat -> data, and data includes nothing of ours.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../src"
for folder in core reports combat data cli ui/common ui/main ui/details; do
    [ -d "$folder" ] || continue
    used=$(grep -rhoE '#include "(ui/[a-z]+|[a-z]+)/' "$folder" | sed -E 's/#include "//; s|/$||' |
        sort -u | { grep -vx "$folder" || true; } | tr "\n" " ")
    printf '%-11s -> %s\n' "$folder" "$used"
done

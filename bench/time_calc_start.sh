#!/bin/sh
# Process start to exit of one `skirmod-calc result`, with hyperfine when it is installed,
# else the average of a plain loop. Usage: bench/time_calc_start.sh build-release/src/cli/skirmod-calc
set -eu
calc=$(realpath "$1")
runs=${2:-500}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
"$calc" result Dreadnought Sovereign 1000 2>/dev/null
if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 20 --runs "$runs" "$calc result Dreadnought Sovereign 1000"
    exit 0
fi
start=$(date +%s%N)
i=0
while [ "$i" -lt "$runs" ]; do
    "$calc" result Dreadnought Sovereign 1000 >/dev/null 2>&1
    i=$((i + 1))
done
end=$(date +%s%N)
echo "mean over $runs runs: $(( (end - start) / runs / 1000 )) us (includes the shell's fork)"

#!/bin/sh
# Runs the built skirmod-calc in an empty folder and checks its exit codes and streams.
set -u
calc=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
failures=0

expect() {
    wanted=$1
    shift
    "$calc" "$@" >out.txt 2>err.txt
    got=$?
    if [ "$got" -ne "$wanted" ]; then
        echo "FAIL: skirmod-calc $* exited $got, not $wanted"; cat err.txt
        failures=$((failures + 1))
    fi
}

expect 0 --version
grep -qx "skirmod-calc [0-9][0-9.]*" out.txt || { echo "FAIL: version text"; failures=$((failures + 1)); }
expect 0 result Dreadnought Sovereign 1000
grep -q "using the built-in ship table" err.txt || { echo "FAIL: no note"; failures=$((failures + 1)); }
grep -q "^1000 Dreadnought will kill " out.txt || { echo "FAIL: result"; failures=$((failures + 1)); }
expect 2 result Nobody Sovereign 10
expect 0 link Dreadnought Sovereign 1000
grep -qx "#att=Dreadnought&def=Sovereign&n=1000" out.txt || { echo "FAIL: link"; failures=$((failures + 1)); }
SKIRMOD_PAGE_URL=https://example.org/sk/ "$calc" link Dreadnought Sovereign 7 >out.txt 2>/dev/null
grep -qx "https://example.org/sk/#att=Dreadnought&def=Sovereign&n=7" out.txt ||
    { echo "FAIL: link after SKIRMOD_PAGE_URL"; failures=$((failures + 1)); }
expect 2 link Nobody Sovereign 10
expect 2 stop Dreadnought Sovereign none
expect 2 bogus
expect 1 --stats missing.txt result Dreadnought Sovereign 10
expect 0 matrix --count 1000 --svg map.svg
grep -q "at 1000 ships</text>" map.svg || { echo "FAIL: matrix picture"; failures=$((failures + 1)); }
expect 2 matrix --csv --json
expect 1 matrix --svg no/such/folder/map.svg
grep -q "cannot write no/such/folder/map.svg" err.txt || { echo "FAIL: svg message"; failures=$((failures + 1)); }
printf 'one\r\ntwo\r\n' >ShipStats.txt
expect 1 result Dreadnought Sovereign 10
grep -q "damaged" err.txt || { echo "FAIL: damage message"; failures=$((failures + 1)); }
[ -s out.txt ] && { echo "FAIL: output despite the damaged file"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "all exit codes as documented"
exit "$failures"

#!/bin/sh
# skirmod-calc.exe under Wine with names outside ASCII: in a console (a terminal, which Wine
# takes for one) and through a pipe, a typed name in its messages and a ship name from the
# table in its answers must read right, and the ship's name typed as it reads must find it.
set -u
calc=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
name=$(printf 'J\303\266rg')
ship=$(printf 'Sp\303\251rrow')
# A stats file of the right length whose first ship is named in Latin-1, as tables are.
{
    printf 'header\r\nShipName :-\r\nSp\351rrow\r\n'
    line=4
    while [ "$line" -le 3079 ]; do
        printf '\r\n'
        line=$((line + 1))
    done
} >ShipStats.txt
failures=0

check() { # what, wanted text, output
    if printf '%s' "$3" | grep -qF "$2"; then
        echo "ok: $1"
    else
        echo "FAIL: $1 shows no \"$2\":"
        printf '%s\n' "$3" | head -n 5
        failures=$((failures + 1))
    fi
}

# Wine's console draws with escape sequences of its own: take them out.
in_console() {
    script -qec "wine '$calc' $1" /dev/null | sed 's/\x1b\[[?0-9;]*[a-zA-Z]//g'
}

unknown="unknown ship name '$name'"
check "console" "$unknown" "$(in_console "result '$name' '$name' 5")"
check "pipe" "$unknown" "$(wine "$calc" result "$name" "$name" 5 2>&1 | cat)"
answer="5 $ship "
check "table name in the console" "$answer" \
    "$(in_console "--stats ShipStats.txt result '$ship' '$ship' 5")"
check "table name through a pipe" "$answer" \
    "$(wine "$calc" --stats ShipStats.txt result "$ship" "$ship" 5 2>&1 | cat)"
[ "$failures" -eq 0 ]

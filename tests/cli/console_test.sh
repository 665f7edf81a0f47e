#!/bin/sh
# skirmod-calc.exe under Wine, its messages naming a ship outside ASCII: in a console (a
# terminal, which Wine takes for one) and through a pipe, the name must read right.
set -u
calc=$1
name=$(printf 'J\303\266rg')
wanted="unknown ship name '$name'"
failures=0

check() {
    if printf '%s' "$2" | grep -qF "$wanted"; then
        echo "ok: $1"
    else
        echo "FAIL: $1 shows no \"$wanted\":"
        printf '%s\n' "$2" | head -n 5
        failures=$((failures + 1))
    fi
}

# Wine's console draws with escape sequences of its own: take them out.
console=$(script -qec "wine '$calc' result '$name' '$name' 5" /dev/null |
    sed 's/\x1b\[[?0-9;]*[a-zA-Z]//g')
check "console" "$console"
piped=$(wine "$calc" result "$name" "$name" 5 2>&1 | cat)
check "pipe" "$piped"
[ "$failures" -eq 0 ]

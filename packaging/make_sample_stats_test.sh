#!/bin/sh
# The sample writer takes options as options, never as the name of the file to write.
# Argument: skirmod_make_sample_stats.
set -eu
writer=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
. "$(dirname "$0")/../scripts/check_steps.sh"
cd "$scratch"

status=0
"$writer" --help >help.out 2>help.err || status=$?
check "--help ends with 0" [ "$status" -eq 0 ]
check "--help prints the usage" grep -q '^usage: .* OUTPUT_FILE$' help.out
status=0
"$writer" -o >other.out 2>other.err || status=$?
check "another option ends with 2" [ "$status" -eq 2 ]
check "another option prints the usage as an error" grep -q '^usage: ' other.err
check "no option became a file" [ "$(ls -A | sort | tr '\n' ' ')" = "help.err help.out other.err other.out " ]
"$writer" ShipStats.txt
check "a file name is still written" [ "$(wc -l <ShipStats.txt)" -eq 3079 ]

all_checks_passed

# Sourced by the shell tests: `check DESCRIPTION COMMAND...` runs the command, prints ok or
# FAIL with the description, and counts the failures; `all_checks_passed` ends the test.
failures=0
check() {
    description=$1
    shift
    if "$@"; then
        echo "ok   $description"
    else
        echo "FAIL $description"
        failures=$((failures + 1))
    fi
}
all_checks_passed() {
    [ "$failures" -eq 0 ]
}

#!/usr/bin/env bash
# Runs a command with a fresh, private 64-bit Wine prefix, removed afterwards, so that every
# test run of the Windows builds starts from the same clean Windows. The whole Wine
# environment of the builds and tests is set here.
set -euo pipefail
# shellcheck source=windows-qt.sh
. "$(dirname "${BASH_SOURCE[0]}")/windows-qt.sh"
prefix=$(mktemp -d)
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
# No .NET or browser engine to offer installing: none of ours needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# The cross-built tests load the MinGW runtime DLLs from where the cross compiler keeps them.
runtime_folders=()
for dll in "${mingw_runtime_dlls[@]}"; do
    file=$(mingw_runtime_file "$dll")
    [[ " ${runtime_folders[*]} " == *" Z:${file%/*} "* ]] || runtime_folders+=("Z:${file%/*}")
done
WINEPATH=$(IFS=';' && echo "${runtime_folders[*]}")
export WINEPATH
stop_wine() {
    wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
}
trap stop_wine EXIT
if ! wineboot -i >"$prefix.boot.log" 2>&1; then
    cat "$prefix.boot.log" >&2
    echo "error: wineboot could not make a Wine prefix in $prefix (its output is above)" >&2
    rm -f "$prefix.boot.log"
    exit 1
fi
rm -f "$prefix.boot.log"
status=0
"$@" || status=$?
exit "$status"

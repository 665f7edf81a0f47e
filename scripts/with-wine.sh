#!/usr/bin/env bash
# Runs a command with a fresh, private 64-bit Wine prefix, removed afterwards, so that every
# test run of the Windows builds starts from the same clean Windows.
set -euo pipefail
prefix=$(mktemp -d)
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
# No .NET or browser engine to offer installing: none of ours needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
stop_wine() {
    wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
}
trap stop_wine EXIT
wineboot -i >/dev/null 2>&1
status=0
"$@" || status=$?
exit "$status"

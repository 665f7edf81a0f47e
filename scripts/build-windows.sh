#!/usr/bin/env bash
# Cross-builds Skirmod for 64-bit Windows on Debian and packs the zip a Windows player
# downloads. Installs what is missing with apt-get, builds Qt for Windows from Debian's own
# qt6-base source once (cached outside the checkout, see windows-qt.sh), cross-builds
# skirmod.exe and skirmod-calc.exe with MinGW-w64 and writes
# build-windows/skirmod-<version>-windows-x64.zip, whose path is the last line printed.
#   build-windows.sh            all of it
#   build-windows.sh --qt-only  only make sure the cached Qt for Windows is there
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=windows-qt.sh
. "$root/scripts/windows-qt.sh"
toolchain=$root/cmake/mingw-w64-x86_64.cmake
qt_stamp=$qt_windows_prefix/.skirmod-complete

# Debian keeps the Qt source apart from the binaries: apt-get source needs a deb-src entry.
add_debian_sources() {
    if apt-get indextargets --format '$(IDENTIFIER)' 2>/dev/null | grep -qx Sources; then
        return
    fi
    cat >/etc/apt/sources.list.d/skirmod-deb-src.sources <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    apt-get update -q >/dev/null
}

fetch_qt_source() {
    local work=$1
    add_debian_sources
    (cd "$work" && apt-get source -q "qt6-base" >/dev/null)
    local source
    source=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n 1)
    if [ -z "$source" ]; then
        echo "error: Debian's qt6-base source is not version $qt_version" >&2
        exit 1
    fi
    echo "$source"
}

build_qt() {
    if [ -f "$qt_stamp" ]; then
        return
    fi
    local work=$skirmod_cache/qt-build-$qt_options_hash
    rm -rf "$work" "$qt_windows_prefix"
    mkdir -p "$work"
    echo "Building Qt $qt_version for Windows into $qt_windows_prefix (once; it takes a while)"
    local source
    source=$(fetch_qt_source "$work")
    # Host tools (moc, rcc, uic) come from the Linux Qt of the same version.
    cmake -S "$source" -B "$work/build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$qt_windows_prefix" \
        "${qt_configure_options[@]}" >"$work/configure.log"
    cmake --build "$work/build" >"$work/build.log"
    cmake --install "$work/build" >/dev/null
    touch "$qt_stamp"
    rm -rf "$work"
}

"$root/scripts/install-deps.sh" windows
build_qt
if [ "${1:-}" = --qt-only ]; then
    echo "$qt_windows_prefix"
    exit 0
fi

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
    copy_qt_licences "$work" "$source"
    touch "$qt_stamp"
    rm -rf "$work"
}

# The licence texts the Qt DLLs ask to travel with them, kept beside the cached Qt; taken
# from the source of the build (`work` is where apt-get source put it).
copy_qt_licences() {
    local work=$1 source=$2
    local licences=$qt_windows_prefix/licences
    rm -rf "$licences.partial"
    mkdir -p "$licences.partial/3rdparty"
    cp "$source"/LICENSES/LGPL-3.0-only.txt "$source"/LICENSES/GPL-3.0-only.txt \
        "$source"/debian/copyright "$licences.partial/"
    # The libraries Qt builds into its DLLs from its own copies.
    local library
    for library in zlib pcre2 harfbuzz-ng freetype libpng md4c double-conversion tinycbor; do
        if [ -d "$source/src/3rdparty/$library" ]; then
            mkdir -p "$licences.partial/3rdparty/$library"
            find "$source/src/3rdparty/$library" -maxdepth 2 -type f \
                \( -iname 'LICENSE*' -o -iname 'LICENCE*' -o -iname 'COPYING*' -o -iname 'qt_attribution.json' \) \
                -exec cp {} "$licences.partial/3rdparty/$library/" \;
        fi
    done
    find "$work" -maxdepth 1 -name '*.dsc' -printf '%f\n' | sed 's/_/ /; s/\.dsc$//' \
        >"$licences.partial/SOURCE-PACKAGE"
    mv "$licences.partial" "$licences"
}

# A Qt cached before its licences were kept gets them from a fresh copy of the source.
keep_qt_licences() {
    if [ -d "$qt_windows_prefix/licences" ]; then
        return
    fi
    local work
    work=$(mktemp -d)
    copy_qt_licences "$work" "$(fetch_qt_source "$work")"
    rm -rf "$work"
}

project_version() {
    sed -n 's/^project(Skirmod VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt"
}

cross_build_program() {
    local build=$1
    cmake -S "$root" -B "$build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DSKIRMOD_BUILD_TESTS=OFF -DCMAKE_PREFIX_PATH="$qt_windows_prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
    # The sample ShipStats.txt is written by a Windows program of the build, run by Wine.
    "$root/scripts/with-wine.sh" cmake --build "$build"
}

# What Windows loads: Qt's three libraries, its platform plug-in and the MinGW runtime.
copy_runtime() {
    local folder=$1
    cp "$qt_windows_prefix"/bin/Qt6{Core,Gui,Widgets}.dll "$folder/"
    mkdir -p "$folder/platforms"
    cp "$qt_windows_prefix/plugins/platforms/qwindows.dll" "$folder/platforms/"
    local gcc_runtime=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
    cp "$gcc_runtime/libstdc++-6.dll" "$gcc_runtime/libgcc_s_seh-1.dll" \
        /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$folder/"
    find "$folder" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
}

copy_licences() {
    local folder=$1/licences
    mkdir -p "$folder/qt" "$folder/mingw-w64"
    cp -r "$qt_windows_prefix/licences/." "$folder/qt/"
    cp /usr/share/doc/gcc-mingw-w64-base/copyright "$folder/mingw-w64/gcc-runtime.txt"
    cp /usr/share/doc/mingw-w64-common/copyright "$folder/mingw-w64/mingw-w64-and-winpthreads.txt"
    cp /usr/share/doc/fonts-liberation/copyright "$folder/liberation-fonts.txt"
    cat >"$1/THIRD-PARTY.txt" <<NOTICE
Skirmod itself is under the MIT licence (LICENSE). It brings along:

- Qt $qt_version (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll, platforms/qwindows.dll), under
  the GNU Lesser General Public License version 3 (licences/qt/LGPL-3.0-only.txt, which
  builds on licences/qt/GPL-3.0-only.txt). These DLLs were built unmodified, with features
  switched off, from Debian's qt6-base source package $(cat "$qt_windows_prefix/licences/SOURCE-PACKAGE")
  (apt-get source qt6-base on Debian 12, or https://sources.debian.org/src/qt6-base/).
  You may replace them with your own build of the same Qt version. The libraries Qt
  includes have their notices in licences/qt/3rdparty and licences/qt/copyright.
- The GCC runtime (libstdc++-6.dll, libgcc_s_seh-1.dll), under the GNU General Public
  License version 3 with the GCC Runtime Library Exception, and the MinGW-w64 runtime with
  winpthreads (libwinpthread-1.dll): licences/mingw-w64.
- The Liberation Sans fonts, built into skirmod.exe for systems without Arial, under the
  SIL Open Font License 1.1: licences/liberation-fonts.txt.
NOTICE
}

make_zip() {
    local version
    version=$(project_version)
    local out=$root/build-windows
    local name=skirmod-$version-windows-x64
    cross_build_program "$out/build"
    rm -rf "$out/stage"
    mkdir -p "$out/stage"
    cmake --install "$out/build" --prefix "$out/stage/$name" --strip >/dev/null
    copy_runtime "$out/stage/$name"
    copy_licences "$out/stage/$name"
    rm -f "$out/$name.zip"
    (cd "$out/stage" && zip -q -r -X "$out/$name.zip" "$name")
    echo "$out/$name.zip"
}

"$root/scripts/install-deps.sh" windows
build_qt
keep_qt_licences
if [ "${1:-}" = --qt-only ]; then
    echo "$qt_windows_prefix"
    exit 0
fi
make_zip

#!/usr/bin/env bash
# Cross-builds Skirmod for 64-bit Windows on Debian and packs the zip a Windows player
# downloads. Installs what is missing with apt-get, builds Qt for Windows from Debian's own
# qt6-base source once (cached outside the checkout, see windows-qt.sh), cross-builds
# skirmod.exe and skirmod-calc.exe with MinGW-w64 and writes
# build-windows/skirmod-<version>-windows-x64.zip, whose path is the last line printed.
# Runs as root, or as a user who may use sudo.
#   build-windows.sh            all of it
#   build-windows.sh --qt-only  only make sure the cached Qt for Windows is there
#   build-windows.sh --test T   the widget test T built for Windows, in a folder with the
#                               DLL it needs beside the zip's; prints T.exe's path last
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=windows-qt.sh
. "$root/scripts/windows-qt.sh"
toolchain=$root/cmake/mingw-w64-x86_64.cmake
qt_stamp=$qt_windows_prefix/.skirmod-complete

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

fail() {
    echo "error: $*" >&2
    exit 1
}

# Runs a step with its output in `log`; a failure names the step and the log and stops.
run_logged() {
    local step=$1 log=$2
    shift 2
    if ! "$@" >"$log" 2>&1; then
        tail -n 20 "$log" >&2
        fail "$step failed; the whole output is in $log"
    fi
}

# The apt entries (file:number) that bring Debian's own packages, Qt among them.
debian_entries() {
    apt-get indextargets --format '$(SOURCESENTRY)' 'Identifier: Packages' 'Origin: Debian' |
        sort -u
}

# Prints the entry `file:number` with its type made deb-src: the stanza of a deb822 .sources
# file, or the line of a one-line .list file.
source_twin() {
    local file=${1%:*} number=${1##*:}
    case $file in
        *.sources)
            awk -v n="$number" 'BEGIN { RS = ""; ORS = "\n\n" } NR == n' "$file" |
                sed 's/^Types:.*/Types: deb-src/'
            ;;
        *) sed -n "${number}s/^deb\([[:space:]]\)/deb-src\1/p" "$file" ;;
    esac
}

# Debian keeps the Qt source apart from the binaries: apt-get source needs a deb-src entry,
# taken from the machine's own entries for Debian, so mirror, release and keys stay its own.
add_debian_sources() {
    if apt-get indextargets --format '$(IDENTIFIER)' 'Origin: Debian' | grep -qx Sources; then
        return
    fi
    # Without lists apt does not know which entries are Debian's.
    [ -n "$(debian_entries)" ] || "${as_root[@]}" apt-get update -q >/dev/null
    local entry deb822='' one_line=''
    while IFS= read -r entry; do
        case $entry in
            *.sources:*) deb822+=$(source_twin "$entry")$'\n\n' ;;
            *) one_line+=$(source_twin "$entry")$'\n' ;;
        esac
    done < <(debian_entries)
    [ -n "$deb822$one_line" ] || fail "no apt entry brings Debian's packages; add a deb-src entry for Debian by hand"
    local name=/etc/apt/sources.list.d/skirmod-deb-src
    [ -z "$deb822" ] || printf '%s' "$deb822" | "${as_root[@]}" tee "$name.sources" >/dev/null
    [ -z "$one_line" ] || printf '%s' "$one_line" | "${as_root[@]}" tee "$name.list" >/dev/null
    local log
    log=$(mktemp --suffix=-apt-update.log)
    run_logged "apt-get update with the deb-src entries of $name.*" "$log" \
        "${as_root[@]}" apt-get update -q
}

# Fetches Debian's qt6-base source into `work`, once: the mark stays with a whole source.
fetch_qt_source() {
    local work=$1
    [ -f "$work/.source-complete" ] && return
    find "$work" -mindepth 1 -delete
    add_debian_sources
    run_logged "apt-get source qt6-base" "$work/source.log" \
        bash -c 'cd "$1" && apt-get source -q qt6-base' _ "$work"
    touch "$work/.source-complete"
}

# Sets qt_source to the folder of the source in `work`.
find_qt_source() {
    local work=$1
    qt_source=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n 1)
    [ -n "$qt_source" ] || fail "Debian's qt6-base source is not Qt $qt_version: $(find "$work" -maxdepth 1 -name '*.dsc' -printf '%f ')"
}

# The work folder's name carries the options' hash, so a build that was stopped goes on
# where it stopped with the same options: the 40 minutes are not spent twice.
build_qt() {
    # The stamp is written once the licences are there; a cache older than that is built again.
    if [ -f "$qt_stamp" ] && [ -d "$qt_windows_prefix/licences" ]; then
        return
    fi
    local work=$skirmod_cache/qt-build-$qt_options_hash
    rm -rf "$qt_windows_prefix"
    mkdir -p "$work"
    echo "Building Qt $qt_version for Windows into $qt_windows_prefix (once; it takes a while)"
    fetch_qt_source "$work"
    find_qt_source "$work"
    # CMake writes build.ninja last, so a configure that did not finish runs again.
    if [ ! -f "$work/build/build.ninja" ]; then
        run_logged "Configuring Qt for Windows" "$work/configure.log" \
            cmake -S "$qt_source" -B "$work/build" -G Ninja -Wno-dev \
            -DCMAKE_TOOLCHAIN_FILE="$toolchain" "${host_qt[@]}" \
            -DCMAKE_INSTALL_PREFIX="$qt_windows_prefix" "${qt_configure_options[@]}"
    fi
    run_logged "Building Qt for Windows" "$work/build.log" cmake --build "$work/build"
    run_logged "Installing Qt for Windows" "$work/install.log" cmake --install "$work/build"
    copy_qt_licences "$work" "$qt_source"
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

project_version() {
    sed -n 's/^project(Skirmod VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt"
}

# Configures `build` against the cached Qt for Windows; the rest of the arguments are
# CMake's options.
configure_for_windows() {
    local build=$1
    shift
    mkdir -p "$build"
    run_logged "Configuring Skirmod for Windows" "$build/configure.log" \
        cmake -S "$root" -B "$build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_PREFIX_PATH="$qt_windows_prefix" "${host_qt[@]}" \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine "$@"
}

cross_build_program() {
    local build=$1
    configure_for_windows "$build" -DSKIRMOD_BUILD_TESTS=OFF
    # The sample ShipStats.txt is written by a Windows program of the build, run by Wine.
    "$root/scripts/with-wine.sh" cmake --build "$build" || fail "building Skirmod for Windows failed (above)"
}

# Only the one test: a build of every test for Windows would take long and run nowhere.
cross_build_test() {
    local test=$1 out=$root/build-windows
    configure_for_windows "$out/tests" -DSKIRMOD_BUILD_TESTS=ON -DSKIRMOD_BUILD_BENCH=OFF
    run_logged "Building $test for Windows" "$out/tests/build.log" \
        cmake --build "$out/tests" --target "$test"
    local program
    program=$(find "$out/tests" -name "$test.exe" -print -quit)
    [ -n "$program" ] || fail "the build made no $test.exe; is $test a test of tests/ui?"
    rm -rf "$out/test-$test"
    mkdir -p "$out/test-$test"
    cp "$program" "$qt_windows_prefix/bin/Qt6Test.dll" "$out/test-$test/"
    echo "$out/test-$test/$test.exe"
}

# What Windows loads: Qt's three libraries, its platform plug-in and the MinGW runtime.
copy_runtime() {
    local folder=$1
    cp "$qt_windows_prefix"/bin/Qt6{Core,Gui,Widgets}.dll "$folder/"
    mkdir -p "$folder/platforms"
    cp "$qt_windows_prefix/plugins/platforms/qwindows.dll" "$folder/platforms/"
    local dll
    for dll in "${mingw_runtime_dlls[@]}"; do
        cp "$(mingw_runtime_file "$dll")" "$folder/"
    done
    find "$folder" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
}

copy_licences() {
    local folder=$1/licences
    mkdir -p "$folder/qt" "$folder/mingw-w64"
    cp -r "$qt_windows_prefix/licences/." "$folder/qt/"
    rm "$folder/qt/SOURCE-PACKAGE"
    # Texts without an extension get .txt, so that Explorer opens them with a double-click.
    find "$folder/qt" -type f ! -name '*.*' -exec mv {} {}.txt \;
    cp /usr/share/doc/gcc-mingw-w64-base/copyright "$folder/mingw-w64/gcc-runtime.txt"
    cp /usr/share/doc/mingw-w64-common/copyright "$folder/mingw-w64/mingw-w64-and-winpthreads.txt"
    cp /usr/share/doc/fonts-liberation/copyright "$folder/liberation-fonts.txt"
    cat >"$1/THIRD-PARTY.txt" <<NOTICE
Skirmod itself is under the MIT licence (LICENSE.txt). It brings along:

- Qt $qt_version (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll, platforms\\qwindows.dll), under
  the GNU Lesser General Public License version 3 (licences\\qt\\LGPL-3.0-only.txt, which
  builds on licences\\qt\\GPL-3.0-only.txt). These DLLs were built unmodified, with features
  switched off, from Debian's qt6-base source package $(cat "$qt_windows_prefix/licences/SOURCE-PACKAGE"),
  which Debian's archive keeps (apt-get source qt6-base).
  You may replace them with your own build of the same Qt version. The libraries Qt
  includes have their notices in licences\\qt\\3rdparty and licences\\qt\\copyright.txt.
- The GCC runtime (libstdc++-6.dll, libgcc_s_seh-1.dll), under the GNU General Public
  License version 3 with the GCC Runtime Library Exception, and the MinGW-w64 runtime with
  winpthreads (libwinpthread-1.dll): licences\\mingw-w64.
- The Liberation Sans fonts, built into skirmod.exe for systems without Arial, under the
  SIL Open Font License 1.1: licences\\liberation-fonts.txt.
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
    run_logged "Installing into the zip's folder" "$out/build/install.log" \
        cmake --install "$out/build" --prefix "$out/stage/$name" --strip
    copy_runtime "$out/stage/$name"
    copy_licences "$out/stage/$name"
    rm -f "$out/$name.zip"
    (cd "$out/stage" && zip -q -r -X "$out/$name.zip" "$name") || fail "zip could not pack $out/stage/$name"
    echo "$out/$name.zip"
}

"$root/scripts/install-deps.sh" windows
# The Linux Qt of the same version lends its host tools (moc, rcc, uic) to both builds.
host_qt=(-DQT_HOST_PATH=/usr
         "-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake")
build_qt
case ${1:-} in
    --qt-only) echo "$qt_windows_prefix" ;;
    --test) cross_build_test "${2:?--test needs the name of a test}" ;;
    *) make_zip ;;
esac

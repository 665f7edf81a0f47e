# Sourced by the Windows build and test scripts: which Qt for Windows the program builds
# against, with what options, and where the built Qt is cached. The cache folder's name
# carries a hash of the options, so changing any of them builds a new Qt beside the old.
# Also where the MinGW runtime DLLs are that every program of the cross build loads.
qt_version=6.4.2
qt_configure_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DFEATURE_pkg_config=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_opengl=OFF
    -DINPUT_opengl=no
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_direct2d=OFF
    -DFEATURE_directwrite3=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_libpng=OFF
)
qt_options_hash=$(printf '%s\n' "$qt_version" "${qt_configure_options[@]}" | sha256sum | cut -c1-12)
skirmod_cache=${SKIRMOD_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/skirmod}
qt_windows_prefix=$skirmod_cache/qt-$qt_version-mingw64-$qt_options_hash

# The cross compiler knows where its runtime DLLs are, whatever its version and the host's.
mingw_runtime_dlls=(libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
mingw_runtime_file() {
    local file
    file=$(x86_64-w64-mingw32-g++-posix -print-file-name="$1")
    if [ ! -f "$file" ]; then
        echo "error: x86_64-w64-mingw32-g++-posix finds no $1 (is g++-mingw-w64-x86-64-posix installed?)" >&2
        return 1
    fi
    realpath "$file"
}

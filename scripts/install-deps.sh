#!/usr/bin/env bash
# Installs with apt-get the Debian packages that a list names, plus any named after it:
#   install-deps.sh run [package...]    what building and running the program need (./run.sh)
#   install-deps.sh test [package...]   that and everything the tests, benchmarks, fuzzers,
#                                       the real-desktop checks and the Windows tiers need
#                                       (./test.sh)
#   install-deps.sh windows [package...] what cross-building for Windows needs
#                                       (scripts/build-windows.sh)
#   install-deps.sh web [package...]    what building the page and serving it need
#                                       (scripts/build-web.sh, ./run.sh --web)
# Without a list name it installs the test list. The package index is refreshed only when
# something is missing.
set -euo pipefail

run_packages=(
    g++ cmake ninja-build
    qt6-base-dev
    nlohmann-json3-dev libcli11-dev
    fonts-liberation
)
# Qt for Windows is built with the Linux Qt's host tools; GoogleTest comes as source.
windows_packages=(
    cmake ninja-build qt6-base-dev dpkg-dev
    g++-mingw-w64-x86-64-posix googletest
    wine wine64 zip unzip
)
# Debian's em++ brings its own clang; node also finishes the site (src/web/bake_site.js);
# python3 serves it.
web_packages=(cmake ninja-build emscripten nodejs python3)
test_packages=(
    "${run_packages[@]}"
    "${windows_packages[@]}"
    "${web_packages[@]}"
    chromium chromium-driver python3-selenium
    # The page test in Firefox: Debian's ESR, driven from Python over WebDriver BiDi.
    firefox-esr python3-websocket
    libgtest-dev libbenchmark-dev
    # The oracle of the link's DEFLATE tests.
    zlib1g-dev
    clang libclang-rt-14-dev
    xvfb xauth openbox xdotool x11-utils xclip
    # The screen-reader tests of the program and of the page in Chromium: Orca, its speech
    # server (whose generic module stands in for a voice) and the accessibility bus.
    orca speech-dispatcher at-spi2-core dbus-daemon dbus-bin procps
)

list=test
case ${1:-} in
    run | test | windows | web)
        list=$1
        shift
        ;;
esac
if [ "$list" = run ]; then
    packages=("${run_packages[@]}" "$@")
elif [ "$list" = windows ]; then
    packages=("${windows_packages[@]}" "$@")
elif [ "$list" = web ]; then
    packages=("${web_packages[@]}" "$@")
else
    packages=("${test_packages[@]}" "$@")
fi

missing=()
for pkg in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "error: need root or sudo to install ${missing[*]}" >&2; exit 1; }
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo_cmd[@]}" apt-get update -q || ! "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"; then
    echo "error: could not install ${missing[*]}" >&2
    exit 1
fi

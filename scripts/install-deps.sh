#!/usr/bin/env bash
# Installs with apt-get every Debian package that building, testing and running need,
# plus any named on the command line. The package index is refreshed only when something
# is missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build
    qt6-base-dev
    libgtest-dev libbenchmark-dev
    nlohmann-json3-dev libcli11-dev
    clang libclang-rt-14-dev
    fonts-liberation
    xvfb openbox xdotool x11-utils
    "$@"
)

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

#!/usr/bin/env bash
# Builds the Debian package in build-deb (the hardened "deb" preset, without tests), checks
# it with lintian, installs it on this machine with apt-get, starts it under Xvfb the way the
# desktop entry does (twice, with a fresh HOME), then removes and purges it. Prints every check; stops with a non-zero status at the first that fails.
# Needs root or sudo; leaves the machine without the package, as it found it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-deb"
package=skirmod
main_window_size=132x126

pass() { echo "  ok    $*"; }
fail() {
    echo "  FAILED $*" >&2
    exit 1
}
step() { echo "== $*"; }

# One start under the X server that xvfb-run provides: $2 is HOME, $3 the folder the
# program must run in, $4 where the screenshot goes. Prints the window area's mean grey
# level (0 black .. 1 white) for the caller to judge the colours.
if [ "${1:-}" = --session ]; then
    home=$2 folder=$3 shot=$4
    title="Skirmod v$(skirmod --version | sed 's/^skirmod //')"
    log="$(dirname "$shot")/$(basename "$shot" .png).log"
    HOME="$home" skirmod-launcher >"$log" 2>&1 &
    program=$!
    trap 'kill "$program" 2>/dev/null || true' EXIT

    window=
    for _ in $(seq 50); do
        window=$(xdotool search --onlyvisible --name "^${title//./\\.}\$" 2>/dev/null | head -n 1) || true
        [ -n "$window" ] && break
        kill -0 "$program" 2>/dev/null || break
        sleep 0.2
    done
    [ -n "$window" ] || { cat "$log" >&2; fail "no visible window named \"$title\""; }
    pass "a window named \"$title\" is shown"

    # Focus it as a click would: activation is when the window takes its colours from the
    # loaded ShipStats.txt.
    xdotool windowfocus "$window" || fail "could not focus the window"
    sleep 2
    kill -0 "$program" 2>/dev/null || { cat "$log" >&2; fail "the program ended by itself"; }
    pass "the program still runs 2 seconds later"

    xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (128 x 128)' ||
        fail "the window does not carry the program's 128x128 icon"
    pass "the window carries the program's own icon"

    windows=$(xdotool search --onlyvisible --name 'Skirmod' | wc -l)
    [ "$windows" -eq 1 ] || fail "$windows visible windows, expected the main window alone"
    pass "no other window (no message box) is open"

    geometry=$(xwininfo -id "$window")
    field() { sed -n "s/^ *$1: *//p" <<<"$geometry"; }
    width=$(field Width) height=$(field Height)
    left=$(field 'Absolute upper-left X') top=$(field 'Absolute upper-left Y')
    [ "${width}x${height}" = "$main_window_size" ] ||
        fail "the window is ${width}x${height}, expected $main_window_size"
    pass "the window is $main_window_size at $left,$top"

    cwd=$(readlink "/proc/$program/cwd")
    [ "$cwd" = "$folder" ] || fail "the program runs in $cwd, expected $folder"
    pass "the program runs in $folder"

    import -window root "$shot"
    area=(-crop "${width}x${height}+${left}+${top}" +repage)
    colours=$(convert "$shot" "${area[@]}" -format '%k' info:)
    [ "$colours" -gt 1 ] || fail "the window area in $shot is a single colour"
    pass "the window area in $shot shows $colours colours"
    echo "        mean grey: $(convert "$shot" "${area[@]}" -colorspace Gray -format '%[fx:mean]' info:)"
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || fail "need root or sudo to install the package"
    sudo_cmd=(sudo)
fi
# Runs a command with its output in a log, shown only when the command fails.
quietly() {
    "$@" >"$scratch/log" 2>&1 || {
        tail -n 40 "$scratch/log" >&2
        fail "$* failed"
    }
}
apt_get() { quietly "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -q -y "$@"; }
installed() { dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; }

step "Tools"
"$root/scripts/install-deps.sh" run dpkg-dev xvfb xauth x11-utils xdotool imagemagick \
    desktop-file-utils lintian appstream
! installed || fail "$package is installed already; remove it first (apt-get purge $package)"
pass "$package is not installed yet"

scratch=$(mktemp -d)
we_installed=
cleanup() {
    if [ -n "$we_installed" ] && installed; then
        "${sudo_cmd[@]}" apt-get -q -y purge "$package" >/dev/null 2>&1 || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

step "Build and package ($build)"
quietly cmake -S "$root" --preset deb
quietly cmake --build "$build"
pass "the hardened release build in $build succeeded"
rm -f "$build/$package"_*.deb
(cd "$build" && quietly cpack -G DEB)
debs=("$build/$package"_*.deb)
{ [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ]; } || fail "cpack made no single ${package}_*.deb"
deb=${debs[0]}
pass "cpack made $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
echo "        Depends: $depends"
for needed in fonts-liberation libqt6widgets6 libstdc++6; do
    grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed"
done
pass "Depends names the fonts, Qt and the C++ runtime"

step "lintian"
# Errors and warnings fail; info tags are shown for the reader.
lintian --display-info --fail-on error,warning "$deb" | tee "$scratch/lintian" ||
    fail "lintian reports an error or a warning"
[ -s "$scratch/lintian" ] || echo "        (no tags)"
pass "lintian reports no error and no warning"

step "Install"
# Only what the package needs: a Recommends would stay behind after the purge.
apt_get install --no-install-recommends "$deb"
we_installed=yes
installed || fail "dpkg does not list $package as installed"
pass "apt-get installed $package $(dpkg-query -W -f='${Version}' "$package")"

expected_files=(
    /usr/bin/skirmod
    /usr/bin/skirmod-launcher
    /usr/bin/skirmod-calc
    /usr/share/applications/org.skirmod.Skirmod.desktop
    /usr/share/icons/hicolor/scalable/apps/org.skirmod.Skirmod.svg
    /usr/share/metainfo/org.skirmod.Skirmod.metainfo.xml
    /usr/share/man/man1/skirmod.1.gz
    /usr/share/man/man1/skirmod-launcher.1.gz
    /usr/share/man/man1/skirmod-calc.1.gz
    /usr/share/doc/skirmod/copyright
    /usr/share/doc/skirmod/changelog.gz
    /usr/share/skirmod/ReadMe1st.txt
    /usr/share/skirmod/ShipStats.txt
)
dpkg -L "$package" >"$scratch/files"
mapfile -t package_files < <(while read -r path; do [ -d "$path" ] || echo "$path"; done <"$scratch/files")
echo "        installed files:"
printf '          %s\n' "${package_files[@]}"
[ "$(printf '%s\n' "${package_files[@]}" | sort)" = "$(printf '%s\n' "${expected_files[@]}" | sort)" ] ||
    fail "the package holds other files than expected"
pass "dpkg -L lists exactly the ${#expected_files[@]} expected files"
for path in "${expected_files[@]}"; do
    [ -f "$path" ] || fail "$path is missing"
done
pass "all of them are on disk"
{ [ -x /usr/bin/skirmod ] && [ -x /usr/bin/skirmod-launcher ] && [ -x /usr/bin/skirmod-calc ]; } ||
    fail "a program is not executable"
pass "the program, the launcher and skirmod-calc are executable"
desktop-file-validate /usr/share/applications/org.skirmod.Skirmod.desktop ||
    fail "the desktop entry does not validate"
pass "desktop-file-validate accepts the desktop entry"
quietly appstreamcli validate --no-net /usr/share/metainfo/org.skirmod.Skirmod.metainfo.xml
pass "appstreamcli validate accepts the AppStream metadata"
version=$(dpkg-query -W -f='${Version}' "$package")
[ "$(skirmod --version)" = "skirmod $version" ] || fail "skirmod --version does not print $version"
[ "$(skirmod-calc --version)" = "skirmod-calc $version" ] ||
    fail "skirmod-calc --version does not print $version"
[ "$(cd / && skirmod-calc --stats /usr/share/skirmod/ShipStats.txt result Sparrow Sparrow 10 | wc -l)" = 1 ] ||
    fail "skirmod-calc does not answer on the sample table"
pass "skirmod and skirmod-calc print \"$version\" without a window; skirmod-calc answers"
for page in skirmod skirmod-launcher skirmod-calc; do
    man -w "$page" >/dev/null 2>&1 || fail "man finds no page for $page"
done
pass "man finds the pages of the three commands"
[ "$(wc -l </usr/share/skirmod/ShipStats.txt)" -eq 3079 ] ||
    fail "the sample ShipStats.txt does not have 3079 lines"
pass "the sample ShipStats.txt has 3079 lines"

home="$scratch/home of a player"
folder="$home/.local/share/skirmod"
mkdir -p "$home"
session() {
    xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --session "$home" "$folder" "$1" |
        tee "$scratch/session" || fail "the start under Xvfb failed"
    grey=$(sed -n 's/^ *mean grey: //p' "$scratch/session")
}
brighter_than() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

step "First start, HOME=$home"
session "$build/check-deb-first.png"
brighter_than 0.5 "$grey" || fail "the window is not dark (mean grey $grey) with the default colours"
pass "the window is dark (mean grey $grey): the default black background"
for name in ShipStats.txt ReadMe1st.txt; do
    cmp -s "/usr/share/skirmod/$name" "$folder/$name" || fail "$folder/$name is not the sample"
done
pass "the launcher made $folder with both sample files"

step "Second start, after the player changed ShipStats.txt"
# A white main window background in the settings line shows the program read this file.
sed -i '4s/^\([^,]*,[^,]*,[^,]*,[^,]*,[^,]*,\)[^,]*,/\1clWhite,/' "$folder/ShipStats.txt"
grep -q '^[^,]*,[^,]*,[^,]*,[^,]*,[^,]*,clWhite,' <(sed -n 4p "$folder/ShipStats.txt") ||
    fail "could not edit the settings line"
cp "$folder/ShipStats.txt" "$scratch/edited"
session "$build/check-deb-second.png"
cmp -s "$scratch/edited" "$folder/ShipStats.txt" || fail "the player's ShipStats.txt was overwritten"
pass "the player's ShipStats.txt is unchanged"
brighter_than "$grey" 0.5 || fail "the window is not light (mean grey $grey) with a white background"
pass "the window is light (mean grey $grey): the program used the player's settings"

step "Remove and purge"
apt_get remove "$package"
! installed || fail "$package is still installed after apt-get remove"
pass "apt-get remove took $package away"
# Without configuration files the removal leaves dpkg nothing to purge.
if dpkg-query -W "$package" >/dev/null 2>&1; then
    apt_get purge "$package"
    pass "apt-get purge cleared what the removal kept"
else
    pass "nothing is left for apt-get purge: dpkg-query no longer knows $package"
fi
we_installed=
! dpkg -L "$package" >/dev/null 2>&1 || fail "dpkg -L still knows $package"
pass "dpkg -L $package fails: dpkg no longer knows the package"
for path in "${expected_files[@]}" /usr/share/skirmod; do
    [ ! -e "$path" ] || fail "$path is left behind"
done
pass "none of its files and not /usr/share/skirmod are left"
[ -f "$folder/ShipStats.txt" ] || fail "the player's own files went with the package"
pass "the player's folder stays, as user data should"

echo "All checks passed."

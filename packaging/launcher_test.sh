#!/bin/sh
# Installs the build into a scratch prefix whose path holds blanks, puts a stand-in for the
# program beside the launcher, and checks which folder the launcher starts it in and which
# files it gives the player there.
# Arguments: cmake executable, build folder, install bin folder, install data folder.
set -eu
cmake_command=$1
build_dir=$2
bin_subdir=$3
data_subdir=$4

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/pre fix"
"$cmake_command" --install "$build_dir" --prefix "$prefix" >/dev/null
launcher="$prefix/$bin_subdir/skirmod-launcher"
samples="$prefix/$data_subdir/skirmod"
started="$scratch/started"
export SKIRMOD_TEST_STARTED="$started"

# The stand-in notes its working folder and its arguments, one a line.
cat >"$prefix/$bin_subdir/skirmod" <<'STANDIN'
#!/bin/sh
{ pwd; printf '%s\n' "$@"; } >"$SKIRMOD_TEST_STARTED"
STANDIN
chmod +x "$prefix/$bin_subdir/skirmod"

. "$(dirname "$0")/../scripts/check_steps.sh"

# Runs the launcher with HOME=$1 and XDG_DATA_HOME=$2 (unset when empty); the rest are its
# arguments.
launch() {
    home=$1
    data_home=$2
    shift 2
    rm -f "$started"
    (
        export HOME="$home"
        if [ -n "$data_home" ]; then export XDG_DATA_HOME="$data_home"; else unset XDG_DATA_HOME; fi
        "$launcher" "$@"
    )
}

started_in() {
    [ "$(sed -n 1p "$started")" = "$1" ]
}

has_samples() {
    cmp -s "$samples/ShipStats.txt" "$1/ShipStats.txt" &&
        cmp -s "$samples/ReadMe1st.txt" "$1/ReadMe1st.txt"
}

ends_every_line_with_crlf() {
    [ "$(grep -c "$(printf '\r')\$" "$1")" -eq "$(wc -l <"$1")" ]
}

stats="$samples/ShipStats.txt"
check "sample ShipStats.txt has 3079 lines" [ "$(wc -l <"$stats")" -eq 3079 ]
check "sample ShipStats.txt ends every line with CR LF" ends_every_line_with_crlf "$stats"
check "sample ShipStats.txt has the default header" \
    grep -q '^Default ShipStats\. Source\.\.\.\. Taken from manual on 29/05/2003 at ' "$stats"

home="$scratch/home with blanks"
folder="$home/.local/share/skirmod"
launch "$home" "" "first argument" second
check "first start creates the player's folder" [ -d "$folder" ]
check "first start copies both samples there" has_samples "$folder"
check "the program starts in the player's folder" started_in "$folder"
check "arguments reach the program unchanged" \
    [ "$(sed -n '2,$p' "$started")" = "$(printf 'first argument\nsecond')" ]

printf 'edited by the player\r\n' >"$folder/ShipStats.txt"
rm "$folder/ReadMe1st.txt"
launch "$home" ""
check "a later start keeps the player's ShipStats.txt" \
    [ "$(cat "$folder/ShipStats.txt")" = "$(printf 'edited by the player\r')" ]
check "a later start copies a deleted ReadMe1st.txt again" \
    cmp -s "$samples/ReadMe1st.txt" "$folder/ReadMe1st.txt"

rm "$folder/ReadMe1st.txt"
ln -s "$scratch/elsewhere" "$folder/ReadMe1st.txt"
launch "$home" ""
check "a dangling link in the player's folder is not written through" [ ! -e "$scratch/elsewhere" ]

data_home="$scratch/data home"
launch "$home" "$data_home"
check "XDG_DATA_HOME chooses the folder" has_samples "$data_home/skirmod"
check "the program starts in XDG_DATA_HOME's folder" started_in "$data_home/skirmod"

other_home="$scratch/other home"
(cd "$scratch" && launch "$other_home" "relative")
check "a relative XDG_DATA_HOME is ignored" started_in "$other_home/.local/share/skirmod"
check "nothing is made at a relative XDG_DATA_HOME" [ ! -e "$scratch/relative" ]

mkdir "$scratch/links"
ln -s "$launcher" "$scratch/links/skirmod-launcher"
launcher="$scratch/links/skirmod-launcher"
linked_home="$scratch/linked home"
launch "$linked_home" ""
check "a launcher reached through a link finds the samples" \
    has_samples "$linked_home/.local/share/skirmod"

fails_without_home() {
    (
        unset HOME XDG_DATA_HOME
        ! "$launcher" 2>/dev/null
    )
}
rm -f "$started"
check "without HOME the launcher fails" fails_without_home
check "without HOME the program is not started" [ ! -e "$started" ]

all_checks_passed

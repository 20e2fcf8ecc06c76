#!/bin/sh
# launcher_test.sh LAUNCHER: the launcher makes the per-user program directory, starts
# QuorvelII there with the log viewer linked in, and what QuorvelII saves at a SIGTERM lands
# there; a relative XDG_DATA_HOME is ignored, a viewer file of the user's is kept, and
# without a home it says so and starts nothing.
set -eu
launcher=$1
programs=$(dirname -- "$(readlink -f -- "$launcher")")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "launcher_test: $*" >&2
    exit 1
}

# start_and_close DIRECTORY ENV...: starts the launcher with ENV (offscreen), waits until
# QuorvelII has written its start record into DIRECTORY, ends it with SIGTERM.
start_and_close() {
    dir=$1
    shift
    env "$@" QT_QPA_PLATFORM=offscreen "$launcher" >"$scratch/out" 2>&1 &
    pid=$!
    waited=0
    until grep -q 'Program Version 2.05' "$dir/QuorvelII.Log" 2>/dev/null; do
        kill -0 "$pid" 2>/dev/null || { cat "$scratch/out" >&2; fail "ended before its start"; }
        [ "$waited" -lt 600 ] || fail "no start record in $dir"
        sleep 0.1
        waited=$((waited + 1))
    done
    kill -TERM "$pid"
    wait "$pid" || fail "QuorvelII ended with $? after SIGTERM"
    grep -q '^\[MiscInfo\]' "$dir/QuorvelII.Cfg" || fail "no settings file in $dir"
}

# An absolute XDG_DATA_HOME holds the program directory, made with its parents.
start_and_close "$scratch/data/QuorvelII" XDG_DATA_HOME="$scratch/data" HOME="$scratch/none"
[ "$(readlink "$scratch/data/QuorvelII/LogBrowse.exe")" = "$programs/LogBrowse.exe" ] ||
    fail "the viewer is not linked in"
[ ! -e "$scratch/none/.local/share/QuorvelII" ] || fail "the home directory was used"

# A relative one is ignored for ~/.local/share; a viewer file there is the user's own.
mkdir -p "$scratch/home/.local/share/QuorvelII"
echo mine >"$scratch/home/.local/share/QuorvelII/LogBrowse.exe"
start_and_close "$scratch/home/.local/share/QuorvelII" XDG_DATA_HOME=relative HOME="$scratch/home"
[ "$(cat "$scratch/home/.local/share/QuorvelII/LogBrowse.exe")" = mine ] ||
    fail "the user's own LogBrowse.exe was replaced"
[ ! -e relative ] || fail "a relative XDG_DATA_HOME was used"

# Without a home and without XDG_DATA_HOME there is no place for the files.
if env -u HOME -u XDG_DATA_HOME "$launcher" 2>"$scratch/err"; then
    fail "started without a home"
fi
grep -q 'neither XDG_DATA_HOME nor HOME' "$scratch/err" || fail "no message without a home"

# Arguments are refused; --help and --version answer.
if "$launcher" extra 2>/dev/null; then fail "took an argument"; fi
"$launcher" --help | grep -q 'XDG_DATA_HOME' || fail "no help"
[ "$("$launcher" --version)" = "quorvel 2.05" ] || fail "no version"

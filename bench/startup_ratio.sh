#!/usr/bin/env bash
# How QuorvelII and quorvel-cli start, as ratios to floors measured in the same run:
#   - the window mapped, against the bare Qt 6 window `qtfloor` (medians of interleaved runs of
#     the shared startup.sh under Xvfb), and the window's peak RSS;
#   - quorvel-cli PAGE for every page, against a C program that does nothing (medians of
#     hyperfine -N runs, taken in interleaved rounds so that a neighbour's load falls on both).
# The goals: map at most 1.15x qtfloor, peak RSS at most 35 MiB, every page at most 1.3x.
# Only ratios taken in one run mean anything; absolute times vary with the machine and its load.
#
#   bench/startup_ratio.sh [-n GUI_RUNS] [-r CLI_ROUNDS] [-S SHARED_BENCH_DIR] [-d :N] [-P]
#                          [BUILD_DIR]
#
# -d is the X display startup.sh uses (:97; it starts its own Xvfb where none answers). On a
# machine busy with builds, -P (as root) runs every measured program under `chrt -f 10`, so
# that the builds wait instead of the programs; give it with -d on a display where no X server
# runs yet, so that the X server startup.sh starts runs under it too.
#
# BUILD_DIR (default build) holds QuorvelII and quorvel-cli, best built Release or
# RelWithDebInfo. SHARED_BENCH_DIR (default ../shared/bench beside the repository) holds
# startup.sh, xstartwait.c and qtfloor/ (see its README.md); qtfloor is built on first use to
# /tmp/qtfloor-build. Needs (Debian 12): xvfb x11-utils libx11-dev libxdamage-dev gcc cmake
# qt6-base-dev hyperfine python3 dbus.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
gui_runs=11 cli_rounds=10 shared=$here/../../shared/bench display=:97 first=()
while getopts ':n:r:S:d:Ph' o; do
    case $o in
        n) gui_runs=$OPTARG ;; r) cli_rounds=$OPTARG ;; S) shared=$OPTARG ;;
        d) display=$OPTARG ;; P) first=(chrt -f 10) ;;
        h) sed -n '2,22p' "$0"; exit 0 ;;
        *) echo "bad option -$OPTARG (see -h)" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
build=$(cd "${1:-build}" && pwd)
for tool in hyperfine python3 cc cmake; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (see -h)" >&2; exit 2; }
done
[[ -x $shared/startup.sh ]] || { echo "no startup.sh in $shared (give -S)" >&2; exit 2; }

work=$(mktemp -d /tmp/startup-ratio.XXXXXX)
trap 'rm -rf "$work"' EXIT

qtfloor=/tmp/qtfloor-build/qtfloor
if [[ ! -x $qtfloor ]]; then
    cmake -S "$shared/qtfloor" -B /tmp/qtfloor-build -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build /tmp/qtfloor-build >/dev/null
fi
printf 'int main(void) { return 0; }\n' >"$work/nothing.c"
cc -O2 -o "$work/nothing" "$work/nothing.c"

# --- the window: its own program directory, whose settings file the warm-up run writes ----
mkdir "$work/program"
(cd "$work/program" &&
    "${first[@]}" "$shared/startup.sh" -q -d "$display" -n "$gui_runs" -c "$qtfloor" \
        -c "$build/QuorvelII") >"$work/gui" 2>&1 ||
    { cat "$work/gui" >&2; exit 1; }
grep -E '^(program|qtfloor|QuorvelII) ' "$work/gui"
python3 - "$work/gui" <<'EOF'
import sys
rows = {}
for line in open(sys.argv[1]):
    words = line.split()
    if words and words[0] in ("qtfloor", "QuorvelII"):
        rows[words[0]] = (float(words[2]), float(words[6]))  # map ms median, peak RSS median
floor, app = rows["qtfloor"], rows["QuorvelII"]
print("window mapped: %.2fx qtfloor (%.1f ms against %.1f; goal 1.15x)" % (app[0] / floor[0], app[0], floor[0]))
print("peak RSS: %.1f MiB (qtfloor %.1f; goal 35 MiB)" % (app[1], floor[1]))
EOF

# --- quorvel-cli: every page against the do-nothing program -------------------------------
commands=("$work/nothing")
while IFS=$'\t' read -r section _; do
    commands+=("$build/quorvel-cli '$section'")
done < <("$build/quorvel-cli" --list)
"${first[@]}" python3 - "$cli_rounds" "$work" "${commands[@]}" <<'EOF'
import json, os, statistics, subprocess, sys
rounds, work, commands = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
times = {c: [] for c in commands}
for r in range(rounds):
    order = commands[r % len(commands):] + commands[:r % len(commands)]
    out = os.path.join(work, "round.json")
    subprocess.run(["hyperfine", "-N", "-w", "2", "-r", "10", "--export-json", out] + order,
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for result in json.load(open(out))["results"]:
        times[result["command"]] += result["times"]
floor = statistics.median(times[commands[0]])
print("do-nothing C program: %.2f ms (median of %d runs)" % (floor * 1e3, len(times[commands[0]])))
for command in commands[1:]:
    median = statistics.median(times[command])
    page = command.split(" ", 1)[1].strip("'")
    print("quorvel-cli %-10s %.2f ms  %.2fx (goal 1.3x)" % (page, median * 1e3, median / floor))
EOF

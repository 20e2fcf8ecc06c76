#!/usr/bin/env bash
# The real quorvel-cli answering 100 000 lines in one --batch process, against one process
# per line (timed over 1000 runs and scaled), with the batch's peak memory.
#
#   bench/batch_throughput.sh [build-dir]
set -euo pipefail
build=${1:-build}
cli="$build/quorvel-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for i in $(seq 1 100000); do echo "--menu 'Bit Rate' --answer $((1000 + i * 37))"; done >"$work/rf"
for i in $(seq 1 100000); do echo "Base10Value=$(((i * 2654435761) % 4294967296))"; done >"$work/number"
for i in $(seq 1 100000); do
    echo "--menu PopupMenuTgt:'Edit Range Az El' --type EditRange=$((1 + i % 500)) --type EditAz=$((i % 360)) --ok"
done >"$work/wg84"

per_process() {  # page, first line of its input: seconds per process start and answer
    local page=$1 line=$2 start end
    start=$(date +%s.%N)
    for _ in $(seq 1 1000); do
        eval "\"$cli\" \"$page\" $line" >/dev/null
    done
    end=$(date +%s.%N)
    echo "($end - $start) / 1000" | bc -l
}

printf '%-7s %12s %12s %10s %10s\n' page 'batch lines/s' 'one-per-line' ratio 'peak KiB'
for page in RF Number Wg84; do
    input="$work/$(echo "$page" | tr 'A-Z' 'a-z')"
    stats=$( { /usr/bin/time -f '%e %U %M' "$cli" --batch "$page" <"$input" >/dev/null; } 2>&1 | tail -1)
    read -r wall user rss <<<"$stats"
    single=$(per_process "$page" "$(head -1 "$input")")
    rate=$(echo "100000 / $user" | bc -l)
    ratio=$(echo "$rate * $single" | bc -l)
    printf '%-7s %12.0f %12.0f %9.0fx %10s   (wall %ss, user %ss)\n' \
        "$page" "$rate" "$(echo "1 / $single" | bc -l)" "$ratio" "$rss" "$wall" "$user"
done

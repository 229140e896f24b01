#!/usr/bin/env bash
# Times `quillmarsh-cli visualise` on the 1,000,000-point track against
# GPSBabel reading the same track and writing it as GPX, in one run, and
# prints wall time, peak memory and the ratio. Builds Release into
# $BENCH_BUILD_DIR (default build-bench).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BENCH_BUILD_DIR:-build-bench}
runs=${BENCH_RUNS:-5}
command -v gpsbabel >/dev/null || { echo "gpsbabel is not installed" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is not installed" >&2; exit 1; }

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUILLMARSH_TESTS=OFF >/dev/null
cmake --build "$build" --target quillmarsh-cli make_big_track -j2 >/dev/null
track="$build/big_track.plt"
[ -f "$track" ] || "$build/bench/make_big_track" "$track" 1000000
echo "track: $track ($(du -h "$track" | cut -f1))"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Best wall time (s) and the largest peak memory (KiB) of `runs` runs of a command.
measure() {
  local best="" peak=0 wall kib
  for _ in $(seq "$runs"); do
    /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null 2>"$work/stderr" || { cat "$work/stderr" >&2; exit 1; }
    read -r wall kib <"$work/time"
    if [ -z "$best" ] || awk "BEGIN{exit !($wall < $best)}"; then best=$wall; fi
    [ "$kib" -gt "$peak" ] && peak=$kib
  done
  echo "$best $peak"
}

read -r ours oursKib < <(measure "$build/quillmarsh-cli" visualise "$track" --out "$work/out")
echo "quillmarsh-cli visualise: $ours s wall (best of $runs), peak memory $((oursKib / 1024)) MiB"
echo "  files: $(ls "$work/out" | wc -l), $(du -sh "$work/out" | cut -f1)"
read -r theirs theirsKib < <(runs=1 measure gpsbabel -t -i ozi -f "$track" -o gpx -F "$work/track.gpx")
echo "gpsbabel ozi -> gpx: $theirs s wall, peak memory $((theirsKib / 1024)) MiB"
awk -v a="$theirs" -v b="$ours" 'BEGIN { printf "ratio: %.1fx faster than gpsbabel\n", a / b }'

#!/usr/bin/env bash
# bench/windows_cli.sh [RUNS]: visualisation and statistics of the
# 1,000,000-point track by quillmarsh-cli built for Linux (Release, in
# build-bench) and by quillmarsh-cli.exe under Wine (make windows, in
# build-windows), side by side: the best and the median wall time of RUNS
# runs (5 by default) and the peak memory of the last. Figures only: nothing
# here passes or fails.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
build=build-bench
windows=${WINDOWS_DIR:-build-windows}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUILLMARSH_TESTS=OFF >/dev/null
cmake --build "$build" --target quillmarsh-cli make_big_track -j2 >/dev/null
[ -x "$windows/quillmarsh-cli.exe" ] || { echo "no $windows/quillmarsh-cli.exe: run make windows first" >&2; exit 1; }
track="$PWD/$build/big_track.plt"
[ -f "$track" ] || "$build/bench/make_big_track" "$track" 1000000
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "track: $track ($(du -h "$track" | cut -f1)), $runs runs each"
# The Wine server stays up between runs, as on a desktop where Wine is in use.
"$windows/wine-run" wineboot -i
"$windows/wine-run" wineserver -p 60 || true

measure() { # label, command...
    local label=$1
    shift
    local times=()
    for ((i = 0; i < runs; i++)); do
        rm -rf "$work/out" && mkdir "$work/out"
        local start end
        start=$(date +%s.%N)
        /usr/bin/time -f "%M" -o "$work/memory" "$@" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
        end=$(date +%s.%N)
        times+=("$(echo "$end - $start" | bc)")
    done
    local sorted
    sorted=$(printf '%s\n' "${times[@]}" | sort -n)
    printf '  %-34s best %6.2f s  median %6.2f s  peak memory %7d KiB\n' "$label" \
        "$(echo "$sorted" | head -n 1)" "$(echo "$sorted" | sed -n "$(((runs + 1) / 2))p")" "$(cat "$work/memory")"
}

for system in linux windows; do
    if [ "$system" = linux ]; then
        cli=("$build/quillmarsh-cli") path=$track out=$work/out
    else
        cli=("$windows/wine-run" "$windows/quillmarsh-cli.exe") path="Z:$track" out="Z:$work/out"
    fi
    echo "$system:"
    measure "visualise (8 band files, stops)" "${cli[@]}" visualise "$path" --out "$out"
    measure "stats (txt to standard output)" "${cli[@]}" stats "$path"
done

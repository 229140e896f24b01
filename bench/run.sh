#!/usr/bin/env bash
# Builds the benchmarks in Release and prints their figures on the
# 1,000,000-point track (generated once into the build tree), the peak memory
# of reading that track in each format we read, then the peak memory of
# quillmarsh-render on tiles from a hostile server.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUILLMARSH_TESTS=OFF >/dev/null
cmake --build "$build" --target bench -j2 >/dev/null
track="$build/big_track.plt"
[ -f "$track" ] || "$build/bench/make_big_track" "$track" 1000000
echo "track: $track ($(du -h "$track" | cut -f1))"
for bench in "$build"/bench/bench_*; do
  /usr/bin/time -f "  peak memory: %M KiB" "$bench" "$track"
done
# Each file is the track written once in its format beside it.
echo "memory of a read:"
for format in plt gpx tcx kml kmz fit igc nmea; do
  file="${track%.plt}.$format"
  [ -f "$file" ] || "$build/bench/make_track_as" "$track" "$file"
  "$build/bench/load_memory" "$file"
done
# quillmarsh-render against hostile tile servers, where the desktop program is built.
if cmake --build "$build" --target quillmarsh-render -j2 >/dev/null 2>&1; then
  bench/qt/hostile_tiles.sh "$build/quillmarsh-render"
fi

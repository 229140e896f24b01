#!/usr/bin/env bash
# Runs every libFuzzer target of this folder (each *_fuzz.cpp is one), built
# in the fuzz build directory DIR (configured with -DQUILLMARSH_FUZZ=ON and
# clang), one after the other.
#
# Each target first runs its seeds in fuzz/corpus/<name>, then fuzzes: for
# SECONDS, or without them (`make fuzz-corpus`) for RUNS new inputs (20000
# unless set). New inputs collect in DIR/corpus/<name>, crashes in
# DIR/findings/<name>, the fuzzer's output in DIR/findings/<name>.log; the
# seeds are only read. Add what is worth keeping to them.
#
#   fuzz/run.sh build-fuzz 600
#   TARGETS="pipeline_fuzz" fuzz/run.sh build-fuzz 60
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ] || ! [[ ${2:-1}${RUNS:-1} =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: [RUNS=N] $0 DIR [SECONDS]" >&2
    exit 2
fi
dir=$(cd "$1" && pwd)
seconds=${2:-}
runs=${RUNS:-20000}
here=$(cd "$(dirname "$0")" && pwd)
targets=${TARGETS:-$(cd "$here" && ls *_fuzz.cpp | sed 's/\.cpp$//')}

cmake --build "$dir" --target fuzz -j"${JOBS:-2}"

# The targets write their input and output files; a memory file system spares
# the disk and keeps them fast.
scratch=$(mktemp -d "$([ -d /dev/shm ] && echo /dev/shm || echo /tmp)/quillmarsh-fuzz-run.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch

status=0
for target in $targets; do
    name=${target%_fuzz}
    mkdir -p "$dir/corpus/$name" "$dir/findings/$name"
    if [ -n "$seconds" ]; then
        echo "== $target: $seconds s"
        limit=(-max_total_time="$seconds")
    else
        echo "== $target: $runs new inputs"
        # libFuzzer counts the runs of the inputs it starts from among its
        # -runs; a fixed seed makes a failure come again on the next try.
        kept=$(find "$dir/corpus/$name" "$here/corpus/$name" -type f | wc -l)
        limit=(-runs=$((kept + runs)) -seed=1)
    fi
    log=$dir/findings/$name.log
    "$dir/fuzz/$target" "${limit[@]}" -timeout=30 -artifact_prefix="$dir/findings/$name/" -print_final_stats=1 \
        "$dir/corpus/$name" "$here/corpus/$name" >"$log" 2>&1 || status=1
    grep -E "^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)" "$log" || status=1
    if grep -E "^==[0-9]+== ?ERROR|^SUMMARY|^fuzz check failed" "$log"; then status=1; fi
done
exit $status

#!/usr/bin/env bash
# Runs every libFuzzer target of this folder (each *_fuzz.cpp is one), built
# in the fuzz build directory DIR (configured with -DQUILLMARSH_FUZZ=ON and
# clang).
#
# Without SECONDS each target runs once over its seeds in fuzz/corpus/<name>
# and nothing new is fuzzed (`make fuzz-corpus`). With SECONDS each target is
# fuzzed that long, one after the other: new inputs collect in
# DIR/corpus/<name>, crashes in DIR/findings/<name>; the seeds are only read.
# Add what is worth keeping to them.
#
#   fuzz/run.sh build-fuzz 600
#   TARGETS="pipeline_fuzz" fuzz/run.sh build-fuzz 60
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ] || ! [[ ${2:-1} =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 DIR [SECONDS]" >&2
    exit 2
fi
dir=$(cd "$1" && pwd)
seconds=${2:-}
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
    if [ -z "$seconds" ]; then
        "$dir/fuzz/$target" -runs=0 -timeout=60 "$here/corpus/$name" || status=1
        continue
    fi
    mkdir -p "$dir/corpus/$name" "$dir/findings/$name"
    echo "== $target: $seconds s"
    # One job, one worker: libFuzzer writes its output to fuzz-0.log in the
    # working directory.
    (cd "$dir/findings/$name" && "$dir/fuzz/$target" -max_total_time="$seconds" -timeout=30 -jobs=1 \
        -artifact_prefix="$dir/findings/$name/" -print_final_stats=1 \
        "$dir/corpus/$name" "$here/corpus/$name" >/dev/null 2>&1) || status=1
    log=$dir/findings/$name.log
    mv "$dir/findings/$name/fuzz-0.log" "$log" 2>/dev/null || status=1
    grep -E "^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)" "$log" || status=1
    if grep -E "^==[0-9]+== ?ERROR|^SUMMARY" "$log"; then status=1; fi
done
exit $status

#!/usr/bin/env bash
# Fuzzes each target for SECONDS, one after the other, in the fuzz build
# directory DIR (configured with -DQUILLMARSH_FUZZ=ON and clang). New inputs
# collect in DIR/corpus/<target>, crashes in DIR/findings/<target>; the seeds
# in fuzz/corpus/<target> are only read. Add what is worth keeping to them.
#
#   fuzz/run.sh build-fuzz 600
#   TARGETS="pipeline_fuzz" fuzz/run.sh build-fuzz 60
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 DIR SECONDS" >&2
    exit 2
fi
dir=$(cd "$1" && pwd)
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
targets=${TARGETS:-"track_reader_fuzz settings_ini_fuzz settings_old_fuzz pipeline_fuzz commands_settings_fuzz"}

cmake --build "$dir" --target fuzz -j"${JOBS:-2}"

# The targets write their input files; a memory file system spares the disk.
scratch=$(mktemp -d "$([ -d /dev/shm ] && echo /dev/shm || echo /tmp)/quillmarsh-fuzz-run.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

status=0
for target in $targets; do
    name=${target%_fuzz}
    mkdir -p "$dir/corpus/$name" "$dir/findings/$name"
    echo "== $target: $seconds s"
    # One job, one worker: libFuzzer writes its output to fuzz-0.log in the
    # working directory.
    (cd "$dir/findings/$name" && TMPDIR=$scratch "$dir/fuzz/$target" -max_total_time="$seconds" -timeout=30 -jobs=1 \
        -artifact_prefix="$dir/findings/$name/" -print_final_stats=1 \
        "$dir/corpus/$name" "$here/corpus/$name" >/dev/null 2>&1) || status=1
    log=$dir/findings/$name.log
    mv "$dir/findings/$name/fuzz-0.log" "$log" 2>/dev/null || status=1
    grep -E "^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)" "$log" || status=1
    if grep -E "^==[0-9]+== ?ERROR|^SUMMARY" "$log"; then status=1; fi
done
exit $status

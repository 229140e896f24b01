#!/bin/sh
# interrupt_test.sh WINE_RUN CLI: quillmarsh-cli.exe under Wine, interrupted by
# Ctrl+C (Wine turns SIGINT into the console's Ctrl+C event) while it writes a
# band file of a million points: it must remove its unfinished file and exit
# with 130, as on Linux.
set -eu
wine_run=$1 cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/out"
# 0 to 50 km/h in runs of 500 points, 5 s apart.
awk 'BEGIN {
    printf "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\nReserved 3\r\n"
    printf "0,2,255,Large,0,0,2,8421376\r\n1000000\r\n"
    latitude = 55
    for (i = 0; i < 1000000; i++) {
        latitude += 1e-6 * (int(i / 500) % 50)
        printf "%.7f,37.0000000,0,100,%.7f,,\r\n", latitude, 40000 + i * 5 / 86400
    }
}' >"$work/large.plt"
"$wine_run" "$cli" visualise "Z:$work/large.plt" --out "Z:$work/out" >"$work/log" 2>&1 &
runner=$!
tries=0
until ls -a "$work/out" | grep -q '^\.~'; do
    tries=$((tries + 1))
    [ "$tries" -le 3000 ] || { echo "FAILED: no unfinished file appeared" >&2; exit 1; }
    sleep 0.01
done
kill -INT "$(pgrep -f "$cli visualise" | head -n 1)"
status=0
wait "$runner" || status=$?
left=$(ls -A "$work/out")
[ "$status" -eq 130 ] || { echo "FAILED: exit status $status, not 130; it said: $(cat "$work/log")" >&2; exit 1; }
if echo "$left" | grep -q '^\.~'; then echo "FAILED: unfinished files left: $left" >&2; exit 1; fi
echo "interrupted with 130, no unfinished file left (finished files: $(echo "$left" | grep -c . || true))"

#!/bin/sh
# desktop_smoke_test.sh WINE_RUN PROGRAM SAMPLE SCREENSHOTS: the Windows desktop
# program under Wine, run by run_under_xvfb.sh on a real X server with a window
# manager, as a user starts it: from a folder whose Quillmarsh.ini names a
# track in a folder with Cyrillic letters and spaces. It must show the main
# window, visualise the track into the output folder and open the map; the
# screen at each step is saved into SCREENSHOTS for a person to look at.
set -eu
wine_run=$1 program=$2 sample=$3 shots=$4
# run_under_xvfb.sh names the platform of Linux Qt; Windows Qt has its own.
unset QT_QPA_PLATFORM
mkdir -p "$shots"
work=$(mktemp -d)
trap '"$wine_run" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir "$work/Мои треки" "$work/Результаты"
cp "$sample" "$work/Мои треки/Поездка на дачу.plt"
windows_path() { echo "Z:$1" | tr / '\\'; }
# English, for the keys of the buttons; no tile server, for a machine without a network.
printf '[FILES]\r\nTRACKFILE=%s\r\nFOLDERTYPE=2\r\nSUBFOLDER=0\r\nFOLDERNAME=%s\\\r\n[MAP]\r\nTILEURL=\r\n[INTERFACE]\r\nLANGUAGE=en\r\n' \
    "$(windows_path "$work/Мои треки/Поездка на дачу.plt")" "$(windows_path "$work/Результаты")" \
    >"$work/Quillmarsh.ini"

fail() {
    echo "FAILED: $*" >&2
    import -window root "$shots/failure.png" 2>/dev/null || true
    exit 1
}
# Waits up to 60 s for a window whose title matches; prints its id.
window() {
    tries=0
    until id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ]; do
        tries=$((tries + 1))
        [ "$tries" -le 600 ] || return 1
        sleep 0.1
    done
    echo "$id"
}
shot() { sleep 1; import -window root "$shots/$1.png"; }

(cd "$work" && exec "$wine_run" "$program") >"$work/program.log" 2>&1 &
main=$(window '^Quillmarsh ') || fail "no main window; the program said: $(cat "$work/program.log")"
shot 1-main-window
xdotool windowactivate --sync "$main" key alt+v
box=$(window '^Quillmarsh$') || fail "no box after Visualise"
shot 2-visualised
xdotool windowactivate --sync "$box" key Return
files=$(ls "$work/Результаты")
echo "$files" | grep -q '^Поездка на дачу_stop.wpt$' || fail "no stop file among: $files"
echo "$files" | grep -q '^Поездка на дачу_5.plt$' || fail "no band file among: $files"
xdotool windowactivate --sync "$main" key alt+m
window '^Map' >/dev/null || fail "no map window"
shot 3-map
echo "main window, visualisation ($(echo "$files" | wc -l) files) and map shown; screenshots in $shots"

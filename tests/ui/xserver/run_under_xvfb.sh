#!/bin/sh
# run_under_xvfb.sh PROGRAM [ARGS...]: runs PROGRAM on the xcb platform on a
# fresh X server (Xvfb, on a display number it picks free) with openbox as
# window manager, then stops both. Exits 77, which ctest counts as skipped,
# when Xvfb or openbox is not installed.
set -u
for tool in Xvfb openbox xdotool wmctrl xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed, so the window tests under a real X server do not run (make deps installs it)."
        exit 77
    fi
done

work=$(mktemp -d)
server=""
manager=""
stop() {
    [ -n "$manager" ] && kill "$manager" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap stop EXIT
trap 'exit 130' INT TERM

# Waits up to 10 s for a condition; fails naming what did not come.
await() {
    what=$1
    shift
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ]; then
            echo "$what did not start:" >&2
            cat "$work"/*.log >&2
            exit 1
        fi
        sleep 0.1
    done
}

# Xvfb writes the display number to the descriptor once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
await Xvfb test -s "$work/display"
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY

# openbox runs its start-up command once it manages the screen.
HOME="$work" openbox --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
manager=$!
await openbox test -e "$work/wm-ready"

mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb "$@"

#!/usr/bin/env bash
# Checks the built .deb with lintian, installs it with apt-get, checks its
# desktop entry and MIME types, runs the installed quillmarsh-cli on the sample track against the build tree's, starts
# the installed quillmarsh from its menu entry under Xvfb until its main window
# shows, without a file and with a FIT file, and removes the package with whatever its install pulled in. Only
# those packages are checked at the end (none may stay installed), so other
# apt activity on the machine meanwhile does not matter.
# Usage: test_package.sh BUILD_DIR SAMPLE_TRACK
set -euo pipefail
build_dir=$(realpath "$1")
sample=$(realpath "$2")
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
apt() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -q "$@"; }
# The packages of the list that are installed (fully or half).
still_installed() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null | grep -q '^.[iFHUWt]' && echo "$p"
    done
    return 0
}

# The newest package, the one `make package` has just built.
deb=$(ls -t "$build_dir"/quillmarsh_*.deb | head -n 1)
if dpkg-query -W -f='${db:Status-Abbrev}' quillmarsh 2>/dev/null | grep -q '^[ic]'; then
    echo "quillmarsh is already installed here; this test installs and removes its own copy." >&2
    exit 1
fi

work=$(mktemp -d)
mkdir -m 700 "$work/home" "$work/runtime"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
xvfb_pid=""

pulled_in=""
restore() {
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    apt purge quillmarsh $pulled_in > /dev/null || true
    rm -rf "$work"
}
trap restore EXIT

echo "lintian $deb"
lintian --fail-on error "$deb"

# What the install brings besides the package itself, as apt plans it: new
# packages only ("Inst NAME (VERSION ...)"; an upgrade names the old version
# in brackets and stays), removed with it.
pulled_in=$(apt install --simulate "$deb" | awk '$1 == "Inst" && $3 !~ /^\[/ && $2 != "quillmarsh" { print $2 }')
apt install "$deb" > /dev/null
desktop-file-validate /usr/share/applications/quillmarsh.desktop
# A FIT file under a name with a blank and a "$", as a file manager hands it over.
fit="$work/ride \$1.fit"
cp "$(dirname "$0")/../tests/data/tracks/GPSBabel-gpsbabel-reference-track-fitwrite-track.fit" "$fit"
content_type() { gio info -a standard::content-type "$1" | awk '/content-type/ { print $2 }'; }
for expected in "$sample application/x-oziexplorer-track" "$fit application/vnd.ant.fit"; do
    file=${expected% *}
    type=$(content_type "$file")
    [ "$type" = "${expected##* }" ] || { echo "$file is of type $type after the install" >&2; exit 1; }
done

echo "installed quillmarsh-cli on $sample"
run_cli() { (cd "$work" && "$1" visualise "$sample" --out "$2" > /dev/null && "$1" stats "$sample" > "$2/stats.txt"); }
run_cli /usr/bin/quillmarsh-cli "$work/installed"
run_cli "$build_dir/quillmarsh-cli" "$work/built"
diff -r "$work/built" "$work/installed"

echo "installed quillmarsh from its menu entry under Xvfb"
Xvfb -displayfd 3 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

visible_main_window() {
    local id
    for id in $(xwininfo -root -tree | awk '/"Quillmarsh/ { print $1 }'); do
        xwininfo -id "$id" | grep -q 'Map State: IsViewable' && { echo "$id"; return; }
    done
}
# Launches the menu entry with the given file, if any, and checks that the
# program works in the home directory and was given exactly that file.
launch_from_menu() {
    local window="" pid cwd given
    gio launch /usr/share/applications/quillmarsh.desktop "$@"
    for _ in $(seq 200); do window=$(visible_main_window); [ -n "$window" ] && break; sleep 0.1; done
    [ -n "$window" ] || { echo "the main window did not appear within 20 s" >&2; exit 1; }
    pid=$(xprop -id "$window" _NET_WM_PID | awk '{ print $3 }')
    cwd=$(readlink "/proc/$pid/cwd")
    given=$(tr '\0' '\n' < "/proc/$pid/cmdline" | tail -n +2)
    kill "$pid"
    [ "$cwd" = "$HOME" ] || { echo "started in $cwd instead of the home directory" >&2; exit 1; }
    [ "$given" = "${1:-}" ] || { echo "started with \"$given\" instead of \"${1:-}\"" >&2; exit 1; }
    echo "main window $window shown, working directory $cwd, file \"$given\""
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
}
launch_from_menu
launch_from_menu "$fit"

trap - EXIT
restore
left=$(still_installed quillmarsh $pulled_in)
[ -z "$left" ] || { echo "still installed after the test:" $left >&2; exit 1; }
echo "package test passed: installed, ran and removed $(basename "$deb")"

#!/usr/bin/env bash
# Peak memory of quillmarsh-render drawing the sample track on tiles from a
# hostile server (a 2 GiB body, a PNG bomb), and without tiles for comparison.
# Usage: hostile_tiles.sh QUILLMARSH-RENDER
set -euo pipefail
render=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
sample="$here/../../examples/sample.plt"
work=$(mktemp -d)
server=
trap '[ -n "$server" ] && kill "$server"; rm -rf "$work"' EXIT

peak() {  # peak() TILEURL NAME
  printf '[MAP]\r\nTILEURL=%s\r\n' "$1" >"$work/settings.ini"
  rm -rf "$work/cache"
  XDG_CACHE_HOME="$work/cache" /usr/bin/time -f "$2: peak memory %M KiB, %e s" \
    "$render" "$sample" "$work/out.png" --settings "$work/settings.ini" 2>&1 >/dev/null | tail -1
}

peak "" "no tiles"
port=18765
for mode in huge bomb; do
  python3 "$here/hostile_tile_server.py" "$mode" "$port" &
  server=$!
  # The bomb takes a moment to make.
  until python3 -c "import socket; socket.create_connection(('127.0.0.1', $port)).close()" 2>/dev/null; do
    sleep 0.2
  done
  peak "http://127.0.0.1:$port/{z}/{x}/{y}.png" "$mode"
  kill "$server"
  wait "$server" 2>/dev/null || true
  server=
  port=$((port + 1))
done

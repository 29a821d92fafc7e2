#!/usr/bin/env bash
# Penlark and FocusWriter side by side on the benchmark book (20 MB of
# Chinese, 100 000 lines, a chapter title every 300 lines), one after the
# other under one virtual X server with software rendering. Prints, for each,
# open to idle, CPU per key, CPU per Enter, the longest GUI stall on Enter
# and peak memory, each the median of three rounds (PEERS_ROUNDS), then
# Penlark's ratio to FocusWriter for each (bench/peers/peers.py says how each
# figure is taken).
#   bench/peers.sh [BUILD_DIR]
# Installs FocusWriter and the X11 headers from Debian when they are missing
# (for this benchmark only; the build and the tests need neither).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../build}")

need=()
command -v focuswriter >/dev/null || need+=(focuswriter)
command -v xvfb-run >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
command -v cc >/dev/null || need+=(gcc)
[ -f /usr/include/X11/Xlib.h ] || need+=(libx11-dev)
if [ ${#need[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}" >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/xping" "$here/peers/xping.c" -lX11
"$build/bench/bench_editor" --write-book "$work/book.txt"

xvfb-run -a -s "-screen 0 1600x1000x24" \
  python3 "$here/peers/peers.py" "$work/book.txt" "$work/xping" "$build/penlark" "$(command -v focuswriter)" "$work"
if [ -n "${PEERS_KEEP:-}" ]; then
  mkdir -p "$PEERS_KEEP"
  for round in "$work"/round*; do
    for f in "$round"/*.log "$round"/*.png; do
      if [ -e "$f" ]; then cp "$f" "$PEERS_KEEP/$(basename "$round")-$(basename "$f")"; fi
    done
  done
fi

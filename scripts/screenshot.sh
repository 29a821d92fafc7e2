#!/usr/bin/env bash
# Screenshots of the desktop window under a virtual X server: starts the
# built program with a fresh temporary HOME inside xvfb-run, saves the
# window as it opens (navigation bar, menus, empty tab area), then opens the
# File menu with a mouse click and saves that too.
#   scripts/screenshot.sh [build/penlark] [output folder]
# Needs xvfb-run, xdotool and ImageMagick's "import" (scripts/setup.sh).
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
  app=$(realpath "${1:-build/penlark}")
  out=$(realpath -m "${2:-screenshots}")
  mkdir -p "$out"
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" --inside "$app" "$out"
fi

app=$2
out=$3
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_RUNTIME_DIR=$home QT_QUICK_BACKEND=software
"$app" >"$out/penlark.log" 2>&1 &
pid=$!
sleep 4
import -window root "$out/desktop.png"

# The window opens centred at 920 x 600 on the 1280 x 800 screen, so its
# title bar starts at (180, 100); "文件" is the first menu in it.
xdotool mousemove 208 116 click 1
sleep 1
import -window root "$out/file-menu.png"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "screenshots in $out"

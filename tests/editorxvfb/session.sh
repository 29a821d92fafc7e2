# What the editor's runs of the real program under a virtual X server share:
# xvfb-run, a temporary root removed at the end with the program, failures
# with the program's last output, polling waits, a home whose current file
# is a chapter, the program started typing in it. Needs xvfb-run, xdotool, xclip.
#   source "$(dirname "$0")/session.sh" "$@"
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
  app=$(realpath "${1:-build/penlark}")
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" --inside "$app"
fi
app=$2

root=$(mktemp -d)
log=$root/penlark.log
pid=""
cleanup() {
  if [ -n "$pid" ]; then
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  chattr -R -i "$root" 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -f "$log" ]; then
    echo "--- program output (last lines) ---" >&2
    tail -n 20 "$log" >&2
  fi
  exit 1
}

# Polls a command every 0.2 s until it succeeds or the deadline (seconds)
# passes.
wait_for() {
  local deadline=$(( $(date +%s) + $1 ))
  shift
  until "$@"; do
    [ "$(date +%s)" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

# A home of its own in folder $1, whose current file is $chapter (in the
# book "Book" of the document folder, written by the caller).
use_home() {
  export HOME=$1 TMPDIR=$1/tmp XDG_RUNTIME_DIR=$1/runtime
  export XDG_CONFIG_HOME=$1/.config QT_QPA_PLATFORM=xcb QT_QUICK_BACKEND=software
  library=$HOME/Documents/Penlark
  chapter=$library/Book/chapter1.txt
  mkdir -p "$TMPDIR" "$XDG_RUNTIME_DIR" "$library/Book" "$HOME/Library/Penlark/Settings/Unknown Organization"
  chmod 700 "$XDG_RUNTIME_DIR"
  printf '[Save]\nCurrentFile=file://%s\n' "$chapter" >"$HOME/Library/Penlark/Settings/Unknown Organization/Penlark.ini"
}

window=""
find_window() { window=$(xdotool search --onlyvisible --name '^Penlark$' 2>/dev/null | head -n 1); [ -n "$window" ]; }

start() { "$app" >"$log" 2>&1 & pid=$!; }
# A click into the text (right of the file tree) gives it the keyboard.
click_text() { xdotool mousemove $((X + WIDTH * 3 / 4)) $((Y + HEIGHT / 2)) click 1; }
# Waits for the program to end; fails unless it ended with status 0.
ended_well() { local status=0; wait "$pid" || status=$?; pid=""; [ "$status" -eq 0 ] || fail "$1the program ended with status $status"; }

# Starts the program and, once the chapter is in and the window shows,
# clicks into the text.
start_in_chapter() {
  start
  wait_for 60 grep -q "loaded $chapter" "$log" || fail "the chapter was not loaded"
  wait_for 30 find_window || fail "no program window"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  click_text
}

# Whether the clipboard ends with $1: copying the typed line after the keys
# shows that every key before it was handled (a line break may have put an
# indentation before them).
clip() { [[ "$(xclip -o -selection clipboard 2>/dev/null)" == *"$1" ]]; }

# Types $1, copies the line and waits until the clipboard ends with $2 (by
# default $1); the line stays selected.
type_seen() { xdotool type --delay 40 "$1"; xdotool key shift+Home ctrl+c; wait_for 30 clip "${2:-$1}"; }

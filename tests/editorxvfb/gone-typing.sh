#!/usr/bin/env bash
# The real program under a virtual X server, driven by xdotool: a chapter is
# typed in while another program takes its file away (the book folder moved
# or deleted, the chapter made immutable), the writer types on, presses
# Enter and the program ends (SIGTERM, as at log-out, or Ctrl+Q twice). The
# typed words must be in the copy the log names, in the history or, when the
# history cannot take them, in the program's own folder; the next start
# names the copy again.
#   tests/editorxvfb/gone-typing.sh build/penlark
# Needs xvfb-run, xdotool and chattr (scripts/setup.sh); the immutable rows
# need root, as CI runs. Every wait polls with a deadline.
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
  app=$(realpath "${1:-build/penlark}")
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" --inside "$app"
fi
app=$2

root=$(mktemp -d)
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
  echo "FAIL ($case): $*" >&2
  if [ -f "$log" ]; then
    echo "--- program output (last lines) ---" >&2
    tail -n 20 "$log" >&2
  fi
  exit 1
}

wait_for() {
  local deadline=$(( $(date +%s) + $1 ))
  shift
  until "$@"; do
    [ "$(date +%s)" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

window=""
find_window() { window=$(xdotool search --onlyvisible --name '^Penlark$' 2>/dev/null | head -n 1); [ -n "$window" ]; }
# The clipboard ends with the words (a line break may put an indentation
# before them).
clip() { [[ "$(xclip -o -selection clipboard 2>/dev/null)" == *"$1" ]]; }
gone() { ! kill -0 "$pid" 2>/dev/null; }

# One row: what another program does, how the program ends, where the
# copy must be.
run_case() {
  case=$1 action=$2 ending=$3 place=$4
  home=$root/$case
  log=$root/$case.log
  export HOME=$home TMPDIR=$home/tmp XDG_RUNTIME_DIR=$home/runtime
  export XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=xcb QT_QUICK_BACKEND=software
  local library=$HOME/Documents/Penlark
  mkdir -p "$TMPDIR" "$XDG_RUNTIME_DIR" "$library/Book" "$HOME/Library/Penlark/Settings/Unknown Organization"
  chmod 700 "$XDG_RUNTIME_DIR"
  chapter=$library/Book/chapter1.txt
  for ((i = 0; i < 300; i++)); do echo "　　第${i}行，山河远阔，人间烟火。"; done >"$chapter"
  printf '[Save]\nCurrentFile=file://%s\n' "$chapter" >"$HOME/Library/Penlark/Settings/Unknown Organization/Penlark.ini"
  if [ "$place" = data ]; then
    # The history cannot be written: its folder is immutable.
    mkdir -p "$library/.History"
    chattr +i "$library/.History" || fail "chattr +i needs root"
  fi

  "$app" >"$log" 2>&1 &
  pid=$!
  wait_for 60 grep -q "loaded $chapter" "$log" || fail "the chapter was not loaded"
  wait_for 30 find_window || fail "no program window"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + WIDTH * 3 / 4)) $((Y + HEIGHT / 2)) click 1
  xdotool key ctrl+End
  xdotool type --delay 30 "Before"
  xdotool key shift+Home ctrl+c
  wait_for 30 clip "Before" || fail "the first words never reached the clipboard"
  xdotool key End
  case $action in
    move) mv "$library/Book" "$library/Moved" ;;
    delete) rm -r "$library/Book" ;;
    immutable) chattr +i "$chapter" || fail "chattr +i needs root" ;;
  esac
  xdotool type --delay 30 "After"
  xdotool key Return
  xdotool type --delay 30 "Last"
  xdotool key shift+Home ctrl+c
  wait_for 30 clip "Last" || fail "the last words never reached the clipboard"
  if [ "$ending" = sigterm ]; then
    kill -TERM "$pid"
  else
    # The first quit is refused: the window stays and takes keys; the
    # second quits.
    xdotool key ctrl+q
    xdotool mousemove $((X + WIDTH * 3 / 4)) $((Y + HEIGHT / 2)) click 1
    xdotool key ctrl+End
    xdotool type --delay 30 "Z"
    xdotool key shift+Home ctrl+c
    wait_for 30 clip "LastZ" || fail "the first Ctrl+Q did not leave the window taking keys"
    xdotool key End ctrl+q
  fi
  wait_for 60 gone || fail "the program did not end"
  status=0
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status"

  local copy
  copy=$(sed -n 's/.*is kept in //p' "$log" | tail -n 1)
  [ -n "$copy" ] || fail "no copy was named in the log"
  case $place in
    history) [[ $copy == "$library/.History/"* ]] || fail "the copy $copy is not in the history" ;;
    data) [[ $copy == "$HOME/Library/Penlark/Unsaved/"* ]] || fail "the copy $copy is not in the program's folder" ;;
  esac
  grep -q "BeforeAfter" "$copy" && grep -q "Last" "$copy" || fail "the typed words are not in $copy"
  if [ "$action" = immutable ]; then
    chattr -i "$chapter"
    grep -q "Before" "$chapter" && fail "the immutable chapter was written"
  fi
  [ "$action" != delete ] || [ ! -e "$chapter" ] || fail "the deleted chapter was made again"

  # The next start names the copy.
  "$app" >"$log.next" 2>&1 &
  pid=$!
  wait_for 60 grep -q "kept as the last run ended.*$(basename "$copy")" "$log.next" || { log=$log.next; fail "the next start did not name $copy"; }
  kill -TERM "$pid"
  wait "$pid" || true
  pid=""
  [ -z "$(ls "$HOME/Library/Penlark/Unsaved/kept-at-end.txt" 2>/dev/null)" ] || fail "the note was left for a third start"
  chattr -R -i "$home" 2>/dev/null || true
  echo "ok: $case"
}

run_case moved-sigterm move sigterm history
run_case deleted-sigterm delete sigterm history
run_case moved-twice-ctrl-q move quit-twice history
run_case deleted-twice-ctrl-q delete quit-twice history
run_case immutable-sigterm immutable sigterm history
run_case history-immutable-sigterm move sigterm data
echo "PASS: the words typed while another program took the chapter away were kept where the log named"

#!/usr/bin/env bash
# The real program under a virtual X server, driven by xdotool: a chapter is
# typed in while another program takes its file away (the book folder moved
# or deleted, the chapter made immutable); the writer types on, presses
# Enter, and the program ends (SIGTERM, as at log-out, or Ctrl+Q twice). The
# typed words must be in the copy the log names: in the history, or in the
# program's own folder when the history cannot take them either; the next
# start names the copy again. Root, as CI runs, for chattr.
#   tests/editorxvfb/gone-typing.sh build/penlark
source "$(dirname "$0")/session.sh" "$@"

# One row: what another program does, how the program ends, where the copy
# must be.
run_case() {
  local name=$1 action=$2 ending=$3 place=$4
  use_home "$root/$name"
  log=$root/$name.log
  for ((i = 0; i < 300; i++)); do echo "　　第${i}行，山河远阔，人间烟火。"; done >"$chapter"
  if [ "$place" = data ]; then
    mkdir -p "$library/.History"
    chattr +i "$library/.History" || fail "$name: chattr +i (root only)"
  fi
  start_in_chapter
  xdotool key ctrl+End
  type_seen "Before" || fail "$name: the first words never reached the clipboard"
  xdotool key End
  case $action in
    move) mv "$library/Book" "$library/Moved" ;;
    delete) rm -r "$library/Book" ;;
    immutable) chattr +i "$chapter" || fail "$name: chattr +i (root only)" ;;
  esac
  xdotool type --delay 30 "After"
  xdotool key Return
  type_seen "Last" || fail "$name: the typed words never reached the clipboard"
  if [ "$ending" = sigterm ]; then
    kill -TERM "$pid"
  else
    # The first quit is refused: the window stays and takes keys.
    xdotool key ctrl+q
    click_text
    xdotool key ctrl+End
    type_seen "Z" "LastZ" || fail "$name: the first Ctrl+Q did not leave the window taking keys"
    xdotool key End ctrl+q
  fi
  ended_well "$name: "

  local copy
  copy=$(sed -n 's/.*is kept in //p' "$log" | tail -n 1)
  case $place in
    history) [[ $copy == "$library/.History/"* ]] || fail "$name: no copy named in the history: '$copy'" ;;
    data) [[ $copy == "$HOME/Library/Penlark/Unsaved/"* ]] || fail "$name: no copy named in the program's folder: '$copy'" ;;
  esac
  grep -q "BeforeAfter" "$copy" && grep -q "Last" "$copy" || fail "$name: the typed words are not in $copy"
  [ "$action" != delete ] || [ ! -e "$chapter" ] || fail "$name: the deleted chapter was made again"
  if [ "$action" = immutable ]; then
    chattr -i "$chapter"
    ! grep -q "Before" "$chapter" || fail "$name: the immutable chapter was written"
  fi

  # The next start names the copy, once.
  start
  wait_for 60 grep -q "kept as the last run ended.*$(basename "$copy")" "$log" || fail "$name: the next start did not name $copy"
  kill -TERM "$pid"
  wait "$pid" || true
  pid=""
  [ ! -e "$HOME/Library/Penlark/Unsaved/kept-at-end.txt" ] || fail "$name: the note was left for a third start"
  chattr -R -i "$HOME"
  echo "ok: $name"
}

run_case moved-sigterm move sigterm history
run_case deleted-sigterm delete sigterm history
run_case moved-ctrl-q-twice move quit-twice history
run_case deleted-ctrl-q-twice delete quit-twice history
run_case immutable-sigterm immutable sigterm history
run_case history-immutable-sigterm move sigterm data
echo "PASS: the words typed while another program took the chapter away were kept where the log named"

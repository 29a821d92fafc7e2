#!/usr/bin/env bash
# The real program under a virtual X server, driven by xdotool: it opens a
# 3 000-line chapter as its current file; Ctrl+End, typing and Ctrl+S must
# add exactly the typed text at the end of the file; typing after paging far
# up (the view only) must still go to the cursor at the end; Ctrl+Home,
# typing and Ctrl+S must add exactly the typed text at the start. Nothing
# else in the file may change. Typing not yet saved when the program gets
# SIGTERM must be in the file once it has ended.
#   tests/editorxvfb/end-typing.sh build/penlark
# Needs xvfb-run and xdotool (scripts/setup.sh). Every wait polls with a
# deadline; nothing depends on a fixed pause being long enough.
source "$(dirname "$0")/session.sh" "$@"
use_home "$root/home"

for ((i = 0; i < 3000; i++)); do
  if ((i % 300 == 0)); then
    echo "第$((i / 300 + 1))章 远行"
  elif ((i % 7 == 3)); then
    echo ""
  else
    echo "　　第${i}行，山河远阔，人间烟火，风起于青萍之末。"
  fi
done >"$chapter"
cp "$chapter" "$root/original.txt"
start_in_chapter

# Types text, saves with Ctrl+S and waits until the file holds exactly the
# expected bytes.
same_as() { cmp -s "$1" "$chapter"; }
type_and_save() {
  local text=$1 expected=$2 what=$3
  xdotool type --delay 40 "$text"
  xdotool key ctrl+s
  if ! wait_for 30 same_as "$expected"; then
    diff "$expected" "$chapter" | head -n 20 >&2 || true
    fail "$what, typing and Ctrl+S did not add exactly the typed text"
  fi
}

{ cat "$root/original.txt"; printf 'The end.'; } >"$root/expected-end.txt"
xdotool key ctrl+End
type_and_save "The end." "$root/expected-end.txt" "Ctrl+End"

# Far up by pages: the view moves, the window leaves the cursor behind, and
# typing goes on at the cursor.
{ cat "$root/expected-end.txt"; printf ' Still.'; } >"$root/expected-paged.txt"
for ((i = 0; i < 40; i++)); do xdotool key Prior; done
type_and_save " Still." "$root/expected-paged.txt" "Page Up forty times"

{ printf 'Once.'; cat "$root/expected-paged.txt"; } >"$root/expected-start.txt"
for ((i = 0; i < 40; i++)); do xdotool key Next; done
xdotool key ctrl+Home
type_and_save "Once." "$root/expected-start.txt" "Page Down forty times, Ctrl+Home"

# Typing not yet saved is written when the program is told to end: SIGTERM
# well within the 3 s save timer. Shift+Home and Ctrl+C after the typing put
# the line on the clipboard, which shows that every key before them was
# handled. Should the timer have saved first (a very slow machine), the
# typing goes on: the check is made only on a kill that came first.
unsaved_base=$root/expected-start.txt
line="Once."
killed=""
for attempt in 1 2 3; do
  line="$line Bye."
  type_seen " Bye." "$line" || fail "the typed line never reached the clipboard"
  if cmp -s "$unsaved_base" "$chapter"; then
    kill -TERM "$pid"
    killed=1
    break
  fi
  # Right drops the selection and puts the cursor back after the typing.
  xdotool key Right
  cp "$chapter" "$root/saved-by-timer.txt"
  unsaved_base=$root/saved-by-timer.txt
done
[ -n "$killed" ] || fail "the save timer ran before each of three kills"
ended_well "on SIGTERM, "
{ printf '%s' "$line"; tail -c +6 "$root/expected-start.txt"; } >"$root/expected-term.txt"
if ! cmp -s "$root/expected-term.txt" "$chapter"; then
  diff "$root/expected-term.txt" "$chapter" | head -n 20 >&2 || true
  fail "the typing before SIGTERM was not saved"
fi

echo "PASS: typing at the end and at the start of a 3000-line chapter changed nothing else, and SIGTERM saved what was typed"

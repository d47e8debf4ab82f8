#!/usr/bin/env bash
# Another program writes kovrant.ini at the worst moments, with the real kovrant.exe
# under Wine:
# 1. the moment a save of a 30,000-entry menu begins (kovrant.ini.saving appears), again
#    and again: every edit ends in the file or, when Kovrant asked which menu to keep, in
#    kovrant.backups; none is lost;
# 2. right after a save of that menu, an edit of the same size stamped with the very same
#    write time, as on a drive whose clock keeps whole seconds: the window shows it within
#    two seconds.
# Usage: outside_race.sh <windows build folder> [rounds]
set -euo pipefail
build="$(cd "$1" && pwd)"
rounds="${2:-20}"
drive="$build/e2e-race-drive"
shots="$build/e2e-race-shots"
caption='Kovrant 2024.02.01'
session="outside race"
source "$(dirname "${BASH_SOURCE[0]}")/session_lib.sh"
prepare_drive
unset KOVRANT_RECORD
cd "$drive"

# The clock in milliseconds, read from bash itself: the loops below look at it tightly,
# and a process for each look would take processor from the program under test and run
# through the process numbers within a few dozen rounds, after which bash no longer
# knows the program it started ("not a child of this shell").
now_ms() { echo $((${EPOCHREALTIME/[.,]/} / 1000)); }
before() { ((${EPOCHREALTIME/[.,]/} / 1000 < $1)); }  # the clock is before $1 ms
# Waits until Kovrant has settled (no save on its way and no question open for 1.5 s),
# answering its question about two menus with its default (the file's menu) when it
# comes; then the edit must be in the file or in a backup.
edit_kept() {  # marker line, deadline in ms
  local quiet_since
  quiet_since=$(now_ms)
  while before "$2"; do
    question=$(xdotool search --onlyvisible --name '^Warning$' 2>/dev/null | head -n 1 || true)
    if [ -n "$question" ]; then
      answered=$((answered + 1))
      focus_window "$question"
      xdotool key Return
      sleep 0.3
      quiet_since=$(now_ms)
    elif [ -e kovrant.ini.saving ] || [ -e kovrant.ini.saved ]; then
      quiet_since=$(now_ms)
    elif ! before $((quiet_since + 1500)); then
      break
    fi
    sleep 0.05
  done
  grep -qF "$1" kovrant.ini 2>/dev/null || grep -qrF "$1" kovrant.backups 2>/dev/null
}

step "1: $rounds edits written the moment a save of 30,000 entries begins"
{
  printf '*Apps\\tool.exe**tool.exe**\r\n*Docs\\notes.txt**notes.txt**\r\n*Big*1*Big**\r\n'
  for i in $(seq -w 0 29999); do printf 'Big\\*Apps\\tool.exe**Slot %s**\r\n' "$i"; done
} >"$shots/big.ini"
cp "$shots/big.ini" kovrant.ini
start_program
main=$(wait_for_window "$caption")
lost=0
answered=0
for round in $(seq 1 "$rounds"); do
  slot=$(printf '%05d' "$round")
  marker="Edit $slot"
  sed "s/Slot $slot\*/$marker*/" "$shots/big.ini" >"$shots/edit.ini"
  rm -f kovrant.ini.saving
  focus_window "$main"
  xdotool key Right Left ctrl+Right
  started=$(now_ms)
  until [ -e kovrant.ini.saving ]; do
    before $((started + 5000)) || break
  done
  cat "$shots/edit.ini" >kovrant.ini
  if ! edit_kept "$marker*" $(($(now_ms) + 8000)); then
    lost=$((lost + 1))
    echo "$session: round $round: the edit is in neither kovrant.ini nor a backup" >&2
  fi
done
shot 1-after-races
step "1: $rounds races, $answered questions answered, $lost edits lost"
focus_window "$main"
xdotool key alt+F4
wait_for_exit "$program"
[ "$lost" -eq 0 ] || fail "$lost of $rounds edits written during a save were lost"

step "2: an edit of the same size with the same write time, right after a save"
# The menu is large enough that its contents are compared on a thread.
{
  printf '*Apps\\tool.exe**tool.exe**\r\n*Docs\\notes.txt**notes.txt**\r\n*Docs*2*Slot 000**\r\n'
  grep -F 'Big\*' "$shots/big.ini"
} >kovrant.ini
rm -rf kovrant.backups
start_program
main=$(wait_for_window "$caption")
expect_captions "tool.exe|notes.txt|Slot 000"
before=$(cat kovrant.ini | md5sum)
focus_window "$main"
xdotool key Right Left ctrl+Right
for _ in $(seq 50); do [ "$(md5sum <kovrant.ini)" != "$before" ] && break; sleep 0.05; done
[ "$(md5sum <kovrant.ini)" != "$before" ] || fail "the move was not saved"
touch -r kovrant.ini "$shots/stamp"
sed '0,/Slot 000/s//EDITED!!/' kovrant.ini >"$shots/same-size.ini"
cat "$shots/same-size.ini" >kovrant.ini
touch -r "$shots/stamp" kovrant.ini
edited=$(now_ms)
expected="notes.txt|tool.exe|EDITED!!"
until seen=$(captions) && [ "$seen" = "$expected" ]; do
  before $((edited + 2500)) || fail "2.5 s after the same-stamp edit the icons are \"$seen\""
  sleep 0.1
done
step "2: the window showed the same-stamp edit after $(($(now_ms) - edited)) ms"
shot 2-same-stamp-edit
focus_window "$main"
xdotool key alt+F4
wait_for_exit "$program"
cmp -s kovrant.ini "$shots/same-size.ini" || fail "closing changed the edited file"
echo "$session: passed; screenshots in $shots"

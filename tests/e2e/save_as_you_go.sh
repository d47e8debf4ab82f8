#!/usr/bin/env bash
# The menu on disk follows the program while it runs, both ways, with the real
# kovrant.exe under Wine:
# 1. a folder made with the keyboard is in kovrant.ini, with the whole menu around it,
#    when the program is killed hard one second later, without any close;
# 2. an edit of kovrant.ini by another program while Kovrant runs shows in the window
#    within a few seconds, and closing the window afterwards leaves that edit in the file.
# Each check is reported; the script fails if any did. Screenshots and the program's log
# are kept in the build folder. Usage: save_as_you_go.sh <windows build folder>
set -euo pipefail
build="$(cd "$1" && pwd)"
drive="$build/e2e-save-drive"
shots="$build/e2e-save-shots"
caption='Kovrant 2024.02.01'
session="save as you go"
source "$(dirname "${BASH_SOURCE[0]}")/session_lib.sh"
prepare_drive
# A menu of a program, a document and a directory; and the same menu with the folder
# made in step 1 after them, as a save writes it.
printf '*Apps\\tool.exe**tool.exe**\r\n*Docs\\notes.txt**notes.txt**\r\n*Docs*2*Docs**\r\n' >"$shots/menu.ini"
{ cat "$shots/menu.ini"; printf '*Tools*1*Tools**\r\n'; } >"$shots/with-folder.ini"
cp "$shots/menu.ini" "$drive/kovrant.ini"
unset KOVRANT_RECORD

problems=0
problem() { echo "$session: FAILED: $*" >&2; problems=$((problems + 1)); }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
sleep_until() {  # time in ms
  local left=$(($1 - $(now_ms)))
  [ "$left" -le 0 ] || sleep "$((left / 1000)).$(printf '%03d' $((left % 1000)))"
}
# A kill that the program cannot see coming, as a crash: the Wine
# process is the Windows process itself; Wine's own service processes end on their own
# once it is gone.
kill_hard() {  # pid; the shell's own "Killed" notice is expected and not shown
  {
    kill -KILL "$1"
    for _ in $(seq 50); do
      case "$(ps -o stat= -p "$1")" in "" | Z*) break ;; esac
      sleep 0.1
    done
    wait "$1" || true
  } 2>/dev/null
}
# Without a window manager Wine draws the caption bar itself, inside the X window: the
# close box is its last square, as high as the bar.
click_close_box() {  # X window id
  local x y width left top
  read -r x y width < <(xdotool getwindowgeometry --shell "$1" | awk -F= '{ v[$1] = $2 } END { print v["X"], v["Y"], v["WIDTH"] }')
  read -r left top < <(probe | awk '/^client /{print $2, $3}')
  local border=$((left - x))
  local bar=$((top - y - border))
  xdotool mousemove $((x + width - border - bar / 2 - 1)) $((y + border + bar / 2)) click 1
}
seen_file() { cat -A kovrant.ini | sed 's/^/    /'; }

cd "$drive"
step "1: a new folder, then a hard kill one second later"
start_program
main=$(wait_for_window "$caption")
focus_window "$main"
expect_captions "tool.exe|notes.txt|Docs"
xdotool key ctrl+n
dialog=$(wait_for_window "New Folder")
focus_window "$dialog"
xdotool type --delay 40 "Tools"
xdotool key Return
changed=$(now_ms)
wait_until_gone "New Folder"
expect_captions "tool.exe|notes.txt|Docs|Tools"
shot 1-new-folder
sleep_until $((changed + 1000))
kill_hard "$program"
if cmp -s kovrant.ini "$shots/with-folder.ini"; then
  step "1: passed, the whole menu with the new folder was on disk"
else
  if cmp -s kovrant.ini "$shots/menu.ini"; then
    problem "1 s after the new folder, kovrant.ini still holds the menu as it was before"
  else
    problem "1 s after the new folder, kovrant.ini is not the whole menu with it; it holds:"
    seen_file >&2
  fi
  # Step 2 goes on from the menu that should have been saved.
  cp "$shots/with-folder.ini" kovrant.ini
fi

step "2: another program edits kovrant.ini while Kovrant shows it"
wait_until_gone "$caption"
start_program
main=$(wait_for_window "$caption")
expect_captions "tool.exe|notes.txt|Docs|Tools"
# The edit comes while the menu is on screen, a moment after it was read: the whole file
# written again in place with one more entry, as an editor saves it.
sleep 1
{ cat kovrant.ini; printf '*Docs\\notes.txt**Outside entry**\r\n'; } >"$shots/edited.ini"
cat "$shots/edited.ini" >kovrant.ini
edited=$(now_ms)
expected="tool.exe|notes.txt|Docs|Tools|Outside entry"
until seen=$(captions) && [ "$seen" = "$expected" ]; do
  if [ "$(now_ms)" -ge $((edited + 4000)) ]; then
    problem "4 s after the outside edit the icons are \"$seen\", expected \"$expected\""
    break
  fi
  sleep 0.2
done
if [ "$seen" = "$expected" ]; then step "2: the window showed the outside edit after $(($(now_ms) - edited)) ms"; fi
shot 2-after-outside-edit
focus_window "$main"
click_close_box "$main"
wait_for_exit "$program"
if cmp -s kovrant.ini "$shots/edited.ini"; then
  step "2: passed, closing left the outside edit in the file as it was written"
elif ! grep -qxF $'*Docs\\notes.txt**Outside entry**\r' kovrant.ini; then
  problem "closing the window overwrote the outside edit; kovrant.ini holds:"
  seen_file >&2
else
  problem "closing the window changed the edited file; kovrant.ini holds:"
  seen_file >&2
fi

[ "$problems" -eq 0 ] || fail "$problems check(s) failed; screenshots in $shots"
echo "$session: passed; screenshots in $shots"

#!/usr/bin/env bash
# The summon key under a window manager, as a user meets it. Kovrant is open behind
# another program (Wine's Notepad): Ctrl+Alt+Space makes Kovrant the active window with
# the keyboard in its search field at the first press, and "vsc" and Enter start the
# entry found. Pressed while Kovrant is in front, the key minimises it and Notepad has
# the keyboard back; pressed again, the minimised window comes back with the keyboard.
#
# openbox runs on a display of its own, started and ended here. Under a window manager
# Wine's windows must be managed by it (Managed=Y), while every other test wants Wine to
# draw its own frames (Managed=N, as ensure_wine_prefix sets): the session runs in a
# copy of the build's prefix made of hard links (instant, no disk), whose registry files
# are real copies so that the setting stays in the copy. Exits 77 (skipped) where openbox
# is not installed. Usage: summon_under_window_manager.sh <windows build folder>
set -euo pipefail
command -v openbox >/dev/null 2>&1 || {
  echo "summon under a window manager: openbox is not installed (scripts/setup installs it); skipped"
  exit 77
}
build="$(cd "$1" && pwd)"
drive="$build/wm-drive"
shots="$build/wm-shots"
prefix="$build/wm-wineprefix"
run="$build/wm-wine-run"
caption='Kovrant 2024.02.01'
notepad='Untitled - Notepad'
session="summon under a window manager"
source "$(dirname "${BASH_SOURCE[0]}")/session_lib.sh"

# Wine's processes go before the display they are connected to.
xvfb=""
window_manager=""
end_session() {
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  WINEPREFIX="$prefix" timeout 20 wineserver -w 2>/dev/null || true
  [ -n "$window_manager" ] && kill "$window_manager" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$prefix"
}

step "a Wine prefix whose windows the window manager manages"
[ -f "$build/wineprefix/system.reg" ] || "$build/wine-run" cmd /c rem >/dev/null 2>&1 || true
rm -rf "$prefix"
cp -al "$build/wineprefix" "$prefix"
for registry in "$prefix"/*.reg; do cp --remove-destination "$build/wineprefix/${registry##*/}" "$registry"; done
cat >"$run" <<EOF
#!/bin/sh
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "\$@"
EOF
chmod +x "$run"
"$run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null 2>&1
WINEPREFIX="$prefix" wineserver -w

step "a display of its own with openbox"
number=150
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
Xvfb ":$number" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$number"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
prepare_drive
openbox --sm-disable >"$shots/openbox.log" 2>&1 &
window_manager=$!
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || fail "openbox did not start"

printf '*Apps\\tool.exe**Visual Studio Code**\r\n*Docs\\notes.txt**notes.txt**\r\n' >"$drive/kovrant.ini"
unset KOVRANT_RECORD

active() { xdotool getactivewindow getwindowname 2>/dev/null || true; }
expect_active() {  # caption, what it means
  for _ in $(seq 30); do [ "$(active)" = "$1" ] && return 0; sleep 0.1; done
  fail "$2: the active window is \"$(active)\", not \"$1\""
}
edit_text() { timeout 20 "$run" "$build/window_probe.exe" "$1" </dev/null | tr -d '\r' | sed -n 's/^edit //p'; }
expect_edit() {  # window caption, text of its edit box
  local seen
  for _ in $(seq 20); do
    seen=$(edit_text "$1")
    [ "$seen" = "$2" ] && return 0
    sleep 0.2
  done
  fail "the edit box of \"$1\" holds \"$seen\", expected \"$2\""
}
summon() { xdotool key ctrl+alt+space; }

cd "$drive"
step "Kovrant open behind Notepad"
start_program
main=$(wait_for_window "$caption")
"$run" notepad.exe </dev/null >>"$shots/notepad.log" 2>&1 &
programs+=($!)
other=$(wait_for_window "$notepad")
xdotool windowactivate --sync "$other" 2>/dev/null || true
expect_active "$notepad" "before the summon"
shot 1-behind

step "the first press brings Kovrant forward with the keyboard in its search field"
summon
expect_active "$caption" "after one press of the summon key"
xdotool type --delay 40 "vsc"
expect_edit "$caption" "vsc"
expect_captions "Visual Studio Code"
shot 2-summoned
xdotool key Return
for _ in $(seq 100); do [ -s "$drive/Apps/recorded.txt" ] && break; sleep 0.1; done
[ -s "$drive/Apps/recorded.txt" ] || fail "Enter did not start the entry found"

step "pressed in front, Kovrant goes down and Notepad has the keyboard back"
expect_active "$caption" "after the start"
summon
expect_active "$notepad" "after the summon key sent Kovrant away"
xdotool type --delay 40 "back"
expect_edit "$notepad" "back"
expect_edit "$caption" "vsc"
shot 3-sent-away

step "from minimised, the first press brings Kovrant back with the keyboard"
summon
expect_active "$caption" "after one press of the summon key on the minimised window"
xdotool type --delay 40 "notes"
expect_edit "$caption" "notes"
expect_captions "notes.txt"
shot 4-back

step "close"
xdotool key alt+F4
wait_for_exit "$program"
echo "$session: passed; screenshots in $shots"

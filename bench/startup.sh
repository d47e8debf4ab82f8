#!/usr/bin/env bash
# Start-up time under Wine: from process start to the main window on screen, for
# kovrant.exe with a full 99,999-entry settings file and for a program that only opens
# an empty window, side by side over several runs. Usage: bench/startup.sh [runs]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib.sh"
runs="${1:-5}"
build_windows >/dev/null
ensure_wine_prefix
ensure_display

folder="$root/build/startup-bench"
rm -rf "$folder" && mkdir -p "$folder"
cp "$windows_build/kovrant.exe" "$windows_build/empty_window.exe" "$folder/"
for i in $(seq 1 99999); do
  printf 'Projects\\Group %d\\*Apps\\Suite %d\\bin\\app%d.exe**Application %d*-p @R\\data\\%d.cfg*\r\n' \
    $((i % 100)) "$i" "$i" "$i" "$i"
done >"$folder/kovrant.ini"
cp "$folder/kovrant.ini" "$folder/full.ini"
cd "$folder"
wineserver -p >/dev/null 2>&1 || true  # keep the Wine server up between runs

time_to_window() {  # program, window name pattern
  local start end window pid
  start=$(date +%s%N)
  wine "$1" &
  pid=$!
  # Polled in a tight loop: xdotool's own --sync waits half a second between looks.
  until window=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1) && [ -n "$window" ]; do :; done
  end=$(date +%s%N)
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key --clearmodifiers alt+F4
  wait "$pid"
  echo $(((end - start) / 1000000))
}

wine "$folder/empty_window.exe" --close-when-shown  # warm the prefix and the file cache
printf 'run  empty window (ms)  kovrant, no menu (ms)  kovrant, 99,999 entries (ms)\n'
for run in $(seq 1 "$runs"); do
  empty=$(time_to_window empty_window.exe '^Empty$')
  rm -f kovrant.ini
  fresh=$(time_to_window kovrant.exe '^Kovrant 2024')
  cp full.ini kovrant.ini
  kovrant=$(time_to_window kovrant.exe '^Kovrant 2024')
  printf '%3d  %17d  %22d  %28d\n' "$run" "$empty" "$fresh" "$kovrant"
done

#!/usr/bin/env bash
# Start-up with a folder of 1,000 real files of ten types under Wine: the launcher, its
# top folder holding those files, against the system's own shell view on the folder
# itself (shell_view_host, large icons); and a program that only opens an empty window,
# for reference. Interleaved over several runs, then the medians, the spread and the
# ratios. Each program's times run from its process start to:
#   found    its window found on screen by xdotool (mapped, perhaps not yet painted);
#   painted  that window's thread back in its message loop after showing it, as
#            first_paint sees it: the launcher fills its view before showing the
#            window and paints it, the icons in sight included, right after;
#   done     the shell only: its caption "Shell View done", once its list view holds
#            all 1,000 files and has been painted, icons included.
# The figure to set side by side is "kovrant painted" against "shell done".
# A start that shows no window within the limit counts as the limit.
# Usage: bench/folder_vs_shell.sh [runs [limit-seconds]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib.sh"
runs="${1:-7}"
limit_ms=$((${2:-120} * 1000))
build_windows kovrant empty_window shell_view_host first_paint >/dev/null
ensure_wine_prefix
ensure_display private

folder="$root/build/folder-vs-shell-bench"
rm -rf "$folder" && mkdir -p "$folder/Files"
cp "$windows_build"/{kovrant,empty_window,shell_view_host,first_paint}.exe "$folder/"
# 1,000 small files of ten types, each with content of its kind, and a menu whose top
# folder holds them all in the same order.
types=(txt ini inf bat js vbs rtf html xml url)
for i in $(seq 1 1000); do
  type=${types[i % 10]}
  name="doc$i.$type"
  case "$type" in
    url) printf '[InternetShortcut]\r\nURL=http://localhost/%d\r\n' "$i" ;;
    ini | inf) printf '[Section]\r\nKey=%d\r\n' "$i" ;;
    bat) printf '@echo %d\r\n' "$i" ;;
    js) printf '// %d\r\n' "$i" ;;
    vbs) printf "' %d\r\n" "$i" ;;
    rtf) printf '{\\rtf1 %d}\r\n' "$i" ;;
    html) printf '<p>%d</p>\r\n' "$i" ;;
    xml) printf '<n>%d</n>\r\n' "$i" ;;
    *) printf 'Document %d\r\n' "$i" ;;
  esac >"$folder/Files/$name"
  printf '*Files\\%s**%s**\r\n' "$name" "$name"
done >"$folder/files.ini"
cd "$folder"
wineserver -p >/dev/null 2>&1 || true  # keep the Wine server up between runs

elapsed() { echo $((($(date +%s%N) - $1) / 1000000)); }

# Waits for a visible window whose name matches and gives its id; nothing when the time
# since start is over the limit.
wait_for_window() {  # start, name pattern
  local window
  # Polled in a tight loop: xdotool's own --sync waits half a second between looks.
  until window=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1) && [ -n "$window" ]; do
    (($(elapsed "$1") <= limit_ms)) || return 0
  done
  echo "$window"
}

# Runs a program, watched by first_paint, and records the milliseconds from its start to
# its window found on screen (name-found), to that window's first paint (name-painted)
# and, when a second caption is given, to the window showing it (name-done); the limit
# for each that does not come.
declare -A times
time_program() {  # name, caption start, done caption or "", program and arguments...
  local name="$1" caption="$2" done_caption="$3" start window pid watcher
  shift 3
  rm -f first-paint.out
  wine first_paint.exe "$caption" >first-paint.out &
  watcher=$!
  until grep -q ready first-paint.out 2>/dev/null; do sleep 0.01; done
  start=$(date +%s%N)
  wine "$@" &
  pid=$!
  window=$(wait_for_window "$start" "^$caption")
  times[$name-found]+="$(elapsed "$start") "
  if [ -n "$window" ] && [ -n "$done_caption" ]; then
    window=$(wait_for_window "$start" "^$done_caption\$")
    times[$name-done]+="$(elapsed "$start") "
  fi
  if [ -z "$window" ]; then
    wineserver -k 2>/dev/null || true  # the programs in this private prefix, not shown in time
    wait "$pid" "$watcher" 2>/dev/null || true
    times[$name-painted]+="$limit_ms "
    return
  fi
  wait "$watcher"
  times[$name-painted]+="$(($(tail -n 1 first-paint.out | tr -d '\r') - start / 1000000)) "
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key --clearmodifiers alt+F4
  wait "$pid"
}

# Warm the prefix and the file cache: the shell's and the launcher's libraries, the files.
wine empty_window.exe --close-when-shown
cp files.ini kovrant.ini
time_program kovrant 'Kovrant 2024' '' kovrant.exe
time_program shell 'Shell View' 'Shell View done' shell_view_host.exe Files

times=()
columns=(empty-found empty-painted kovrant-found kovrant-painted shell-found shell-painted shell-done)
printf '%-8s' run
printf ' %15s' "${columns[@]}"
printf '   (ms)\n'
for run in $(seq 1 "$runs"); do
  time_program empty Empty '' empty_window.exe
  cp files.ini kovrant.ini  # as the launcher found it, whatever it did on closing
  time_program kovrant 'Kovrant 2024' '' kovrant.exe
  time_program shell 'Shell View' 'Shell View done' shell_view_host.exe Files
  printf '%-8d' "$run"
  for column in "${columns[@]}"; do printf ' %15s' "$(echo "${times[$column]}" | awk '{ print $NF }')"; done
  printf '\n'
done

declare -A medians
printf '%-8s' median
for column in "${columns[@]}"; do
  medians[$column]=$(echo "${times[$column]}" | median)
  printf ' %15s' "${medians[$column]}"
done
printf '\n%-8s' min-max
for column in "${columns[@]}"; do
  printf ' %15s' "$(echo "${times[$column]}" | tr ' ' '\n' | awk 'NF' | sort -n | sed -n '1h; $ { H; x; s/\n/-/; p }')"
done
ratio() { awk -v a="${medians[$1]}" -v b="${medians[$2]}" 'BEGIN { printf "%.2fx", a / b }'; }
printf '\n\nkovrant painted / shell done   %s   (the whole folder listed and painted)\n' \
  "$(ratio kovrant-painted shell-done)"
printf 'kovrant painted / shell painted %s   (first paint after showing)\n' "$(ratio kovrant-painted shell-painted)"
printf 'kovrant found / shell found     %s   (window on screen)\n' "$(ratio kovrant-found shell-found)"
printf 'to the empty window, painted:   kovrant %s, shell done %s\n' \
  "$(ratio kovrant-painted empty-painted)" "$(ratio shell-done empty-painted)"

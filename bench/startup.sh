#!/usr/bin/env bash
# Start-up time under Wine: from process start to the main window on screen, for
# kovrant.exe with no settings file and with 1,000, 10,000 and 99,999 entries spread over
# 100 folders, with 99,999 entries all in the top folder, for a program that only opens
# an empty window, and for one that also loads the common controls and OLE and fills its
# window with an empty list view (the floor of any program built on them); interleaved
# over several runs, then the medians and their ratios to both floors. A start that
# shows no window within the limit counts as the limit. The case 99999-state is the menu
# of 99,999 entries beside a kovrant.state of 99,999 use lines, and its ratio to the same
# start without it is printed last, also as the median of each run's own ratio. CASES="99999
# 99999-state" limits the run to those.
# Usage: [CASES="..."] bench/startup.sh [runs [limit-seconds]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib.sh"
runs="${1:-5}"
limit_ms=$((${2:-120} * 1000))
build_windows >/dev/null
ensure_wine_prefix
ensure_display private

folder="$root/build/startup-bench"
rm -rf "$folder" && mkdir -p "$folder"
cp "$windows_build/kovrant.exe" "$windows_build/empty_window.exe" "$windows_build/controls_window.exe" "$folder/"
spread() {  # entries
  for i in $(seq 1 "$1"); do
    printf 'Projects\\Group %d\\*Apps\\Suite %d\\bin\\app%d.exe**Application %d*-p @R\\data\\%d.cfg*\r\n' \
      $((i % 100)) "$i" "$i" "$i" "$i"
  done
}
spread 1000 >"$folder/1000.ini"
spread 10000 >"$folder/10000.ini"
spread 99999 >"$folder/99999.ini"
sed 's/^Projects\\Group [0-9]*\\//' "$folder/99999.ini" >"$folder/top-99999.ini"
# A use score for every entry of the menu of 99,999, as years of use leave them.
awk 'BEGIN { for (i = 1; i <= 99999; i++)
  printf "use=%d.5 2026-12-%02dT10:15:00Z PROJECTS\\GROUP %d\\APPLICATION %d\r\n", i % 40, 1 + i % 28, i % 100, i }' \
  >"$folder/99999.state"
cd "$folder"
wineserver -p >/dev/null 2>&1 || true  # keep the Wine server up between runs

time_to_window() {  # program, window name pattern
  local start end window pid
  start=$(date +%s%N)
  wine "$1" &
  pid=$!
  # Polled every 2 ms: xdotool's own --sync waits half a second between looks, and a
  # tight loop would take one of the cores the program starts on.
  until window=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1) && [ -n "$window" ]; do
    sleep 0.002
    if (($(date +%s%N) - start > limit_ms * 1000000)); then
      wineserver -k 2>/dev/null || true  # the program in this private prefix, not shown in time
      wait "$pid" 2>/dev/null || true
      echo "$limit_ms"
      return
    fi
  done
  end=$(date +%s%N)
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key --clearmodifiers alt+F4
  wait "$pid"
  echo $(((end - start) / 1000000))
}


wine "$folder/empty_window.exe" --close-when-shown  # warm the prefix and the file cache
read -r -a cases <<<"${CASES:-none 1000 10000 99999 top-99999 99999-state}"
declare -A times
printf 'run  empty window (ms)  controls'
printf '  %10s' "${cases[@]}"
printf '\n'
for run in $(seq 1 "$runs"); do
  empty=$(time_to_window empty_window.exe '^Empty$')
  times[empty]+="$empty "
  controls=$(time_to_window controls_window.exe '^Controls$')
  times[controls]+="$controls "
  printf '%3d  %17d  %8d' "$run" "$empty" "$controls"
  # Every other run in the reverse order, so that no case always follows another.
  order=("${cases[@]}")
  ((run % 2)) || mapfile -t order < <(printf '%s\n' "${cases[@]}" | tac)
  declare -A took=()
  for case in "${order[@]}"; do
    rm -f kovrant.ini kovrant.state
    [ "$case" = none ] || cp "${case%-state}.ini" kovrant.ini
    [ "$case" = "${case%-state}" ] || cp "${case%-state}.state" kovrant.state
    sync  # the copies written out now, not while the program starts
    took[$case]=$(time_to_window kovrant.exe '^Kovrant 2024')
    times[$case]+="${took[$case]} "
  done
  for case in "${cases[@]}"; do printf '  %10d' "${took[$case]}"; done
  printf '\n'
done
printf 'median %15d  %8d' "$(echo "${times[empty]}" | median)" "$(echo "${times[controls]}" | median)"
for case in "${cases[@]}"; do printf '  %10d' "$(echo "${times[$case]}" | median)"; done
for floor in empty controls; do
  floor_median=$(echo "${times[$floor]}" | median)
  printf '\n/%-8s' "$floor"
  for case in empty controls "${cases[@]}"; do
    ratio=$(echo "$(echo "${times[$case]}" | median) $floor_median" | awk '{ printf "%.2fx", $1 / $2 }')
    if [ "$case" = empty ]; then printf '  %11s' "$ratio"; else printf '  %10s' "$ratio"; fi
  done
done
printf '\n'
if [ -n "${times[99999-state]:-}" ] && [ -n "${times[99999]:-}" ]; then
  echo "$(echo "${times[99999-state]}" | median) $(echo "${times[99999]}" | median)" |
    awk '{ printf "with the state file of 99,999 use lines / without: %.2fx", $1 / $2 }'
  # Each run's two starts, a moment apart, share the machine's state of the moment.
  paste <(echo "${times[99999-state]}" | tr ' ' '\n') <(echo "${times[99999]}" | tr ' ' '\n') |
    awk 'NF == 2 { print $1 / $2 }' | sort -n | awk '{ r[NR] = $1 } END { printf " (median of the runs: %.2fx)\n", r[int((NR + 1) / 2)] }'
fi

# Shared by the whole-program sessions of tests/e2e: starting kovrant.exe under Wine with
# its output in a log, waiting for windows, reading the icons on screen through
# window_probe, and ending everything started here on any exit. The sourcing script sets
# build (the Windows build folder), shots (screenshots and the program's log), caption
# (the main window's title) and session (its name in messages); a session in a Wine
# prefix of its own sets prefix and run (what starts a program in it) too, and may
# define end_session, run last on any exit.
prefix="${prefix:-$build/wineprefix}"
run="${run:-$build/wine-run}"

# A fresh drive folder with the program, a stand-in program in Apps and a document in
# Docs, and an empty folder for the screenshots.
prepare_drive() {
  rm -rf "$drive" "$shots"
  mkdir -p "$drive/Apps" "$drive/Docs" "$shots"
  cp "$build/kovrant.exe" "$drive/"
  cp "$build/recorder.exe" "$drive/Apps/tool.exe"
  printf 'notes\r\n' >"$drive/Docs/notes.txt"
}

fail() { echo "$session: $*" >&2; exit 1; }
step() { echo "$session: $*"; }
shot() { import -window root "$shots/$1.png"; }

# Whatever happens, nothing started here outlives the script: a program left running
# would keep the test runner waiting on its output for ever. A failure leaves a picture
# of the screen and the names of the windows on it.
programs=()
finish() {
  local status=$?
  if [ "$status" -ne 0 ]; then
    import -window root "$shots/failure.png" 2>/dev/null || true
    echo "$session: windows on screen:" >&2
    for window in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      echo "  $(xdotool getwindowname "$window" 2>/dev/null)" >&2
    done
    echo "$session: the screen at the failure is $shots/failure.png" >&2
    [ -s "$shots/kovrant.log" ] && tail -n 20 "$shots/kovrant.log" >&2
  fi
  for pid in "${programs[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ "$status" -eq 0 ] || WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  if declare -F end_session >/dev/null; then end_session; fi
  exit "$status"
}
trap finish EXIT

start_program() {  # the program's output goes to a log, not to the test runner
  "$run" kovrant.exe </dev/null >>"$shots/kovrant.log" 2>&1 &
  program=$!
  programs+=("$program")
}
wait_for_exit() {  # pid
  for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || { wait "$1"; return; }; sleep 0.1; done
  fail "the program did not end"
}

wait_for_window() {  # caption -> X window id
  local window=""
  for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && { echo "$window"; return 0; }
    sleep 0.1
  done
  fail "no window \"$1\""
}
# The keys go to the window just opened even if it came up without the focus.
focus_window() { xdotool windowfocus "$1" 2>/dev/null || true; }
wait_until_gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window \"$1\" did not close"
}

probe() { timeout 20 "$run" "$build/window_probe.exe" "$caption" </dev/null | tr -d '\r'; }
captions() { probe | sed -n 's/^icon [0-9]* [-0-9]* [-0-9]* //p' | paste -sd '|'; }
expect_captions() {
  local seen
  for _ in $(seq 20); do
    seen=$(captions)
    [ "$seen" = "$1" ] && return 0
    sleep 0.2
  done
  fail "icons are \"$seen\", expected \"$1\""
}

#!/usr/bin/env bash
# Mounts a small file system, fills it up beside a settings file, and runs the Windows
# test that saves into it; then makes it write-protected and saves again.
# Where the machine cannot give such a volume (no root, no tmpfs, a mount that does not
# fill or does not become read-only, a test program that Wine does not start) it says
# why and the test is skipped (exit 77), so only a save that goes wrong fails it. Every
# step is told, so a failure shows where.
# Usage: full_volume.sh <windows build folder>
set -uo pipefail
build="$(cd "$1" && pwd)" || exit 1
skipped=77

say() { echo "full volume: $*"; }
skip() { say "$*; not tested"; exit "$skipped"; }

[ "$(id -u)" -eq 0 ] || skip "mounting a small file system needs root"
volume="$(mktemp -d /tmp/kovrant-full-XXXXXX)" || skip "no temporary folder"
if ! mount -t tmpfs -o size=96k tmpfs "$volume" 2>&1; then
  rmdir "$volume"
  skip "cannot mount a small file system here"
fi
trap 'umount "$volume" 2>/dev/null || umount -l "$volume" 2>/dev/null; rmdir "$volume" 2>/dev/null' EXIT
say "mounted $(df -k "$volume" | tail -1)"

for i in $(seq 1 300); do printf '*Apps\\tool%d.exe**Tool %d**\r\n' "$i" "$i"; done >"$volume/kovrant.ini" ||
  skip "cannot write a settings file into the volume"
dd if=/dev/zero of="$volume/filler" bs=1k count=1000 2>/dev/null
# The test needs a volume that has no room for a bigger settings file.
if dd if=/dev/zero of="$volume/probe" bs=1k count=16 2>/dev/null; then skip "the volume does not fill up"; fi
rm -f "$volume/probe"

# A test program that never started (Wine could not run it here) is a skip; a test that
# ran and failed, or crashed after starting, fails.
run_windows_test() { # <variable naming the volume> <test filter>
  say "running $2"
  local output status
  output="$(env "$1=Z:${volume//\//\\}" "$build/wine-run" "$build/kovrant_win_tests.exe" --gtest_filter="$2" 2>&1)"
  status=$?
  echo "$output"
  [ "$status" -eq 0 ] && return 0
  grep -q '^\[==========\] Running' <<<"$output" || skip "the test program did not start (exit code $status)"
  say "$2 failed with exit code $status"
  return "$status"
}

run_windows_test KOVRANT_FULL_VOLUME 'FullVolume.*' || exit 1

rm -f "$volume/filler"
mount -o remount,ro "$volume" 2>&1 || skip "cannot make the volume read-only"
if touch "$volume/probe" 2>/dev/null; then skip "the read-only volume still takes writes"; fi
run_windows_test KOVRANT_READ_ONLY_VOLUME 'ReadOnlyVolume.*' || exit 1
say "passed"

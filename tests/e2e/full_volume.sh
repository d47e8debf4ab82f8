#!/usr/bin/env bash
# Mounts a small file system, fills it up beside a settings file, and runs the Windows
# test that saves into it; then makes it write-protected and saves again. Needs root to mount; says so and passes without it.
# Usage: full_volume.sh <windows build folder>
set -euo pipefail
build="$(cd "$1" && pwd)"
volume="$(mktemp -d /tmp/kovrant-full-XXXXXX)"
if ! mount -t tmpfs -o size=96k tmpfs "$volume" 2>/dev/null; then
  echo "full volume: cannot mount a small file system here (needs root); not tested"
  rmdir "$volume"
  exit 0
fi
trap 'umount "$volume"; rmdir "$volume"' EXIT
for i in $(seq 1 300); do printf '*Apps\\tool%d.exe**Tool %d**\r\n' "$i" "$i"; done >"$volume/kovrant.ini"
dd if=/dev/zero of="$volume/filler" bs=1k count=1000 2>/dev/null || true
windows_path="Z:${volume//\//\\}"
KOVRANT_FULL_VOLUME="$windows_path" "$build/wine-run" "$build/kovrant_win_tests.exe" --gtest_filter='FullVolume.*'
rm -f "$volume/filler"
mount -o remount,ro "$volume"
KOVRANT_READ_ONLY_VOLUME="$windows_path" "$build/wine-run" "$build/kovrant_win_tests.exe" \
  --gtest_filter='ReadOnlyVolume.*'

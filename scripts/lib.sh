# Shared by the scripts: build folders, the private Wine prefix and a display.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
native_build="$root/build/native"
windows_build="$root/build/windows"
export WINEPREFIX="$windows_build/wineprefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine names files in the Unix locale's character set: only a UTF-8 one holds names in
# every script.
case "$(locale charmap 2>/dev/null)" in
  UTF-8) ;;
  *) export LC_ALL=C.UTF-8 ;;
esac

configure_and_build() {  # folder, extra cmake arguments...
  local folder="$1"; shift
  [ -f "$folder/CMakeCache.txt" ] || cmake -S "$root" -B "$folder" "$@" >/dev/null
  cmake --build "$folder" -j "$(nproc)"
}

build_windows() {  # [targets...]: everything when none is named
  local targets=()
  for target in "$@"; do targets+=(--target "$target"); done
  [ -f "$windows_build/CMakeCache.txt" ] ||
    cmake -S "$root" -B "$windows_build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$windows_build" -j "$(nproc)" "${targets[@]}"
}

ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX (once)..."
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    # Without a window manager Wine draws the window frames itself, caption included.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wineserver -w
  fi
  # One folder seen as E: and as F:, as a portable drive that comes back under another
  # letter; the window tests use it when it is there.
  mkdir -p "$windows_build/removable-drive"
  ln -sfn "$windows_build/removable-drive" "$WINEPREFIX/dosdevices/e:"
  ln -sfn "$windows_build/removable-drive" "$WINEPREFIX/dosdevices/f:"
}

# Starts a virtual display when there is none, or always with "private" (the tests: they
# type and click, and must not do it on a desktop in use); it ends with the script.
ensure_display() {
  if [ "${1:-}" != private ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
  local number=99
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
  Xvfb ":$number" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  # Wine's processes go before the display they are connected to, so that none of them
  # reports the display going away.
  trap 'wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT
  export DISPLAY=":$number"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
  echo "The virtual display did not start" >&2
  exit 1
}

# The median of the numbers on standard input, separated by spaces or lines; for the
# benchmarks.
median() { tr ' ' '\n' | awk 'NF' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

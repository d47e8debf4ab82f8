// Tells when another program's window has had its first paint: waits for a visible
// top-level window whose caption starts with the given text, then sends it a message
// that its thread answers only when back in its message loop, which is after the paint
// that follows showing the window. Prints "ready" once it has looked, then the time of the
// answer in milliseconds of the Unix clock, so that a script can set it against its own
// start time. Usage: first_paint <caption start>
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

struct Search {
  const char* captionStart;
  HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<Search*>(lParam);
  char caption[256] = {};
  if (!IsWindowVisible(window) || GetWindowTextA(window, caption, sizeof caption) == 0) return TRUE;
  if (std::strncmp(caption, search.captionStart, std::strlen(search.captionStart)) != 0) return TRUE;
  search.found = window;
  return FALSE;
}

long long UnixMilliseconds() {
  constexpr long long kFileTimeOfUnixStart = 116444736000000000LL;  // in 100 ns since 1601
  FILETIME now;
  GetSystemTimePreciseAsFileTime(&now);
  const long long fileTime = (static_cast<long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return (fileTime - kFileTimeOfUnixStart) / 10000;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  Search search{argv[1], nullptr};
  // Ready once it has looked: the first look also brings up the desktop process when
  // it is not running, which is then not counted against the program being timed.
  EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
  std::printf("ready\n");
  std::fflush(stdout);
  // Looked for every 5 ms, which leaves the processor to the program being timed; a
  // window whose first paint takes less than that may be answered up to that late.
  while (!search.found) {
    Sleep(5);
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
  }
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 120000, &answer)) return 1;
  std::printf("%lld\n", UnixMilliseconds());
  return 0;
}

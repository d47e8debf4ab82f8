// How long the window's thread is held while a menu of 99,999 entries is saved as it
// goes: one move in the window, then the longest gap between two turns of its message
// loop over the next three seconds, in which the save starts, runs on its thread and
// ends; beside it, the time of the same save done on the window's thread. Prints the
// figures; asserts nothing. Usage: save_stall [rounds]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/form1_win.h"
#include "bench_menu_win.h"
#include "store/settings_file.h"
#include "ui/command_tags.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Two entries at the top, the rest in a folder: the view shows little, the file is large.
std::string LargeMenu() {
  std::string text = "*a.exe**A**\r\n*Big*1*Big**\r\n";
  for (int i = 2; i < kov::EntryTable::kCapacity; ++i) {
    const std::string n = std::to_string(i);
    text += "Big\\*Apps\\Suite " + n + "\\bin\\app" + n + ".exe**Application " + n + "*-p @R\\data\\" + n + ".cfg*\r\n";
  }
  return text;
}

// Turns the message loop for the time given and returns the longest gap between turns.
double LongestGap(int milliseconds) {
  LARGE_INTEGER start, last, now;
  QueryPerformanceCounter(&start);
  last = start;
  double longest = 0;
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    QueryPerformanceCounter(&now);
    longest = std::max(longest, Milliseconds(last, now));
    last = now;
    if (Milliseconds(start, now) > milliseconds) return longest;
    Sleep(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
  const std::string path = PrepareBenchMenu("kovrant-save-stall", LargeMenu());

  kov::Form1 form(kov::MenuFile{path});
  if (!form.Create(SW_SHOWNORMAL)) return 1;
  LongestGap(1500);
  HWND view = form.View().hwnd();
  std::vector<double> gaps;
  for (int round = 1; round <= rounds; ++round) {
    ListView_SetItemState(view, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageA(form.hwnd(), WM_COMMAND, round % 2 ? kov::kTagMoveRight : kov::kTagMoveLeft, 0);
    const double gap = LongestGap(3000);
    gaps.push_back(gap);
    std::printf("round %d: longest gap of the window's loop while the menu was saved: %.1f ms\n", round, gap);
    std::fflush(stdout);
  }
  std::sort(gaps.begin(), gaps.end());
  LARGE_INTEGER start, done;
  QueryPerformanceCounter(&start);
  const bool saved = kov::ReplaceFileKeepingAttributes(path, kov::EntryFileText(form.Model().table));
  QueryPerformanceCounter(&done);
  std::printf("median longest gap %.1f ms; the same save on the window's thread: %.1f ms (%s)\n",
              gaps[gaps.size() / 2], Milliseconds(start, done), saved ? "saved" : "failed");
  DestroyWindow(form.hwnd());
  return 0;
}

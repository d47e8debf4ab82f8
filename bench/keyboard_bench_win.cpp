// The keyboard's way to an entry in a menu of 99,999 entries under Wine: from the summon
// key pressed while another window is in front to Kovrant in front with the focus in
// its search field, and from each of six letters typed to the results painted. Prints
// the figures; asserts nothing. Usage: keyboard_bench [rounds]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/form1_win.h"
#include "bench_menu_win.h"
#include "ui/command_tags.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now;
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Pumps until done says so, at most two seconds.
template <typename Done>
void PumpUntil(Done done) {
  const DWORD end = GetTickCount() + 2000;
  while (!done() && static_cast<int>(end - GetTickCount()) > 0) {
    Pump();
    Sleep(0);
  }
}

void Press(std::vector<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *key;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::string LargeMenu() {
  static const char* const kWords[] = {"Notepad", "Visual", "Studio", "Code", "Wine", "Configuration", "Editor",
                                       "Player", "Terminal", "Manager"};
  std::string text;
  for (int i = 0; i < kov::EntryTable::kCapacity; ++i) {
    const std::string n = std::to_string(i);
    text += "Group " + std::to_string(i % 100) + "\\*Apps\\app" + n + ".exe**" + kWords[i % 10] + " " +
            kWords[(i / 10) % 10] + " " + n + "**\r\n";
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
  const std::string path = PrepareBenchMenu("kovrant-keyboard-bench", LargeMenu());

  kov::Form1 form(kov::MenuFile{path});
  if (!form.Create(SW_SHOWNORMAL)) return 1;
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                               nullptr, nullptr, nullptr);
  PumpUntil([] { return false; });
  HWND field = FindWindowExA(GetParent(form.ToolButtonWindow(kov::kTagBack)), nullptr, "Edit", nullptr);
  HWND view = form.View().hwnd();
  for (int round = 1; round <= rounds; ++round) {
    SetForegroundWindow(other);
    PumpUntil([&] { return GetForegroundWindow() == other; });
    const LARGE_INTEGER pressed = Now();
    Press({VK_CONTROL, VK_MENU, VK_SPACE});
    PumpUntil([&] { return GetForegroundWindow() == form.hwnd() && GetFocus() == field; });
    const LARGE_INTEGER summoned = Now();
    std::printf("round %d: summoned in %.1f ms; keystrokes:", round, Milliseconds(pressed, summoned));
    SetWindowTextW(field, L"");
    Pump();
    for (const char letter : std::string("NOTEPA")) {
      const LARGE_INTEGER typed = Now();
      Press({static_cast<WORD>(letter)});
      const int before = GetWindowTextLengthW(field);
      PumpUntil([&] { return GetWindowTextLengthW(field) > before; });
      UpdateWindow(view);
      std::printf(" %.1f", Milliseconds(typed, Now()));
    }
    std::printf(" ms, %d results\n", ListView_GetItemCount(view));
    std::fflush(stdout);
  }
  // The search's own share of a keystroke, without the window.
  const kov::CaptionIndex index(form.Model().table);
  std::printf("the search alone:");
  for (const char* typed : {"N", "NO", "NOT", "NOTE", "NOTEP", "NOTEPA"}) {
    const LARGE_INTEGER start = Now();
    const std::size_t found = index.Find(typed).size();
    std::printf(" %s %.1f ms (%zu)", typed, Milliseconds(start, Now()), found);
  }
  std::printf("\n");
  // The view's share: a count of icons set and placed.
  HWND view2 = form.View().hwnd();
  std::printf("the view alone:");
  for (const int count : {75000, 45000, 19000, 2000}) {
    const LARGE_INTEGER start = Now();
    SendMessageA(view2, WM_SETREDRAW, FALSE, 0);
    ListView_SetItemCountEx(view2, count, LVSICF_NOSCROLL);
    const LARGE_INTEGER counted = Now();
    ListView_Arrange(view2, LVA_DEFAULT);
    const LARGE_INTEGER arranged = Now();
    SendMessageA(view2, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view2, nullptr, TRUE);
    UpdateWindow(view2);
    std::printf(" %d: count %.1f arrange %.1f paint %.1f ms;", count, Milliseconds(start, counted),
                Milliseconds(counted, arranged), Milliseconds(arranged, Now()));
  }
  std::printf("\n");
  DestroyWindow(other);
  DestroyWindow(form.hwnd());
  return 0;
}

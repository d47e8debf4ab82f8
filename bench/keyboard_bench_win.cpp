// The keyboard's way to an entry in a menu of 99,999 entries under Wine: from the summon
// key pressed while another window is in front to Kovrant in front with the focus in
// its search field, and from each of six letters typed to the results painted; then the
// same letters typed into a floor window (a bare list view that only sets the count and
// paints) and into Kovrant by turns, and the ratio of their medians. Prints the figures;
// asserts nothing. Usage: keyboard_bench [rounds [pairs-rounds]]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/form1_win.h"
#include "bench_menu_win.h"
#include "search_floor_win.h"
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

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Brings the window forward with the focus in its field, and lets it paint what that
// changed, before any clock starts.
void FocusField(HWND window, HWND field) {
  SetForegroundWindow(window);
  SetFocus(field);
  PumpUntil([&] { return GetForegroundWindow() == window && GetFocus() == field; });
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();
}

// Where a keystroke's time goes: in the window's handling of the field's change (the
// search and the new count), and in the view's paints, wherever they happen.
double g_changeMs = 0;
double g_paintMs = 0;

LRESULT CALLBACK TimeChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE) return DefSubclassProc(window, message, wParam, lParam);
  const LARGE_INTEGER start = Now();
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  g_changeMs += Milliseconds(start, Now());
  return result;
}

LRESULT CALLBACK TimePaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message != WM_PAINT) return DefSubclassProc(window, message, wParam, lParam);
  const LARGE_INTEGER start = Now();
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  g_paintMs += Milliseconds(start, Now());
  return result;
}

void TimeParts(HWND window, HWND view) {
  SetWindowSubclass(window, TimeChange, 1, 0);
  SetWindowSubclass(view, TimePaint, 1, 0);
}

// One letter's way, until the field holds it and the view has nothing left to paint, as
// a user sees the results; and the parts of it.
struct Keystroke {
  double total = 0;
  double change = 0;
  double paint = 0;
};

Keystroke TypeLetter(HWND field, HWND view, char letter) {
  const int before = GetWindowTextLengthW(field);
  g_changeMs = g_paintMs = 0;
  const LARGE_INTEGER typed = Now();
  Press({static_cast<WORD>(letter)});
  PumpUntil([&] { return GetWindowTextLengthW(field) > before && !GetUpdateRect(view, nullptr, FALSE); });
  return {Milliseconds(typed, Now()), g_changeMs, g_paintMs};
}

// Kovrant and the floor by turns, letter by letter, from an empty field each round; the
// medians of each side and their ratio.
void CompareWithFloor(kov::Form1& form, HWND field, const std::vector<int>& counts, const char* letters,
                      int rounds) {
  // The launcher's image size, so that both views draw images of one size.
  int iconSize = 0, height = 0;
  ImageList_GetIconSize(form.View().Images(), &iconSize, &height);
  SearchFloorWindow floor(counts);
  if (!floor.Create(iconSize)) return;
  TimeParts(form.hwnd(), form.View().hwnd());
  TimeParts(floor.hwnd(), floor.View());
  std::vector<double> kovrant, bare, ratios, kovrantChange, bareChange, kovrantPaint, barePaint;
  std::vector<std::vector<double>> kovrantByLetter(std::strlen(letters)), bareByLetter(std::strlen(letters));
  for (int round = 0; round < rounds; ++round) {
    SetWindowTextW(field, L"");
    SetWindowTextW(floor.Field(), L"");
    Pump();
    for (std::size_t at = 0; letters[at]; ++at) {
      FocusField(form.hwnd(), field);
      const Keystroke ours = TypeLetter(field, form.View().hwnd(), letters[at]);
      FocusField(floor.hwnd(), floor.Field());
      const Keystroke floors = TypeLetter(floor.Field(), floor.View(), letters[at]);
      kovrant.push_back(ours.total);
      bare.push_back(floors.total);
      kovrantChange.push_back(ours.change);
      bareChange.push_back(floors.change);
      kovrantPaint.push_back(ours.paint);
      barePaint.push_back(floors.paint);
      kovrantByLetter[at].push_back(ours.total);
      bareByLetter[at].push_back(floors.total);
      ratios.push_back(ours.total / floors.total);
    }
  }
  std::printf("keystroke by letter, Kovrant/floor median ms:");
  for (std::size_t at = 0; letters[at]; ++at) {
    std::printf(" %c %.1f/%.1f", letters[at], Median(kovrantByLetter[at]), Median(bareByLetter[at]));
  }
  std::printf("\nmedians of the parts, Kovrant/floor: the field's change handled %.1f/%.1f ms, the view painted "
              "%.1f/%.1f ms\n",
              Median(kovrantChange), Median(bareChange), Median(kovrantPaint), Median(barePaint));
  std::printf("keystroke against the bare list view, %zu pairs: Kovrant median %.1f ms, floor median %.1f ms, "
              "ratio of medians %.2f, median ratio %.2f\n",
              kovrant.size(), Median(kovrant), Median(bare), Median(kovrant) / Median(bare), Median(ratios));
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
  const int pairRounds = argc > 2 ? std::atoi(argv[2]) : 15;
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
  std::vector<int> counts;
  for (const char* typed : {"N", "NO", "NOT", "NOTE", "NOTEP", "NOTEPA"}) {
    const LARGE_INTEGER start = Now();
    const std::size_t found = index.Find(typed).size();
    std::printf(" %s %.1f ms (%zu)", typed, Milliseconds(start, Now()), found);
    counts.push_back(static_cast<int>(found));
  }
  std::printf("\n");
  std::fflush(stdout);
  CompareWithFloor(form, field, counts, "NOTEPA", pairRounds);
  std::fflush(stdout);
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

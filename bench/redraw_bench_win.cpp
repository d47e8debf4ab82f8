// Dropping 1,000 files on the top folder, and opening folders of 1,000 to 40,000 icons under Wine, each in two
// versions: missing targets (the stock image) and files that exist (a few file types, every tenth a program with an
// icon of its own); how long the view takes to show and to paint each, and how the time grows with the size (the
// exponent of a power law fitted over the sizes); and moving the middle icon one place in each folder. Prints the
// figures; asserts nothing. Usage: redraw_bench [rounds [size...]]
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/form1_win.h"
#include "ui/command_list.h"
#include "ui/command_tags.h"
#include "util/handles_win.h"

namespace {

int g_paints = 0;
WNDPROC g_listViewProcedure = nullptr;

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) ++g_paints;
  return CallWindowProcA(g_listViewProcedure, window, message, wParam, lParam);
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string FileName(int i) {
  static const char* const kTypes[] = {".txt", ".log", ".csv", ".ini", ".bat", ".htm", ".xml", ".cfg", ".dat"};
  return "file" + std::to_string(i) + (i % 10 == 0 ? std::string(".exe") : kTypes[i % 9]);
}

// Files 1 to count in folder: empty documents, and every tenth a link to this program;
// files there already are kept.
void MakeFiles(const std::string& folder, int count) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 1; i <= count; ++i) {
    const std::string path = folder + FileName(i);
    // Kept from an earlier run: opening a link to a program for writing would empty it.
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
    if (i % 10 == 0 && CreateHardLinkA(path.c_str(), self, nullptr)) continue;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
}

void WriteText(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

// Two folder icons at the top, of size missing targets and of size files, then the
// folders' entries; the table holds them all for every size measured.
std::string SettingsText(int size) {
  const std::string n = std::to_string(size);
  std::string text = "*Missing " + n + "*1*Missing " + n + "**\r\n*Files " + n + "*1*Files " + n + "**\r\n";
  for (int i = 1; i <= size; ++i) {
    const std::string s = std::to_string(i);
    text += "Missing " + n + "\\*gone\\app" + s + ".exe**Gone " + s + "**\r\n";
    text += "Files " + n + "\\*files\\" + FileName(i) + "**" + FileName(i) + "**\r\n";
  }
  return text;
}

// A drop handle as the shell makes it: a DROPFILES header, then the paths, each ending
// in a NUL, and one more NUL.
HGLOBAL ShellDrop(const std::vector<std::string>& paths) {
  std::size_t size = sizeof(DROPFILES) + 1;
  for (const std::string& path : paths) size += path.size() + 1;
  HGLOBAL memory = GlobalAlloc(GHND, size);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  char* at = reinterpret_cast<char*>(header) + sizeof(DROPFILES);
  for (const std::string& path : paths) at = std::copy(path.begin(), path.end(), at) + 1;
  GlobalUnlock(memory);
  return memory;
}

// The slope of log(time) over log(size) by least squares.
double Exponent(const std::map<int, double>& times) {
  double sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (const auto& [size, ms] : times) {
    const double x = std::log(size), y = std::log(ms);
    sx += x, sy += y, sxx += x * x, sxy += x * y;
  }
  const double n = static_cast<double>(times.size());
  return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}

// The median of each size's times, printed after the label.
std::map<int, double> PrintMedians(const char* label, std::map<int, std::vector<double>>& bySize) {
  std::map<int, double> medians;
  std::printf("%s median ms:", label);
  for (auto& [size, times] : bySize) {
    std::sort(times.begin(), times.end());
    medians[size] = times[times.size() / 2];
    std::printf("  %d: %.1f", size, medians[size]);
  }
  return medians;
}

// Steps the icons up to the largest size, timing the last step, then opens the folder
// anew at that size, several times over; prints the medians. The step is taken from the
// size below again each time, so each draws the icons in sight at the new size anew; and
// once more with the view scrolled halfway down, where the step keeps the icon at the top
// (under Wine a list view's scroll paints at once, and moves the scroll bars).
void TimeLargestIcons(HWND window, HWND view) {
  const auto command = [window](kov::Command which) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(kov::CommandWindowId(which), 1), 0);
  };
  constexpr int kTimes = 7;
  std::vector<double> steps, scrolledSteps, reopenings;
  for (int step = 0; step < 4; ++step) command(kov::Command::ZoomIn);
  Pump();
  for (int time = 0; time < kTimes; ++time) {
    LARGE_INTEGER start, zoomed, reopened;
    QueryPerformanceCounter(&start);
    command(kov::Command::ZoomIn);
    UpdateWindow(view);
    Pump();
    QueryPerformanceCounter(&zoomed);
    SendMessageA(view, WM_KEYDOWN, VK_BACK, 0);
    Pump();
    ListView_SetItemState(view, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Pump();
    LARGE_INTEGER openStart;
    QueryPerformanceCounter(&openStart);
    SendMessageA(view, WM_KEYDOWN, VK_RETURN, 0);
    UpdateWindow(view);
    Pump();
    QueryPerformanceCounter(&reopened);
    steps.push_back(Milliseconds(start, zoomed));
    reopenings.push_back(Milliseconds(openStart, reopened));
    command(kov::Command::ZoomOut);
    Pump();
    // The same step with the view scrolled halfway down, which keeps the icon at the top.
    ListView_Scroll(view, 0, GetScrollPos(view, SB_VERT) + ListView_GetItemCount(view) * 4);
    Pump();
    QueryPerformanceCounter(&start);
    command(kov::Command::ZoomIn);
    UpdateWindow(view);
    Pump();
    QueryPerformanceCounter(&zoomed);
    scrolledSteps.push_back(Milliseconds(start, zoomed));
    command(kov::Command::ZoomOut);
    ListView_Scroll(view, 0, -GetScrollPos(view, SB_VERT));
    Pump();
  }
  std::sort(steps.begin(), steps.end());
  std::sort(scrolledSteps.begin(), scrolledSteps.end());
  std::sort(reopenings.begin(), reopenings.end());
  std::printf("  %d icons, medians of %d: 128 to 256 px %.1f ms (scrolled down %.1f ms); opened anew at 256 px %.1f ms\n",
              ListView_GetItemCount(view), kTimes, steps[kTimes / 2], scrolledSteps[kTimes / 2], reopenings[kTimes / 2]);
  std::fflush(stdout);
  command(kov::Command::ZoomReset);
  Pump();
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
  std::vector<int> sizes;
  for (int i = 2; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {1000, 5000, 10000, 20000, 40000};
  int largest = 0;
  for (int size : sizes) largest = std::max(largest, size);

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "kovrant-redraw-bench\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  SetCurrentDirectoryA(folder.c_str());
  MakeFiles(folder + "files\\", largest);
  const std::string settingsPath = folder + "kovrant.ini";
  // Medians over the rounds of the time to show and paint, per version and size.
  std::map<std::string, std::map<int, std::vector<double>>> painted;
  std::map<std::string, std::map<int, std::vector<double>>> moved;
  for (int size : sizes) {
    WriteText(settingsPath, SettingsText(size));
    kov::Form1 form(kov::MenuFile{settingsPath});
    if (!form.Create(SW_SHOWNORMAL)) return 1;
    HWND view = form.View().hwnd();
    g_listViewProcedure =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProcedure)));
    Pump();
    if (size == sizes.front()) {
      std::vector<std::string> dropped;
      for (int i = 1; i <= 1000; ++i) dropped.push_back(folder + "files\\" + FileName(i));
      LARGE_INTEGER dropStart, dropEnd;
      QueryPerformanceCounter(&dropStart);
      SendMessageA(form.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(ShellDrop(dropped)), 0);
      UpdateWindow(view);
      Pump();
      QueryPerformanceCounter(&dropEnd);
      std::printf("drop of %zu files: %.1f ms, %d icons on show\n", dropped.size(), Milliseconds(dropStart, dropEnd),
                  ListView_GetItemCount(view));
      std::fflush(stdout);
    }
    for (int round = 1; round <= rounds; ++round) {
      for (int version = 0; version < 2; ++version) {
        const char* name = version == 0 ? "missing" : "files";
        // The folder's icon selected at the top and opened with Enter, as a user does.
        ListView_SetItemState(view, version, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Pump();
        g_paints = 0;
        LARGE_INTEGER start, shown, done;
        QueryPerformanceCounter(&start);
        SendMessageA(view, WM_KEYDOWN, VK_RETURN, 0);
        QueryPerformanceCounter(&shown);
        UpdateWindow(view);
        Pump();
        QueryPerformanceCounter(&done);
        std::printf("round %d %-8s %6d icons: opened %8.1f ms, with painting %8.1f ms, paints %d\n", round, name,
                    ListView_GetItemCount(view), Milliseconds(start, shown), Milliseconds(start, done), g_paints);
        std::fflush(stdout);
        painted[name][size].push_back(Milliseconds(start, done));
        const int middle = ListView_GetItemCount(view) / 2;
        ListView_SetItemState(view, middle, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Pump();
        LARGE_INTEGER moveStart, moveEnd;
        QueryPerformanceCounter(&moveStart);
        SendMessageA(form.hwnd(), WM_COMMAND, kov::kTagMoveRight, 0);
        UpdateWindow(view);
        Pump();
        QueryPerformanceCounter(&moveEnd);
        moved[name][size].push_back(Milliseconds(moveStart, moveEnd));
        if (version == 1) TimeLargestIcons(form.hwnd(), view);
        SendMessageA(view, WM_KEYDOWN, VK_BACK, 0);
        Pump();
      }
    }
    DestroyWindow(form.hwnd());
  }
  for (auto& [name, bySize] : moved) {
    PrintMedians(("move in " + name).c_str(), bySize);
    std::printf("\n");
  }
  for (auto& [name, bySize] : painted) {
    const std::map<int, double> medians = PrintMedians(name.c_str(), bySize);
    std::printf("  exponent %.2f\n", medians.size() > 1 ? Exponent(medians) : 0.0);
  }
  DeleteFileA(settingsPath.c_str());
  return 0;
}

// Redrawing a folder of 1,000 entries under Wine: once with distinct targets that exist
// (one shell icon each: 900 documents and 100 programs) and once with missing targets (the stock image), and how many
// times the view paints for one folder switch. Prints the figures; asserts nothing.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/form1_win.h"
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

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "kovrant-redraw-bench\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  SetCurrentDirectoryA(folder.c_str());
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);

  std::string settings = "*Existing*1*Existing**\r\n*Missing*1*Missing**\r\n";
  for (int i = 1; i <= 1000; ++i) {
    const std::string document = "doc" + std::to_string(i) + (i % 10 == 0 ? ".exe" : ".txt");
    CopyFileA(self, (folder + document).c_str(), FALSE);
    settings += "Existing\\*" + document + "**Document " + std::to_string(i) + "**\r\n";
    settings += "Missing\\*gone" + std::to_string(i) + ".exe**Gone " + std::to_string(i) + "**\r\n";
  }
  const std::string settingsPath = folder + "kovrant.ini";
  HANDLE file = CreateFileA(settingsPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, settings.data(), static_cast<DWORD>(settings.size()), &written, nullptr);
  CloseHandle(file);

  kov::Form1 form(settingsPath);
  if (!form.Create(SW_SHOWNORMAL)) return 1;
  HWND view = form.View().hwnd();
  g_listViewProcedure =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProcedure)));
  Pump();
  for (const char* name : {"Existing\\", "Missing\\", "Existing\\", "Missing\\"}) {
    // Back at the top, the folder's icon selected and opened with Enter, as a user does.
    SendMessageA(view, WM_KEYDOWN, VK_BACK, 0);
    const int icon = name[0] == 'E' ? 0 : 1;
    ListView_SetItemState(view, icon, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Pump();
    g_paints = 0;
    LARGE_INTEGER start, shown, painted;
    QueryPerformanceCounter(&start);
    SendMessageA(view, WM_KEYDOWN, VK_RETURN, 0);
    QueryPerformanceCounter(&shown);
    UpdateWindow(view);
    Pump();
    QueryPerformanceCounter(&painted);
    std::printf("%-10s %4d icons: opened %7.1f ms, with painting %7.1f ms, paints %d\n", name,
                ListView_GetItemCount(view), Milliseconds(start, shown), Milliseconds(start, painted), g_paints);
  }
  DestroyWindow(form.hwnd());
  DeleteFileA(settingsPath.c_str());
  for (int i = 1; i <= 1000; ++i) {
    DeleteFileA((folder + "doc" + std::to_string(i) + (i % 10 == 0 ? ".exe" : ".txt")).c_str());
  }
  return 0;
}

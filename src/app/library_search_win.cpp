#include "app/library_search_win.h"

#include <windows.h>

#include <string>

namespace kov {

namespace {

// The libraries a session loads late through a system library's delay-loaded imports: the
// theme library loads msimg32 when it first draws a dialog or a menu. Every other library
// a session loads after start-up (the Info page's, the file dialog's, the shell's) comes
// in through a load that the restriction governs.
constexpr const wchar_t* kLateLoadedLibraries[] = {L"msimg32.dll"};

// Loads the library from the system folder by its full path; it stays loaded for the life
// of the process.
void LoadFromSystemFolder(const wchar_t* name) {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  const std::wstring path = std::wstring(folder, length) + L"\\" + name;
  LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

void RestrictLibrarySearch() {
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Takes the current folder out of the search on systems without the call above.
  SetDllDirectoryA("");
  for (const wchar_t* name : kLateLoadedLibraries) LoadFromSystemFolder(name);
}

}  // namespace kov

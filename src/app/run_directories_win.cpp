#include "app/run_directories_win.h"

#include <windows.h>

namespace kov {

namespace {

// Room for a path of MAX_PATH UTF-16 units in UTF-8, which takes up to three bytes for
// each of them.
constexpr UINT kPathBytes = 3 * MAX_PATH;

Text SystemDirectoryValue(UINT(WINAPI* query)(LPSTR, UINT)) {
  char buffer[kPathBytes + 1] = {};
  const UINT length = query(buffer, kPathBytes);
  return CleanDirectoryValue(length > 0 && length <= kPathBytes ? Text(buffer, length) : Text());
}

Text TempDirectoryValue() {
  char buffer[kPathBytes + 1] = {};
  const DWORD length = GetTempPathA(kPathBytes, buffer);
  return CleanDirectoryValue(length > 0 && length <= kPathBytes ? Text(buffer, length) : Text());
}

void DisableFileSystemRedirection() {
  using DisableFunction = BOOL(WINAPI*)(PVOID*);
  const auto disable = reinterpret_cast<DisableFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "Wow64DisableWow64FsRedirection")));
  PVOID previous = nullptr;
  if (disable) disable(&previous);
}

}  // namespace

DirectoryValues ReadRunDirectories() {
  DisableFileSystemRedirection();
  DirectoryValues dirs;
  const Text currentDirectory = CurrentDirSlash();
  dirs.workFolder = WorkFolderFrom(currentDirectory);
  dirs.workFolderShown = ShownWorkFolderFrom(currentDirectory);
  dirs.systemDir = SystemDirectoryValue(GetSystemDirectoryA);
  dirs.tempDir = TempDirectoryValue();
  dirs.windowsDir = SystemDirectoryValue(GetWindowsDirectoryA);
  return dirs;
}

}  // namespace kov

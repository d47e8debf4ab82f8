// A working folder of a benchmark's own in the temporary folder, made the current
// directory, with a menu in its settings file and no state file; the settings path.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

inline std::string PrepareBenchMenu(const char* folderName, const std::string& menu) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + folderName + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  SetCurrentDirectoryA(folder.c_str());
  DeleteFileA((folder + "kovrant.state").c_str());
  const std::string path = folder + "kovrant.ini";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, menu.data(), static_cast<DWORD>(menu.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

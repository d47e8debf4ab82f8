// A DLL that someone could plant beside the program on a shared drive. When it is ever
// loaded it leaves a marker file beside itself, which the test looks for.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char path[MAX_PATH] = {};
  GetModuleFileNameA(self, path, MAX_PATH);
  const std::string marker = std::string(path) + ".was-loaded";
  HANDLE file = CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return TRUE;
}

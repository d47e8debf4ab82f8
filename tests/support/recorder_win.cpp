// A stand-in for a program that the launcher starts: it appends its command line and its
// current directory to the file named by the environment variable KOVRANT_RECORD (or
// "recorded.txt" beside itself), one line each, and exits.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char recordPath[MAX_PATH] = {};
  if (GetEnvironmentVariableA("KOVRANT_RECORD", recordPath, MAX_PATH) == 0) {
    GetModuleFileNameA(nullptr, recordPath, MAX_PATH);
    std::string beside(recordPath);
    beside = beside.substr(0, beside.find_last_of('\\') + 1) + "recorded.txt";
    lstrcpynA(recordPath, beside.c_str(), MAX_PATH);
  }
  char directory[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, directory);
  const std::string record = std::string("command line: ") + GetCommandLineA() + "\r\ncurrent directory: " +
                             directory + "\r\n";
  HANDLE file = CreateFileA(recordPath, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}

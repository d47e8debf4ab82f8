// A stand-in for a program that the launcher starts: it appends its command line and its
// current directory, in UTF-8, to the file named by the environment variable
// KOVRANT_RECORD (or "recorded.txt" beside itself), one line each, and exits. It reads
// them in UTF-16 so that names in any script arrive as the launcher passed them.
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& wide) {
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr, nullptr);
  return text;
}

std::wstring RecordPath() {
  wchar_t path[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"KOVRANT_RECORD", path, MAX_PATH) != 0) return path;
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring beside(path);
  return beside.substr(0, beside.find_last_of(L'\\') + 1) + L"recorded.txt";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  wchar_t directory[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, directory);
  const std::string record =
      "command line: " + Utf8(GetCommandLineW()) + "\r\ncurrent directory: " + Utf8(directory) + "\r\n";
  HANDLE file = CreateFileW(RecordPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}

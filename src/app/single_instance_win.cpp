#include "app/single_instance_win.h"

#include <charconv>

#include "util/wide_text_win.h"

namespace kov {

namespace {

constexpr char kMenuProperty[] = "KovrantMenuKey";

// FNV-1a, folded over several pieces in turn.
class KeyHash {
 public:
  void Add(const void* data, size_t size) {
    for (size_t i = 0; i < size; ++i) {
      value_ ^= static_cast<const unsigned char*>(data)[i];
      value_ *= 1099511628211ull;
    }
  }
  unsigned long long Value() const { return value_; }

 private:
  unsigned long long value_ = 14695981039346656037ull;
};

// The settings file's folder as the file system knows it: volume serial number and file
// index, the same whichever drive letter, short name, letter case or network path reaches
// it. The folder rather than the file itself: the file does not exist before the first
// save, and a save that replaces it gives it a new index.
bool FolderIdentity(const Text& folder, BY_HANDLE_FILE_INFORMATION& identity) {
  const FileHandle handle(CreateFileA(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return handle && GetFileInformationByHandle(handle.get(), &identity);
}

// The same settings file gives the same key in every copy, whatever path it was reached
// by. A folder that cannot be opened falls back to the path's text in lower case.
unsigned long long KeyOf(const Text& settingsFile) {
  const size_t slash = settingsFile.find_last_of("\\/");
  const Text folder = slash == Text::npos ? Text(".") : settingsFile.substr(0, slash + 1);
  const Text name = LowerText(slash == Text::npos ? settingsFile : settingsFile.substr(slash + 1));
  KeyHash hash;
  BY_HANDLE_FILE_INFORMATION identity{};
  if (FolderIdentity(folder, identity)) {
    hash.Add(&identity.dwVolumeSerialNumber, sizeof identity.dwVolumeSerialNumber);
    hash.Add(&identity.nFileIndexHigh, sizeof identity.nFileIndexHigh);
    hash.Add(&identity.nFileIndexLow, sizeof identity.nFileIndexLow);
    hash.Add(name.data(), name.size());
  } else {
    const Text lower = LowerText(settingsFile);
    hash.Add(lower.data(), lower.size());
  }
  return hash.Value();
}

// "Local\Kovrant-" and the key as 16 hexadecimal digits. Written by hand rather than
// with snprintf, which would bring the C library's whole formatter into the program.
Text MutexName(unsigned long long key) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, key, 16).ptr;
  const auto count = static_cast<size_t>(end - digits);
  return "Local\\Kovrant-" + Text(sizeof digits - count, '0') + Text(digits, count);
}

struct WindowSearch {
  unsigned long long key;
  HWND found = nullptr;
};

BOOL CALLBACK MatchMenuWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  const auto key = reinterpret_cast<ULONG_PTR>(GetPropA(window, kMenuProperty));
  if (key == 0 || key != static_cast<ULONG_PTR>(search->key)) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

SingleInstance::SingleInstance(const Text& settingsFile) : settingsFile_(settingsFile), key_(KeyOf(settingsFile) | 1) {
  const Text name = MutexName(key_);
  mutex_.reset(CreateMutexA(nullptr, FALSE, name.c_str()));
  anotherIsRunning_ = mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
}

bool SingleInstance::ActivateOther() const {
  WindowSearch search{key_};
  EnumWindows(MatchMenuWindow, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return false;
  if (IsIconic(search.found)) ShowWindow(search.found, SW_RESTORE);
  SetForegroundWindow(search.found);
  return true;
}

// A copy whose window never shows may be hung, or the guard may be held by something
// else. Starting anyway would put two copies on one menu, and the one that closes last
// would overwrite the other's changes; so the user is told instead, and nothing is lost.
void SingleInstance::HandOverToOther() const {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (ActivateOther()) return;
    Sleep(100);
  }
  const Text message = "Kovrant is already running for this menu:\r\n" + settingsFile_ +
                       "\r\n\r\nIts window cannot be shown. Close the other copy of Kovrant, then try again.";
  MessageBoxW(nullptr, WideText(message).c_str(), L"Kovrant", MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

void SingleInstance::MarkWindow(HWND window) const {
  SetPropA(window, kMenuProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(key_)));
}

void SingleInstance::UnmarkWindow(HWND window) { RemovePropA(window, kMenuProperty); }

}  // namespace kov

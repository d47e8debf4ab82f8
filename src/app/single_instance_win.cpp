#include "app/single_instance_win.h"

#include <cstdio>

namespace kov {

namespace {

constexpr char kMenuProperty[] = "KovrantMenuKey";

// FNV-1a over the lower-cased path: the same settings file gives the same key in every
// copy, whatever letter case the path was started with.
unsigned long long KeyOf(const Text& settingsFile) {
  unsigned long long hash = 14695981039346656037ull;
  for (unsigned char c : LowerText(settingsFile)) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
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

SingleInstance::SingleInstance(const Text& settingsFile) : key_(KeyOf(settingsFile) | 1) {
  char name[64];
  std::snprintf(name, sizeof name, "Local\\Kovrant-%016llx", key_);
  mutex_.reset(CreateMutexA(nullptr, FALSE, name));
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

void SingleInstance::MarkWindow(HWND window) const {
  SetPropA(window, kMenuProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(key_)));
}

void SingleInstance::UnmarkWindow(HWND window) { RemovePropA(window, kMenuProperty); }

}  // namespace kov

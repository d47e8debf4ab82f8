#include "util/current_dir.h"

#include <windows.h>

namespace kov {

std::string CurrentDirectory() {
  const DWORD needed = GetCurrentDirectoryA(0, nullptr);
  if (needed == 0) return std::string();
  std::string directory(needed, '\0');
  const DWORD written = GetCurrentDirectoryA(needed, directory.data());
  directory.resize(written < needed ? written : 0);
  return directory;
}

bool ChangeCurrentDirectory(const std::string& directory) { return SetCurrentDirectoryA(directory.c_str()) != FALSE; }

}  // namespace kov

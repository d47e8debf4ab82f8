#include "shell/godmode_win.h"

#include <windows.h>

#include "store/launch_win.h"
#include "shell/widen_path.h"
#include "util/handles_win.h"

namespace kov {
namespace {

// A directory search would take "*" and "?" as patterns and report any match. The "?"
// of a "\\?\" long-path prefix is no pattern.
bool HasWildcards(const std::wstring& path) {
  const std::size_t from = path.rfind(L"\\\\?\\", 0) == 0 ? 4 : 0;
  return path.find_first_of(L"*?", from) != std::wstring::npos;
}

}  // namespace

bool IsExistingFile(const Text& path) {
  const std::wstring widePath = WidenPath(path);
  if (widePath.empty() || HasWildcards(widePath)) return false;
  WIN32_FIND_DATAW found{};
  const FindHandle search(FindFirstFileW(widePath.c_str(), &found));
  if (!search) return false;
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool CreateFolderAt(const Text& path) {
  const std::wstring widePath = WidenPath(path);
  return !widePath.empty() && CreateDirectoryW(widePath.c_str(), nullptr) != FALSE;
}

void OpenGodModeFolder(const ShellRunner& shell) {
  const Text name = kGodModeFolderName;
  // Creating over an existing folder just fails, so the call runs on every click.
  if (!IsExistingFile(name)) CreateFolderAt(name);
  ShellOpen(name, shell);
}

}  // namespace kov

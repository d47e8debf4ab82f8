// The one door of the shell shortcuts to the Windows shell. Every request to open a
// folder goes through the current runner, which tests replace with a recorder so that
// they see what Explorer would receive without opening windows.
#pragma once

#include <windows.h>

#include <functional>

#include "util/text.h"

namespace kov {

struct ShellRequest {
  HWND owner = nullptr;
  Text verb;
  Text file;
  Text parameters;  // empty: none
  int showCommand = SW_SHOWNORMAL;
};

using ShellRunner = std::function<void(const ShellRequest&)>;

// Hands the request to the current runner; by default ShellExecuteA, whose result the
// shell shortcuts do not inspect.
void RunShellRequest(const ShellRequest& request);

// Installs a runner (an empty one restores ShellExecuteA) and returns the one it replaces.
ShellRunner ReplaceShellRunner(ShellRunner runner);

}  // namespace kov

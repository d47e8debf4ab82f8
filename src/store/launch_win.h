// The ways the program hands work to the Windows shell, and the start of an entry.
#pragma once

#include <windows.h>

#include <functional>

#include "store/targets.h"

namespace kov {

// One request to the shell, as ShellExecuteA / ShellExecuteExA receive it.
struct ShellRequest {
  HWND owner = nullptr;
  Text verb;  // empty for the default verb
  Text file;
  Text parameters;
  Text directory;
  int show = SW_SHOWNORMAL;
  ULONG mask = 0;  // ShellExecuteExA's mask; 0 for a plain ShellExecuteA
};

// Carries out a request; the real one calls the shell. Tests put a recorder in its
// place where the shell would open windows of its own (Explorer, property sheets).
using ShellRunner = std::function<bool(const ShellRequest&)>;
ShellRunner& CurrentShellRunner();
bool RunWithShell(const ShellRequest& request);

void ShellOpen(const Text& path);
void LaunchTarget(const Text& path, const Text& parameters);
bool RunElevated(HWND owner, const Text& path, const Text& parameters);
void ShowProperties(const Text& path);
// Explorer with a parameter text: a folder to show, or "/select," and a quoted path.
void OpenInExplorer(HWND owner, const Text& parameters);

enum class StartOutcome { Started, TargetMissing };

// Starts a program or document entry: the target made absolute, the current directory
// moved to the target's own directory for the start and always back to the working
// folder afterwards, "@R\" in the parameters replaced by the working folder.
StartOutcome StartProgram(HWND owner, const Text& target, const Text& parameters, bool elevated,
                          const DirectoryValues& dirs);

}  // namespace kov

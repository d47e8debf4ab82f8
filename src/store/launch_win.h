// The executor of the shell requests that launch_plan decides: it turns each into the
// ShellExecuteA or ShellExecuteExA call it names and hands it to a runner.
#pragma once

#include <windows.h>

#include <functional>

#include "store/launch_plan.h"

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

// The runner used where a caller names none.
ShellRunner& CurrentShellRunner();

// Carries out request through runner; owner is the program's window.
[[nodiscard]] bool CarryOut(const LaunchRequest& request, HWND owner, const ShellRunner& runner = CurrentShellRunner());

// Carries out a start: the plan's directory is current during the start, and the one
// after it is current again afterwards, whether or not the shell started anything.
[[nodiscard]] bool CarryOutStart(const StartPlan& plan, HWND owner, const ShellRunner& runner = CurrentShellRunner());

void ShellOpen(const Text& path, const ShellRunner& runner = CurrentShellRunner());
void ShowProperties(const Text& path, const ShellRunner& runner = CurrentShellRunner());
// Explorer with a parameter text: a folder to show, or "/select," and a quoted path.
void OpenInExplorer(HWND owner, const Text& parameters, const ShellRunner& runner = CurrentShellRunner());

enum class StartOutcome { Started, TargetMissing };

// Starts a program or document entry as PlanStart decides, when its target exists.
StartOutcome StartProgram(HWND owner, const Text& target, const Text& parameters, bool elevated,
                          const DirectoryValues& dirs, const ShellRunner& runner = CurrentShellRunner());

}  // namespace kov

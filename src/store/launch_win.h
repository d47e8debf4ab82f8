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

// Carries out a request and tells whether the shell took it. The program passes
// ExecuteWithShell; tests pass a recorder where the shell would open windows of its own
// (Explorer, property sheets). The shell reports its own failures to the user.
using ShellRunner = std::function<bool(const ShellRequest&)>;

// The real runner: ShellExecuteA, or ShellExecuteExA when the request has a mask.
bool ExecuteWithShell(const ShellRequest& request);

// Carries out request through runner; owner is the program's window.
void CarryOut(const LaunchRequest& request, HWND owner, const ShellRunner& runner);

// Carries out a start: the plan's directory is current during the start, and the one
// after it is current again afterwards, whether or not the shell started anything.
void CarryOutStart(const StartPlan& plan, HWND owner, const ShellRunner& runner);

void ShellOpen(const Text& path, const ShellRunner& runner);
void ShowProperties(const Text& path, const ShellRunner& runner);
// Explorer with a parameter text: a folder to show, or "/select," and a quoted path.
void OpenInExplorer(HWND owner, const Text& parameters, const ShellRunner& runner);

enum class StartOutcome { Started, TargetMissing };

// Starts a program or document entry as PlanStart decides, when its target exists.
StartOutcome StartProgram(HWND owner, const Text& target, const Text& parameters, bool elevated,
                          const DirectoryValues& dirs, const ShellRunner& runner);

}  // namespace kov

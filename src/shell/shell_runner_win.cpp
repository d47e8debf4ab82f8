#include "shell/shell_runner_win.h"

#include <shellapi.h>

#include <utility>

namespace kov {
namespace {

void ExecuteWithShell(const ShellRequest& request) {
  const char* parameters = request.parameters.empty() ? nullptr : request.parameters.c_str();
  ShellExecuteA(request.owner, request.verb.c_str(), request.file.c_str(), parameters, nullptr, request.showCommand);
}

ShellRunner& CurrentRunner() {
  static ShellRunner runner = ExecuteWithShell;
  return runner;
}

}  // namespace

void RunShellRequest(const ShellRequest& request) { CurrentRunner()(request); }

ShellRunner ReplaceShellRunner(ShellRunner runner) {
  if (!runner) runner = ExecuteWithShell;
  return std::exchange(CurrentRunner(), std::move(runner));
}

}  // namespace kov

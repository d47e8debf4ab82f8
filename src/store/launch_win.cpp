#include "store/launch_win.h"

#include <shellapi.h>

#include "store/file_system.h"
#include "util/current_dir.h"

namespace kov {

bool ExecuteWithShell(const ShellRequest& request) {
  auto orNull = [](const Text& text) { return text.empty() ? nullptr : text.c_str(); };
  if (request.mask == 0) {
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(request.owner, orNull(request.verb), request.file.c_str(),
                                                orNull(request.parameters), orNull(request.directory), request.show));
    return result > 32;
  }
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = request.mask;
  info.hwnd = request.owner;
  info.lpVerb = orNull(request.verb);
  info.lpFile = request.file.c_str();
  info.lpParameters = orNull(request.parameters);
  info.lpDirectory = orNull(request.directory);
  info.nShow = request.show;
  return ShellExecuteExA(&info) != FALSE;
}

namespace {

HWND OwnerWindow(RequestOwner owner, HWND window) {
  switch (owner) {
    case RequestOwner::Desktop:
      return GetDesktopWindow();
    case RequestOwner::Window:
      return window;
    case RequestOwner::None:
      break;
  }
  return nullptr;
}

int ShowCommand(ShowMode show) {
  switch (show) {
    case ShowMode::Normal:
      return SW_SHOWNORMAL;
    case ShowMode::AsProgramAsks:
      return SW_SHOW;
    case ShowMode::Hidden:
      break;
  }
  return SW_HIDE;
}

ULONG ExecuteMask(ShellCall call) {
  switch (call) {
    case ShellCall::Plain:
      return 0;
    case ShellCall::ElevatedWithoutErrorUi:
      return SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    case ShellCall::PropertySheet:
      break;
  }
  return SEE_MASK_INVOKEIDLIST;
}

}  // namespace

void CarryOut(const LaunchRequest& request, HWND owner, const ShellRunner& runner) {
  runner({OwnerWindow(request.owner, owner), request.verb, request.file, request.parameters, request.directory,
          ShowCommand(request.show), ExecuteMask(request.call)});
}

void CarryOutStart(const StartPlan& plan, HWND owner, const ShellRunner& runner) {
  ChangeCurrentDirectory(plan.directoryDuringStart);
  CarryOut(plan.request, owner, runner);
  ChangeCurrentDirectory(plan.directoryAfterStart);
}

void ShellOpen(const Text& path, const ShellRunner& runner) { CarryOut(OpenRequest(path), nullptr, runner); }

void ShowProperties(const Text& path, const ShellRunner& runner) { CarryOut(PropertiesRequest(path), nullptr, runner); }

void OpenInExplorer(HWND owner, const Text& parameters, const ShellRunner& runner) {
  CarryOut(ExplorerRequest(parameters), owner, runner);
}

StartOutcome StartProgram(HWND owner, const Text& target, const Text& parameters, bool elevated,
                          const DirectoryValues& dirs, const ShellRunner& runner) {
  const std::optional<StartPlan> plan = PlanStart(target, parameters, elevated, dirs, FileExists);
  if (!plan) return StartOutcome::TargetMissing;
  CarryOutStart(*plan, owner, runner);
  return StartOutcome::Started;
}

}  // namespace kov

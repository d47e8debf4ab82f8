#include "store/launch_win.h"

#include <shellapi.h>

#include "util/current_dir.h"

namespace kov {

namespace {

bool ExecuteWithShell(const ShellRequest& request) {
  auto orNull = [](const Text& text) { return text.empty() ? nullptr : text.c_str(); };
  if (request.mask == 0) {
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(request.owner, orNull(request.verb), request.file.c_str(),
                                                                orNull(request.parameters), orNull(request.directory),
                                                                request.show));
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

}  // namespace

ShellRunner& CurrentShellRunner() {
  static ShellRunner runner = ExecuteWithShell;
  return runner;
}

bool RunWithShell(const ShellRequest& request) { return CurrentShellRunner()(request); }

void ShellOpen(const Text& path) {
  RunWithShell({GetDesktopWindow(), "open", path, "", "", SW_SHOWNORMAL, 0});
}

void LaunchTarget(const Text& path, const Text& parameters) {
  RunWithShell({GetDesktopWindow(), "", FileNamePart(path), parameters, DirectoryPart(path), SW_SHOW, 0});
}

bool RunElevated(HWND owner, const Text& path, const Text& parameters) {
  return RunWithShell({owner, "runas", path, parameters, "", SW_SHOWNORMAL, SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI});
}

void ShowProperties(const Text& path) {
  RunWithShell({nullptr, "properties", path, "", "", SW_HIDE, SEE_MASK_INVOKEIDLIST});
}

void OpenInExplorer(HWND owner, const Text& parameters) {
  RunWithShell({owner, "OPEN", "explorer.exe", parameters, "", SW_SHOWNORMAL, 0});
}

StartOutcome StartProgram(HWND owner, const Text& target, const Text& parameters, bool elevated,
                          const DirectoryValues& dirs) {
  const Text path = MakeAbsolute(ExpandMacros(target, dirs), dirs);
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return StartOutcome::TargetMissing;
  static_cast<void>(ChangeCurrentDirectory(DirectoryPart(path)));
  const Text expandedParameters = ExpandRunFolderMarker(parameters, dirs);
  if (elevated) {
    RunElevated(owner, path, expandedParameters);
  } else {
    LaunchTarget(path, expandedParameters);
  }
  static_cast<void>(ChangeCurrentDirectory(dirs.workFolder));
  return StartOutcome::Started;
}

}  // namespace kov

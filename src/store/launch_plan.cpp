#include "store/launch_plan.h"

namespace kov {

namespace {

// Runas on the whole path, owned by the program's window; the shell waits until the
// start has been handed over and shows no error of its own.
LaunchRequest ElevatedStart(const Text& path, const Text& parameters) {
  LaunchRequest request;
  request.owner = RequestOwner::Window;
  request.verb = "runas";
  request.file = path;
  request.parameters = parameters;
  request.call = ShellCall::ElevatedWithoutErrorUi;
  return request;
}

// The default verb on the file name, in the file's own directory.
LaunchRequest PlainStart(const Text& path, const Text& parameters) {
  LaunchRequest request;
  request.file = FileNamePart(path);
  request.parameters = parameters;
  request.directory = DirectoryPart(path);
  request.show = ShowMode::AsProgramAsks;
  return request;
}

}  // namespace

std::optional<StartPlan> PlanStart(const Text& target, const Text& parameters, bool elevated,
                                   const DirectoryValues& dirs, const PathExists& exists) {
  const Text path = TargetPath(target, dirs);
  if (!exists(path)) return std::nullopt;
  const Text expandedParameters = ExpandRunFolderMarker(parameters, dirs);
  StartPlan plan;
  plan.request = elevated ? ElevatedStart(path, expandedParameters) : PlainStart(path, expandedParameters);
  plan.directoryDuringStart = DirectoryPart(path);
  plan.directoryAfterStart = dirs.workFolderShown;
  return plan;
}

LaunchRequest OpenRequest(const Text& path) {
  LaunchRequest request;
  request.verb = "open";
  request.file = path;
  return request;
}

LaunchRequest PropertiesRequest(const Text& path) {
  LaunchRequest request;
  request.owner = RequestOwner::None;
  request.verb = "properties";
  request.file = path;
  request.show = ShowMode::Hidden;
  request.call = ShellCall::PropertySheet;
  return request;
}

LaunchRequest ExplorerRequest(const Text& parameters) {
  LaunchRequest request;
  request.owner = RequestOwner::Window;
  request.verb = "OPEN";
  request.file = "explorer.exe";
  request.parameters = parameters;
  return request;
}

Text SelectInExplorerParameter(const Text& path) { return "/select,\"" + path + "\""; }

}  // namespace kov

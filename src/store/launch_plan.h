// What the shell commands mean, decided without the shell: starting an entry, opening a
// directory, an item's properties and Explorer each become one request, which the
// executor (launch_win) carries out as it stands.
#pragma once

#include <functional>
#include <optional>

#include "store/targets.h"

namespace kov {

// Whether a file or directory exists at an absolute path.
using PathExists = std::function<bool(const Text& path)>;

// The window a request names as its owner: the desktop, the program's window, or none.
enum class RequestOwner { Desktop, Window, None };

// How the started program's window first appears: restored to its normal size and
// place, as the program itself asks, or hidden.
enum class ShowMode { Normal, AsProgramAsks, Hidden };

// The form of the shell call: the plain one, or the extended one that either waits until
// the start has been handed over and reports no error of its own (what an elevated start
// needs), or shows the item's property sheet.
enum class ShellCall { Plain, ElevatedWithoutErrorUi, PropertySheet };

struct LaunchRequest {
  RequestOwner owner = RequestOwner::Desktop;
  Text verb;  // empty for the default verb
  Text file;
  Text parameters;
  Text directory;  // empty for none
  ShowMode show = ShowMode::Normal;
  ShellCall call = ShellCall::Plain;

  friend bool operator==(const LaunchRequest&, const LaunchRequest&) = default;
};

// A start: the request, and the current directory during the start and after it.
struct StartPlan {
  LaunchRequest request;
  Text directoryDuringStart;
  Text directoryAfterStart;
};

// What starting a program or document entry means. The target's macros are expanded
// and it is made absolute against the working folder; when nothing exists there, there
// is no plan. Otherwise the target's own directory is current during the start and the
// working folder afterwards, "@R\" in the parameters becomes the working folder, and the
// request is the default verb on the file name in its directory, or, elevated, "runas"
// on the whole path, owned by the program's window.
std::optional<StartPlan> PlanStart(const Text& target, const Text& parameters, bool elevated,
                                   const DirectoryValues& dirs, const PathExists& exists);

// Opens a directory (or any path) with the "open" verb.
LaunchRequest OpenRequest(const Text& path);

// Shows the property sheet of a file or directory.
LaunchRequest PropertiesRequest(const Text& path);

// Explorer with a parameter text: a folder to show, or SelectInExplorerParameter.
LaunchRequest ExplorerRequest(const Text& parameters);

// Explorer's parameter text that opens the folder holding path with path selected.
Text SelectInExplorerParameter(const Text& path);

}  // namespace kov

#include "store/targets.h"

#include <algorithm>
#include <vector>

namespace kov {

Text WorkFolderFrom(const Text& currentDirectory) { return UpperText(ShownWorkFolderFrom(currentDirectory)); }

Text ShownWorkFolderFrom(const Text& currentDirectory) { return SlashMode(currentDirectory, 0); }

Text CleanDirectoryValue(const Text& reported) {
  auto isBlankOrControl = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  const auto first = std::find_if_not(reported.begin(), reported.end(), isBlankOrControl);
  const auto last = std::find_if_not(reported.rbegin(), reported.rend(), isBlankOrControl).base();
  return SlashMode(first < last ? Text(first, last) : Text(), 1);
}

Text ExpandMacros(const Text& target, const DirectoryValues& dirs) {
  Text expanded = ReplaceAll(target, "%systemdir%", dirs.systemDir);
  expanded = ReplaceAll(expanded, "%wintemp%", dirs.tempDir);
  return ReplaceAll(expanded, "%windir%", dirs.windowsDir);
}

namespace {

bool HasDrive(const Text& path) { return path.size() >= 2 && path[1] == ':'; }

std::vector<Text> Components(const Text& path) {
  std::vector<Text> components;
  std::size_t start = 0;
  for (std::size_t slash; (slash = path.find('\\', start)) != Text::npos; start = slash + 1) {
    components.push_back(path.substr(start, slash - start));
  }
  components.push_back(path.substr(start));
  return components;
}

bool IsDotSegment(const Text& component) { return component == "." || component == ".."; }

// Drive-letter paths only: "E:\" and "e:\" are one drive.
bool OnSameDrive(const Text& first, const Text& second) {
  return HasDrive(first) && HasDrive(second) && UpperText(first.substr(0, 2)) == UpperText(second.substr(0, 2));
}

// The path from the working folder to a path elsewhere on its drive, with "..\" steps.
Text StepsFromWorkFolder(const Text& path, const Text& workFolder) {
  const std::vector<Text> work = Components(workFolder.substr(3, workFolder.size() - 4));
  const std::vector<Text> target = Components(path.substr(3));
  std::size_t shared = 0;
  while (shared < work.size() && shared + 1 < target.size() && UpperText(target[shared]) == UpperText(work[shared])) {
    ++shared;
  }
  Text steps;
  for (std::size_t up = shared; up < work.size(); ++up) steps += "..\\";
  for (std::size_t down = shared; down < target.size(); ++down) {
    steps += target[down] + (down + 1 < target.size() ? "\\" : "");
  }
  return steps;
}

}  // namespace

Text ResolveDotSegments(const Text& path) {
  std::vector<Text> components = Components(path);
  if (std::none_of(components.begin(), components.end(), IsDotSegment)) return path;
  // A drive's root cannot be left: "E:\..\x" is "E:\x", as the system reads it.
  const std::size_t root = HasDrive(path) ? 1 : 0;
  std::vector<Text> resolved(components.begin(), components.begin() + static_cast<std::ptrdiff_t>(root));
  for (std::size_t i = root; i < components.size(); ++i) {
    if (components[i] == ".") continue;
    if (components[i] == "..") {
      if (resolved.size() > root) resolved.pop_back();
      continue;
    }
    resolved.push_back(components[i]);
  }
  Text joined;
  for (std::size_t i = 0; i < resolved.size(); ++i) joined += (i > 0 ? "\\" : "") + resolved[i];
  // A path that named a folder with "\" at its end, or by "..", still does.
  const bool folder = path.back() == '\\' || IsDotSegment(components.back());
  return folder && (joined.empty() || joined.back() != '\\') ? joined + "\\" : joined;
}

Text MakeAbsolute(const Text& target, const DirectoryValues& dirs) {
  return ResolveDotSegments(HasDrive(target) ? target : dirs.workFolderShown + target);
}

Text MakeRelative(const Text& path, const DirectoryValues& dirs) {
  const Text& work = dirs.workFolder;
  if (work.empty()) return path;
  // The path's own spelling of the folder may take other bytes than the upper-cased one.
  const std::size_t inPath = PrefixLengthIgnoringCase(path, work);
  if (inPath != Text::npos) return path.substr(inPath);
  // Elsewhere on a removable drive the path follows the drive to any letter; on the
  // drive Windows runs from, and on other drives, it stays absolute.
  if (!OnSameDrive(path, work) || OnSameDrive(work, dirs.windowsDir) || path.size() < 4) return path;
  return StepsFromWorkFolder(path, work);
}

Text ExpandRunFolderMarker(const Text& parameters, const DirectoryValues& dirs) {
  return ReplaceAll(parameters, "@R\\", dirs.workFolderShown);
}

static std::size_t AfterLastSeparator(const Text& path) {
  const std::size_t separator = path.find_last_of("\\:");
  return separator == Text::npos ? 0 : separator + 1;
}

Text TargetPath(const Text& storedTarget, const DirectoryValues& dirs) {
  return MakeAbsolute(ExpandMacros(storedTarget, dirs), dirs);
}

Text DirectoryPart(const Text& path) { return path.substr(0, AfterLastSeparator(path)); }

Text FileNamePart(const Text& path) { return path.substr(AfterLastSeparator(path)); }

}  // namespace kov

#include "store/targets.h"

#include <algorithm>

namespace kov {

Text WorkFolderFrom(const Text& currentDirectory) { return UpperText(SlashMode(currentDirectory, 0)); }

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

Text MakeAbsolute(const Text& target, const DirectoryValues& dirs) {
  if (target.size() >= 2 && target[1] == ':') return target;
  return dirs.workFolder + target;
}

Text MakeRelative(const Text& path, const DirectoryValues& dirs) {
  const Text& work = dirs.workFolder;
  if (work.empty()) return path;
  // The path's own spelling of the folder may take other bytes than the upper-cased one.
  const std::size_t inPath = PrefixLengthIgnoringCase(path, work);
  return inPath == Text::npos ? path : path.substr(inPath);
}

Text ExpandRunFolderMarker(const Text& parameters, const DirectoryValues& dirs) {
  return ReplaceAll(parameters, "@R\\", dirs.workFolder);
}

static std::size_t AfterLastSeparator(const Text& path) {
  const std::size_t separator = path.find_last_of("\\:");
  return separator == Text::npos ? 0 : separator + 1;
}

Text DirectoryPart(const Text& path) { return path.substr(0, AfterLastSeparator(path)); }

Text FileNamePart(const Text& path) { return path.substr(AfterLastSeparator(path)); }

}  // namespace kov

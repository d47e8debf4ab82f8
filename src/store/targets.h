// Stored targets and the paths the shell receives: macros for the system, temporary and
// Windows directories, and targets relative to the working folder.
#pragma once

#include "util/text.h"

namespace kov {

// Directory values fixed at start-up and kept for the run.
struct DirectoryValues {
  Text workFolder;  // upper-cased, always ending in "\": what paths are compared with
  Text systemDir;   // no trailing "\"
  Text tempDir;     // no trailing "\"
  Text windowsDir;  // no trailing "\"
  // The working folder in the letter case the system gave it, always ending in "\":
  // what paths are shown and started with, so that they read as the folder does on disk.
  Text workFolderShown = {};
};

// The working folder as compared: upper-cased, with a trailing "\".
Text WorkFolderFrom(const Text& currentDirectory);
// The working folder as shown and launched: its own letter case, with a trailing "\".
Text ShownWorkFolderFrom(const Text& currentDirectory);

// Trims blanks and control characters at both ends, then drops one trailing "\".
Text CleanDirectoryValue(const Text& reported);

// Replaces the lower-case macros %systemdir%, %wintemp% and %windir%, in that order.
Text ExpandMacros(const Text& target, const DirectoryValues& dirs);

// A target without a colon as its second character is taken relative to the working
// folder (in its own letter case); "." and ".." steps are resolved, so that no "..\" reaches the shell or the user.
Text MakeAbsolute(const Text& target, const DirectoryValues& dirs);

// The path a stored target leads to: its macros expanded, then made absolute.
Text TargetPath(const Text& storedTarget, const DirectoryValues& dirs);

// A path inside the working folder (compared ignoring case) loses the working-folder
// prefix. A path elsewhere on the working folder's drive is stored with "..\" steps from
// the working folder, so that it follows the drive to any letter, unless that drive is
// the one Windows runs from. Other paths stay as they are.
Text MakeRelative(const Text& path, const DirectoryValues& dirs);

// The path with its "." and ".." components resolved; empty components stay.
Text ResolveDotSegments(const Text& path);

// Execution parameters with every "@R\" replaced by the working folder in its own letter
// case.
Text ExpandRunFolderMarker(const Text& parameters, const DirectoryValues& dirs);

// The directory part of a path: up to and including its last "\" or ":"; empty if none.
Text DirectoryPart(const Text& path);

// The file-name part: what follows the last "\" or ":".
Text FileNamePart(const Text& path);

}  // namespace kov

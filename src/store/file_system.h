// The few file operations the entry store needs, behind one seam: Win32 calls on
// Windows, POSIX calls in the native build.
#pragma once

#include <string>

namespace kov {

// The file's bytes; empty when it does not exist, is empty or cannot be read.
std::string ReadWholeFile(const std::string& path);

// What lies at a path: nothing that can be reached, a file, or a directory.
enum class PathKind { Missing, File, Directory };
PathKind PathKindOf(const std::string& path);

// True when a file or a directory lies at path.
bool FileExists(const std::string& path);

// When the file exists with the read-only, hidden or system attribute, sets its
// attributes to archive only, so that it can be replaced.
void MakeWritable(const std::string& path);

// Writes bytes to a temporary file beside path, flushes it to the medium, and only then
// puts it in place of path. On any failure the old file is left untouched, the
// temporary file is removed, and false is returned.
[[nodiscard]] bool ReplaceFileContents(const std::string& path, const std::string& bytes);

// The temporary file that ReplaceFileContents writes beside path.
std::string TemporaryFileFor(const std::string& path);

}  // namespace kov

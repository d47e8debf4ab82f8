// The few file operations the entry store needs, behind one seam: Win32 calls on
// Windows, POSIX calls in the native build.
#pragma once

#include <string>

namespace kov {

// A whole file's bytes, or why there are none. A file that cannot be opened, or whose
// bytes cannot all be read, is unreadable: never a shorter or an empty text. So is a file
// larger than kLargestFileRead: no menu comes near it (99,999 entries of long paths are
// some tens of MB), and holding it could exhaust memory half-way through the start.
enum class ReadStatus { Read, Missing, Unreadable };
inline constexpr long long kLargestFileRead = 1LL << 30;
inline constexpr const char* kFileTooLarge = "The file is larger than 1 GB, far larger than any menu.";
struct FileRead {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;
  std::string reason;  // the system's words for an unreadable file
};
FileRead ReadWholeFile(const std::string& path);

// Waits before a file is tried again.
void PauseBriefly(int milliseconds);

// Removes a file; false when it could not be removed.
bool RemoveFile(const std::string& path);

// What lies at a path: nothing that can be reached, a file, or a directory.
enum class PathKind { Missing, File, Directory };
PathKind PathKindOf(const std::string& path);

// True when a file or a directory lies at path.
bool FileExists(const std::string& path);

// The size in bytes of the file at path; 0 when there is none.
long long FileSizeOf(const std::string& path);

// When the file exists with the read-only, hidden or system attribute, sets its
// attributes to archive only, so that it can be replaced, and returns the attributes it
// had; 0 when nothing was changed.
unsigned long MakeWritable(const std::string& path);

// Gives a file back the attributes MakeWritable took; nothing for 0.
void RestoreAttributes(const std::string& path, unsigned long attributes);

// Writes bytes to a temporary file beside path, flushes it to the medium, and only then
// puts it in place of path. On any failure the old file is left untouched, the
// temporary file is removed, and false is returned.
[[nodiscard]] bool ReplaceFileContents(const std::string& path, const std::string& bytes);

// The temporary file that ReplaceFileContents writes beside path.
std::string TemporaryFileFor(const std::string& path);

}  // namespace kov

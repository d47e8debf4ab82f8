// The few file operations the entry store needs, behind one seam: Win32 calls on
// Windows, POSIX calls in the native build.
#pragma once

#include <string>
#include <vector>

#include "store/known_file.h"

namespace kov {

// A whole file's bytes, or why there are none. A file that cannot be opened, or whose
// bytes cannot all be read, is unreadable: never a shorter or an empty text. So is a file
// larger than kLargestFileRead: no menu comes near it (99,999 entries of long paths are
// some tens of MB), and holding it could exhaust memory half-way through the start.
enum class ReadStatus { Read, Missing, Unreadable };
inline constexpr long long kLargestFileRead = 1LL << 30;
inline constexpr const char* kFileTooLarge = "The file is larger than 1 GB, far larger than any menu.";

// What kept an unreadable file from being read, so that the user can be told what to do.
enum class ReadProblem {
  None,
  Locked,        // another program holds the file open without sharing it, or locks a part
  AccessDenied,  // the file's permissions do not let this user read it
  TooLarge,      // larger than kLargestFileRead
  IsDirectory,   // a directory lies where the file should be
  Other,
};

struct FileRead {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;
  std::string reason;  // the system's words for an unreadable file
  ReadProblem problem = ReadProblem::None;
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

// The file's size and write time; exists is false when no file is there.
FileStamp FileStampOf(const std::string& path);

// The file system's clock now.
FileTime FileClockNow();

// The size in bytes of the file at path; 0 when there is none.
long long FileSizeOf(const std::string& path);

// Makes the directory at path unless one is there already; false when there is none
// afterwards (a file in its place, a missing parent, no permission).
[[nodiscard]] bool CreateFolder(const std::string& path);

// The names of the files (not the directories) directly inside folder, in no particular
// order; none when the folder is missing or cannot be listed.
std::vector<std::string> FileNamesIn(const std::string& folder);

// When the file exists with the read-only, hidden or system attribute, sets its
// attributes to archive only, so that it can be replaced, and returns the attributes it
// had; 0 when nothing was changed.
unsigned long MakeWritable(const std::string& path);

// Gives a file the attributes MakeWritable took; nothing for 0.
void RestoreAttributes(const std::string& path, unsigned long attributes);

// Writes bytes to a temporary file beside path and flushes it to the medium, renames it
// to a second name that marks it finished, and only then puts it in place of path. A
// save stopped at any moment leaves path whole, old or new. On failure path is left
// untouched and false is returned; the temporary file is removed, unless it was finished
// and only its move onto path failed: it then stays as the whole new content, for a
// load that finds path missing or unreadable.
[[nodiscard]] bool ReplaceFileContents(const std::string& path, const std::string& bytes);

// How a replace that expects a certain file in its way ended.
enum class ReplaceOutcome {
  Replaced,     // the new file is in place
  Failed,       // nothing changed at path (a full drive, a locked file ...)
  FileChanged,  // path did not hold the expected file: left as it was, the new one dropped
};
struct ReplaceResult {
  ReplaceOutcome outcome = ReplaceOutcome::Failed;
  FileStamp written;  // the new file's stamp, as it was written
};

// As ReplaceFileContents, but only over the file the caller last read or wrote: expected
// names its stamp's existence and its contents' hash. Right before the new file takes
// path, the file there is held shut to writers, its contents are compared with the
// expected hash, and under that same hold it is moved aside; the new file then moves in
// only where nothing has appeared meanwhile. No write of another program can land between
// the comparison and the replace: it is either seen by the comparison, refused while the
// file is held, or finds the new file in place afterwards (and changes its stamp or, within
// a write-time step, its contents). A writer that ignores the hold and writes into the
// file while it is moved aside is found when the file aside is checked once more: its
// file is put back over the new one (FileChanged).
[[nodiscard]] ReplaceResult ReplaceFileIfUnchanged(const std::string& path, const std::string& bytes,
                                                   const KnownFile& expected);

// Where ReplaceFileIfUnchanged puts the file it replaces for the moment of the swap.
std::string SetAsideFileFor(const std::string& path);

// ReplaceFileContents with the old file's read-only, hidden and system attributes lifted
// for the replace and given to the new file.
[[nodiscard]] bool ReplaceFileKeepingAttributes(const std::string& path, const std::string& bytes);

// The temporary file that ReplaceFileContents writes beside path: it may be cut short.
std::string TemporaryFileFor(const std::string& path);

// The name the temporary file takes once all its bytes are written and flushed.
std::string FinishedTemporaryFileFor(const std::string& path);

}  // namespace kov

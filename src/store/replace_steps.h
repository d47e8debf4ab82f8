// The steps of a replace that expects a certain file in its way, each done by the
// platform's own calls; file_system.cpp puts them together.
#pragma once

#include <string>

#include "store/file_system.h"

namespace kov {

// Writes, flushes and stamps the temporary file, then gives it its finished name; written
// is its stamp. False, with no temporary file left, when it could not be written.
bool WriteFinishedTemporaryFile(const std::string& path, const std::string& bytes, FileStamp& written);

enum class SetAside { Moved, NothingThere, Changed, Failed };

// Compares the file at path with the expected one and, when it is that file, moves it to
// SetAsideFileFor(path), as close to the comparison as the platform allows.
SetAside SetAsideIfUnchanged(const std::string& path, const KnownFile& expected);

// Moves the finished temporary file into path, which the old file has left, never over a
// file another program has put there meanwhile (FileChanged, the old file removed). The
// old file, when it was set aside, stays aside once the new one is in place, for the
// caller to settle, and is put back when the move failed.
ReplaceOutcome MoveIntoEmptyPlace(const std::string& path, bool setAside);

// Moves the file set aside back onto path, over the new file; false when it could not.
bool PutSetAsideFileBack(const std::string& path);

// Once the new file is in place: a writer that does not honour the hold (a POSIX program
// writing through Wine, another client of a network share) may have written into the old
// file while it was compared and moved aside. Its edit goes back in place of the new file
// (FileChanged), as if the comparison had seen it; the file aside that is still the one
// expected is removed (Replaced). An edit that cannot be put back stays aside, for the
// next start to keep among the backups (KeepSetAsideEdit).
ReplaceOutcome SettleSetAsideFile(const std::string& path, const KnownFile& expected);

// Removes the finished temporary file of a save that is not to land.
void DropFinishedTemporaryFile(const std::string& path);

}  // namespace kov

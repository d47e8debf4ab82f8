// The settings file: the entry table's only persistent form, beside the program.
#pragma once

#include <cstdint>
#include <string>

#include "store/entry_table.h"
#include "store/file_system.h"

namespace kov {

// The program's path, lower-cased, with its final ".exe" replaced by ".ini" (or ".ini"
// appended when it has no such ending). Folders named like "tools.exe.d" are kept.
Text SettingsPathFor(const Text& programPath);

// Where the menu came from at start-up.
enum class MenuSource {
  File,              // the settings file, read whole
  NoFile,            // no settings file: the table is left empty, to be seeded
  Recovered,         // the finished temporary file an interrupted save left in its place
  RecoveredPartial,  // the temporary file of a save interrupted while writing: may be cut
  Unreadable,        // the file is there but could not be read: the table is left empty
};

struct LoadReport {
  MenuSource source = MenuSource::NoFile;
  Text reason;                              // the system's words, when the file was unreadable
  ReadProblem problem = ReadProblem::None;  // what kept an unreadable file from being read
  std::uint64_t fileHash = 0;               // ContentHash of the bytes read, when from the file
};

// How long a file that another program holds (a virus scanner, a backup or sync tool)
// is waited for before it counts as unreadable.
struct ReadPatience {
  int attempts = 8;
  int pauseMilliseconds = 250;
};

// The settings file's bytes as the UTF-8 the program works in. A file that is valid
// UTF-8 is taken as it stands, without a leading byte-order mark; any other file is an
// older menu in the PC's legacy ANSI code page and is converted, so that the next save
// writes it as UTF-8. Plain ASCII is both and stays byte for byte.
Text SettingsTextAsUtf8(Text bytes);

// Fills the table from the settings file. A file that cannot be read is tried again for
// a moment (unless a directory lies in its place or it is far too large), then reported
// unreadable, never taken for an empty one. When the file is
// missing or unreadable and an interrupted save left its finished temporary file, the
// menu comes from that file. When the file is missing and the save was interrupted while
// it wrote its temporary file, the menu comes from what that file holds, if anything,
// which may be cut short; beside an unreadable file it is not taken, since the file
// itself is likelier whole. A temporary file the menu came from stays until the next
// save replaces the settings file; leftover temporary files beside a whole settings file
// are removed.
LoadReport LoadEntries(const Text& path, EntryTable& table, ReadPatience patience = {});

// Replaces the settings file with a table's file text (EntryFileText), but only over the
// file Kovrant last read or wrote (ReplaceFileIfUnchanged): a file another program has
// written meanwhile is left as it is. The new file gets the old one's attributes
// (read-only, hidden, system); a file that could not be written is left as it was, its
// attributes included.
[[nodiscard]] ReplaceResult SaveEntryTextOver(const Text& path, const Text& fileText, const KnownFile& expected);

}  // namespace kov

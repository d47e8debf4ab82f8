// The settings file: the entry table's only persistent form, beside the program.
#pragma once

#include <string>

#include "store/entry_table.h"

namespace kov {

// The program's path, lower-cased, with its final ".exe" replaced by ".ini" (or ".ini"
// appended when it has no such ending). Folders named like "tools.exe.d" are kept.
Text SettingsPathFor(const Text& programPath);

// Fills the table from the settings file (nothing when it is missing or empty).
void LoadEntries(const Text& path, EntryTable& table);

// Replaces the settings file with the table and its overflow, CR LF after every line.
// False when the file could not be written; the old file is then left as it was.
[[nodiscard]] bool SaveEntries(const Text& path, const EntryTable& table);

}  // namespace kov

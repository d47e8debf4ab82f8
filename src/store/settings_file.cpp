#include "store/settings_file.h"

#include "store/file_system.h"

namespace kov {

Text SettingsPathFor(const Text& programPath) {
  const Text lower = LowerText(programPath);
  const Text extension = ".exe";
  if (lower.size() >= extension.size() && lower.compare(lower.size() - extension.size(), Text::npos, extension) == 0) {
    return lower.substr(0, lower.size() - extension.size()) + ".ini";
  }
  return lower + ".ini";
}

void LoadEntries(const Text& path, EntryTable& table) { LoadEntryText(ReadWholeFile(path), table); }

bool SaveEntries(const Text& path, const EntryTable& table) {
  MakeWritable(path);
  return ReplaceFileContents(path, EntryFileText(table));
}

}  // namespace kov

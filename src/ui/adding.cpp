#include "ui/adding.h"

#include "ui/folder_logic.h"
#include "util/code_page.h"

#include <algorithm>
#include <unordered_set>

namespace kov {

Text NewEntryCaption(const NewEntry& entry) {
  if (entry.kind == kVirtualFolder) return entry.text;
  const Text name = FileNamePart(entry.text);
  return name.empty() ? entry.text : name;
}

Text NewEntryLine(const Text& folder, const NewEntry& entry, const DirectoryValues& dirs) {
  if (entry.kind == kVirtualFolder) return FormatEntryLine({folder, entry.text, "1", entry.text, ""});
  // A program's kind stays empty, as it always has in the lines the program writes.
  const Text kindField = entry.kind == kDirectory ? "2" : "";
  return FormatEntryLine({folder, MakeRelative(entry.text, dirs), kindField, NewEntryCaption(entry), ""});
}

AddResult AddEntriesToTable(EntryTable& table, const Text& folder, const std::vector<NewEntry>& entries,
                            const DirectoryValues& dirs) {
  std::unordered_set<Text> captions;
  for (int slot : FolderSlots(table, folder)) captions.insert(CaptionKey(table.Slot(slot)));
  AddResult result;
  for (const NewEntry& entry : entries) {
    if (captions.contains(UpperText(NewEntryCaption(entry)))) continue;
    Text line = NewEntryLine(folder, entry, dirs);
    if (!table.Append(line)) {
      ++result.refused;
      continue;
    }
    captions.insert(CaptionKey(line));
    result.lines.push_back(std::move(line));
  }
  return result;
}

Text CleanEntryName(const Text& typed) {
  Text field = ReplaceAll(typed, "*", "");
  field = ReplaceAll(field, "\r", " ");
  field = ReplaceAll(field, "\n", " ");
  return TrimText(field, kTrimField);
}

std::vector<Text> LegacyDropPaths(std::string_view list) {
  std::vector<Text> paths;
  while (!list.empty() && list.front() != '\0') {
    const std::size_t end = std::min(list.find('\0'), list.size());
    paths.push_back(LegacyToUtf8(Text(list.substr(0, end))));
    list.remove_prefix(std::min(end + 1, list.size()));
  }
  return paths;
}

bool IsValidFolderName(const Text& name) { return !name.empty() && name.find('\\') == Text::npos; }

}  // namespace kov

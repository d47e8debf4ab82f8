#include "ui/relink.h"

namespace kov {

Text RelinkedLine(std::string_view line, const NewEntry& target, const DirectoryValues& dirs) {
  const EntryFields fields = SplitEntryLine(line);
  EntryFields relinked = SplitEntryLine(NewEntryLine(fields.folder, target, dirs));
  relinked.caption = fields.caption;
  relinked.parameters = fields.parameters;
  return FormatEntryLine(relinked);
}

Text NearestExistingFolder(const Text& path, const PathExists& exists) {
  for (Text folder = DirectoryPart(path); !folder.empty(); folder = DirectoryPart(SlashMode(folder, 1))) {
    if (exists(folder)) return folder;
    if (folder.size() <= 3) break;
  }
  return Text();
}

}  // namespace kov

#include "shell/shell_menu.h"

namespace kov {
namespace {

constexpr int kHighestCatalogueLine = 3'000'000;
constexpr int kLinesPerGroup = 4;
constexpr int kShellPrefixLength = 6;  // "shell:"

const Text& LineAt(const ShellMenuModel& model, int line) { return model.lines[static_cast<std::size_t>(line)]; }

// Line 1 without "shell:", and the description after it unless there is none ("-").
Text FolderItemCaption(const Text& name, const Text& description) {
  Text caption = TailFrom(name, kShellPrefixLength + 1);
  if (description != "-") caption += kShellCaptionSeparator + description;
  return caption;
}

bool IsFolderItemTag(const ShellMenuModel& model, int tag) {
  const bool startsAGroup = tag >= 1 && tag % kLinesPerGroup == 1 && tag + kLinesPerGroup - 1 <= model.groupedLineCount;
  return startsAGroup && !LineAt(model, tag + 1).empty();
}

}  // namespace

ShellMenuModel BuildShellMenuModel(const Text& catalogueText) {
  ShellMenuModel model;
  const int lineCount = SplitFields(catalogueText, "\r\n", model.lines, kHighestCatalogueLine);
  const int groups = lineCount / kLinesPerGroup;
  model.groupedLineCount = groups * kLinesPerGroup;
  for (int g = 1; g <= groups; ++g) {
    const int tag = kLinesPerGroup * g - 3;
    const Text& first = LineAt(model, tag);
    const Text& second = LineAt(model, tag + 1);
    if (second.empty()) {
      model.headings.push_back(ShellHeading{first, tag, {}});
      continue;
    }
    ShellFolderItem item{FolderItemCaption(first, second), tag};
    auto& owner = model.headings.empty() ? model.looseItems : model.headings.back().items;
    owner.push_back(std::move(item));
  }
  return model;
}

Text ExplorerParameterFor(const ShellMenuModel& model, int tag) {
  if (!IsFolderItemTag(model, tag)) return Text();
  const Text& line = LineAt(model, tag);
  // Explorer opens the Computer folder reliably only by its class identifier.
  if (line == "shell:MyComputerFolder") return "Shell:::{20d04fe0-3aea-1069-a2d8-08002b30309d}";
  return line;
}

}  // namespace kov

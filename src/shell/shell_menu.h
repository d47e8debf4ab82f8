// The shell-folder catalogue and the two-level menu made from it.
//
// The catalogue is a fixed text of CR LF-ended lines read in groups of four. Group g
// (counted from 1) starts at line 4g-3, its Tag. A heading group has an empty second
// line and its caption in the first. A folder item group holds the "shell:" name, a
// description or "-", the Windows versions it applies to (never shown) and an empty line.
#pragma once

#include <vector>

#include "util/text.h"

namespace kov {

struct ShellFolderItem {
  Text caption;
  int tag = 0;
};

struct ShellHeading {
  Text caption;
  int tag = 0;
  std::vector<ShellFolderItem> items;

  bool HasItems() const { return !items.empty(); }
};

struct ShellMenuModel {
  // Items that come before the first heading belong to no sub-menu; they stand at the
  // top of the menu, ahead of the headings, so that none of them is lost.
  std::vector<ShellFolderItem> looseItems;
  std::vector<ShellHeading> headings;
  // The catalogue lines, 1-based as SplitFields leaves them, for the clicked Tag.
  FieldArray lines;
  // The number of lines that belong to whole groups; lines beyond are ignored.
  int groupedLineCount = 0;
};

// The separator of a folder item's name and its description in the menu.
inline constexpr char kShellCaptionSeparator[] = "  -  ";

ShellMenuModel BuildShellMenuModel(const Text& catalogueText);

// The parameter that Explorer receives for the folder item with this Tag: the item's
// "shell:" line, with the Computer folder given by its class identifier. Empty when the
// Tag names no folder item (out of range, not a group start, or a heading), so that
// nothing is opened.
Text ExplorerParameterFor(const ShellMenuModel& model, int tag);

}  // namespace kov

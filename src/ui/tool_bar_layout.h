// Where the tool bar's parts stand across a bar of a given width: Back, New Folder,
// Shell Folders and GodMode from the left, the search field after them, and the two
// move buttons and Info in a group kept to the right edge. When the bar is too narrow
// for all of them, the search field keeps its least width and the other parts give
// way, so that a search can always be seen and typed into.
#pragma once

#include <array>

#include "ui/command_tags.h"

namespace kov {

// A part's place across the bar, in pixels; a part of width 0 is hidden.
struct Span {
  int left = 0;
  int width = 0;
  bool operator==(const Span&) const = default;
};

// The tool buttons, by Tag, in the order of ToolBarSpans::buttons: the left group from
// the left, then the right group from its left.
inline constexpr std::array<int, 7> kToolBarTags{kTagBack,     kTagNewFolder, kTagShellFolders, kTagGodMode,
                                                 kTagMoveLeft, kTagMoveRight, kTagAbout};
inline constexpr std::size_t kToolBarLeftGroupSize = 4;

struct ToolBarSpans {
  // A left-group button across the bar; a right-group button across its group.
  std::array<Span, kToolBarTags.size()> buttons;
  Span rightGroup;
  Span search;
};

// The parts of a bar width pixels wide at the DPI. Narrower than ToolBarLeastWidth, the
// move buttons give way first, then Info, then the left group from its right end.
ToolBarSpans ToolBarSpansFor(int width, int dpi);

// The least width at which every part shows, at the DPI.
int ToolBarLeastWidth(int dpi);

}  // namespace kov

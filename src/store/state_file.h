// The state file: what Kovrant remembers beside the menu (the summon key, the window's
// place, how much each entry is used), in a second file named after the settings file,
// "kovrant.state" beside "kovrant.ini". UTF-8 text, one item a line, CR LF written
// (CR LF, LF or CR read), meant to be read and edited by hand:
//
//   hotkey=Ctrl+Alt+Space            the summon key: modifiers (Win, Ctrl, Alt, Shift, in
//                                    any order and case) and one key joined by "+", or
//                                    "none"; no line means Ctrl+Alt+Space
//   window=120,80,661,525,dpi=96     left, top, width and height in pixels, and the DPI
//                                    of the screen they were measured at (a line without
//                                    it is taken as measured at the DPI of the day)
//   window=120,80,661,525,maximized,dpi=96
//                                    the same, for a maximized window
//   theme=dark                       dark, light, or system (the system's app mode); no
//                                    line means system
//   icons=64                         the icons' size in pixels at 96 DPI, from 32 to 256;
//                                    no line means 32
//   use=3.25 2026-12-08T10:15:00Z TOOLS\NOTEPAD
//                                    an entry's use score as it stood at that moment (UTC),
//                                    halving every 30 days from then, and the entry's key:
//                                    its folder and caption, the rest of the line
//
// Lines of any other kind (notes, blank lines, items of later versions) are kept and
// written back in their places. A line that cannot be read costs only itself: it is
// left out, and listed among the problems with its text and why.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "store/file_system.h"
#include "store/hotkey_text.h"
#include "store/look_lines.h"
#include "store/use_scores.h"
#include "store/window_place.h"

namespace kov {

// "kovrant.state" for "kovrant.ini": the settings path with its ".ini" replaced.
Text StatePathFor(const Text& settingsPath);

// One line of the file as it is written back: a line Kovrant does not know, as it
// stands, or the place of an item. All use lines are written together, sorted by key,
// where the first of them stood.
struct StateLine {
  enum class Item { Kept, Hotkey, Window, Uses, Theme, Icons };
  Item item = Item::Kept;
  Text text;  // the kept line
  bool operator==(const StateLine&) const = default;
};

struct StateFile {
  std::optional<Hotkey> hotkey = Hotkey{};
  std::optional<WindowPlace> place;
  ThemeChoice theme = ThemeChoice::System;
  int iconSize = kSmallestIconSize;
  UseScores scores;
  std::vector<StateLine> lines;
  // The lines that could not be read: where, what they held and why, for one notice.
  std::vector<Text> problems;
};

// What the status bar tells of a state file named fileName that could not be read, for
// the system's reason: a folder in its place in the words the menu's notice uses.
Text UnreadableStateNotice(const Text& fileName, const Text& reason, ReadProblem problem);

// Reads a state file's text; a damaged line is left out and listed among the problems,
// and every other line is read.
StateFile ReadStateText(std::string_view text);
// The same in two parts, so that the window need not wait for the use lines, which a
// file holds by the thousand and only a search, a start or a save needs: the items but
// the use lines, then the use lines alone, added to the state the items were read into.
// The problems of the use lines come after the others'.
StateFile ReadStateItems(std::string_view text);
StateFile ReadStateUses(std::string_view text);
void AddStateUses(StateFile& state, StateFile uses);
// The file's text for a state: the lines it was read from in their order with the items
// as they are now; items it did not have yet come first (the key, the window, a theme
// or an icon size other than the default) or after the rest (the scores).
Text StateFileText(const StateFile& state);

}  // namespace kov

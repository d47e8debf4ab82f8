// The launcher's commands, named by what they do, in one list shared by the tool
// buttons, the context menu, the keys and the Info page's list of keys. A button carries
// its Tag and a menu item its command's window identifier; the list maps either, or a
// key, to its command.
#pragma once

#include "ui/command_tags.h"

namespace kov {

// In the order of the list below, which is the order of the context menu's items. A new
// command goes before Count, with its row in the list, its case in the runner
// (app/command_runner_win.cpp, where a missing case fails the build) and its own file.
enum class Command : int {
  None = 0,
  Back,
  NewFolder,
  ShellFolders,
  GodMode,
  MoveLeft,
  MoveRight,
  Info,
  Find,
  SearchStart,
  SearchResults,
  SearchCancel,
  Open,
  RunAsAdministrator,
  OpenFileLocation,
  Properties,
  ExecutionParameters,
  Locate,
  Cut,
  CopyAsPath,
  Paste,
  Rename,
  Delete,
  ContextMenu,
  SelectAll,
  ClearSelection,
  Undo,
  Redo,
  ZoomIn,
  ZoomOut,
  ZoomReset,
  Count,  // the end of the list: every lookup stops here
};

// Virtual-key codes, as the keyboard reports them.
inline constexpr unsigned kKeyBack = 0x08;
inline constexpr unsigned kKeyEnter = 0x0D;
inline constexpr unsigned kKeyEscape = 0x1B;
inline constexpr unsigned kKeyEnd = 0x23;
inline constexpr unsigned kKeyHome = 0x24;
inline constexpr unsigned kKeyLeft = 0x25;
inline constexpr unsigned kKeyUp = 0x26;
inline constexpr unsigned kKeyRight = 0x27;
inline constexpr unsigned kKeyDown = 0x28;
inline constexpr unsigned kKeyDelete = 0x2E;
inline constexpr unsigned kKeyF1 = 0x70;
inline constexpr unsigned kKeyF2 = 0x71;
inline constexpr unsigned kKeyNumPad0 = 0x60;
inline constexpr unsigned kKeyNumPlus = 0x6B;
inline constexpr unsigned kKeyNumMinus = 0x6D;
inline constexpr unsigned kKeyPlus = 0xBB;  // the "=" key that "+" shares
inline constexpr unsigned kKeyMinus = 0xBD;

// A key with the modifiers held with it; key 0 is no key.
struct KeyChord {
  unsigned key = 0;
  bool control = false;
  bool shift = false;
};

// Where the context menu offers an item.
enum class MenuItemFor {
  AnyEntry,
  FileOrDirectory,  // acts on a target: not offered for a virtual folder
  MissingTarget,    // only while the entry's target is nowhere to be found
  AnyPlace,         // over an icon and over the view's empty space
};

struct CommandEntry {
  Command command;
  int tag = 0;                        // the Tag of its tool button; 0 for none
  const char* menuCaption = nullptr;  // its item in the context menu; nullptr for none
  MenuItemFor itemFor = MenuItemFor::AnyEntry;
  bool menuBreak = false;  // a separator goes before its item
  KeyChord keys[2] = {};   // the chords that run it from the icon view
  // What its keys do, for the Info page's list of keys; nullptr keeps it off the list.
  const char* guide = nullptr;
  // Keys that reach it in another form: the system's (Shift+F10) or the search field's.
  const char* otherKeys = nullptr;
};

inline constexpr CommandEntry kCommandList[] = {
    {.command = Command::Back, .tag = kTagBack, .keys = {{kKeyBack}}, .guide = "Back to the folder above"},
    {.command = Command::NewFolder, .tag = kTagNewFolder, .keys = {{'N', true}}, .guide = "New folder"},
    {.command = Command::ShellFolders, .tag = kTagShellFolders},
    {.command = Command::GodMode, .tag = kTagGodMode},
    {.command = Command::MoveLeft,
     .tag = kTagMoveLeft,
     .keys = {{kKeyLeft, true}},
     .guide = "Move the selected icon left"},
    {.command = Command::MoveRight,
     .tag = kTagMoveRight,
     .keys = {{kKeyRight, true}},
     .guide = "Move the selected icon right"},
    {.command = Command::Info, .tag = kTagAbout, .keys = {{kKeyF1}}, .guide = "This page"},
    {.command = Command::Find, .keys = {{'F', true}, {'E', true}}, .guide = "Search: type a few letters of a name"},
    // Enter in the search field, listed with Open.
    {.command = Command::SearchStart},
    {.command = Command::SearchResults, .guide = "From the search field to what it found", .otherKeys = "Down"},
    {.command = Command::SearchCancel, .guide = "End the search, back to the folder", .otherKeys = "Esc"},
    {.command = Command::Open,
     .menuCaption = "Open",
     .keys = {{kKeyEnter}},
     .guide = "Start the entry, or open the folder"},
    {.command = Command::RunAsAdministrator,
     .menuCaption = "Run as Administrator",
     .itemFor = MenuItemFor::FileOrDirectory},
    {.command = Command::OpenFileLocation,
     .menuCaption = "Open File Location",
     .itemFor = MenuItemFor::FileOrDirectory},
    {.command = Command::Properties, .menuCaption = "Properties", .itemFor = MenuItemFor::FileOrDirectory},
    {.command = Command::ExecutionParameters,
     .menuCaption = "Execution parameters",
     .itemFor = MenuItemFor::FileOrDirectory},
    {.command = Command::Locate, .menuCaption = "Locate\u2026", .itemFor = MenuItemFor::MissingTarget},
    {.command = Command::Cut,
     .menuCaption = "Cut",
     .menuBreak = true,
     .keys = {{'X', true}},
     .guide = "Cut the selected entries, to paste them into another folder"},
    {.command = Command::CopyAsPath,
     .menuCaption = "Copy as path",
     .keys = {{'C', true, true}},
     .guide = "Copy the selected entries' paths"},
    {.command = Command::Paste,
     .menuCaption = "Paste",
     .itemFor = MenuItemFor::AnyPlace,
     .keys = {{'V', true}},
     .guide = "Paste: move the cut entries here, or add the files or paths copied"},
    {.command = Command::Rename,
     .menuCaption = "Rename",
     .menuBreak = true,
     .keys = {{kKeyF2}},
     .guide = "Rename the selected entry"},
    {.command = Command::Delete,
     .menuCaption = "Delete",
     .keys = {{kKeyDelete}},
     .guide = "Delete the selected entries"},
    // Shift+F10 and the menu key reach the view as WM_CONTEXTMENU, not as key chords.
    {.command = Command::ContextMenu, .guide = "The selected entry's menu", .otherKeys = "Shift+F10"},
    {.command = Command::SelectAll, .keys = {{'A', true}}, .guide = "Select every icon"},
    {.command = Command::ClearSelection,
     .keys = {{kKeyEscape}},
     .guide = "Clear the selection and what was cut"},
    {.command = Command::Undo, .keys = {{'Z', true}}, .guide = "Undo the last change"},
    {.command = Command::Redo, .keys = {{'Y', true}, {'Z', true, true}}, .guide = "Redo what was undone"},
    // Ctrl with the mouse wheel reaches the view as WM_MOUSEWHEEL, named in the guide.
    {.command = Command::ZoomIn,
     .keys = {{kKeyPlus, true}, {kKeyNumPlus, true}},
     .guide = "Larger icons, as Ctrl with the mouse wheel turned up"},
    {.command = Command::ZoomOut,
     .keys = {{kKeyMinus, true}, {kKeyNumMinus, true}},
     .guide = "Smaller icons, as Ctrl with the mouse wheel turned down"},
    {.command = Command::ZoomReset, .keys = {{'0', true}, {kKeyNumPad0, true}}, .guide = "Icons at their usual size"},
};

// The list holds every command once, in the order of their numbers, so that a command's
// row is found by its number.
constexpr bool ListHoldsEveryCommandInOrder() {
  constexpr int rows = static_cast<int>(sizeof kCommandList / sizeof kCommandList[0]);
  if (rows != static_cast<int>(Command::Count) - 1) return false;
  for (int row = 0; row < rows; ++row) {
    if (kCommandList[row].command != static_cast<Command>(row + 1)) return false;
  }
  return true;
}
static_assert(ListHoldsEveryCommandInOrder(), "every command has one row, in the order of the enumeration");

// The command's row in the list.
constexpr const CommandEntry& EntryOf(Command command) { return kCommandList[static_cast<int>(command) - 1]; }

// The command a key pressed in the icon view runs; Command::None when the key is the
// view's own (type-ahead, the arrows).
Command CommandOfKey(KeyChord chord);

// The parts of the window a key may be pressed in, besides the icon view.
enum class KeyPart {
  Button,   // keeps Enter and Space, which press it
  TypeBox,  // keeps the keys typing needs
};

// The command a key pressed in a part of the window runs, as it would in the view;
// Command::None when the part keeps the key. A box a user types into keeps the arrows,
// Home, End, Backspace and Delete with any modifier, its own select-all, cut, copy and
// paste (Ctrl+A, Ctrl+X, Ctrl+C, Ctrl+V), and Ctrl+Z and Ctrl+Y while it holds text of
// its own to undo.
Command CommandOfKeyIn(KeyPart part, KeyChord chord, bool holdsText);

// The command of a tool button's Tag; Command::None for another number.
Command CommandOfToolTag(int tag);

// Commands travel as WM_COMMAND identifiers above the tool buttons' Tags and the
// window's own child identifiers.
inline constexpr int kCommandIdBase = 1000;
inline constexpr int CommandWindowId(Command command) { return kCommandIdBase + static_cast<int>(command); }
// The command of a WM_COMMAND identifier: a command's own, or a tool button's Tag.
Command CommandOfWindowId(int id);

}  // namespace kov

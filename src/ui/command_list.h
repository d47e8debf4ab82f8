// The launcher's commands, named by what they do, in one list shared by the tool
// buttons, the icons' context menu and the keys. Buttons and menu items carry their
// Tags; the list maps a Tag, a menu item or a key to its command.
#pragma once

#include "ui/command_tags.h"

namespace kov {

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
  Delete,
  ContextMenu,
  Rename,
  Locate,
  Undo,
  Redo,
};

// Virtual-key codes, as the keyboard reports them.
inline constexpr unsigned kKeyBack = 0x08;
inline constexpr unsigned kKeyEnter = 0x0D;
inline constexpr unsigned kKeyEnd = 0x23;
inline constexpr unsigned kKeyHome = 0x24;
inline constexpr unsigned kKeyLeft = 0x25;
inline constexpr unsigned kKeyUp = 0x26;
inline constexpr unsigned kKeyRight = 0x27;
inline constexpr unsigned kKeyDown = 0x28;
inline constexpr unsigned kKeyDelete = 0x2E;
inline constexpr unsigned kKeyF1 = 0x70;
inline constexpr unsigned kKeyF2 = 0x71;

// A key with the modifiers held with it; key 0 is no key.
struct KeyChord {
  unsigned key = 0;
  bool control = false;
  bool shift = false;
};

// The entries whose context menu offers an item.
enum class MenuItemFor {
  AnyEntry,
  FileOrDirectory,  // acts on a target: not offered for a virtual folder
  MissingTarget,    // only while the entry's target is nowhere to be found
};

struct CommandEntry {
  Command command;
  int tag;                  // the Tag of its tool button or menu item; 0 for none
  const char* menuCaption;  // its item in the icons' context menu; nullptr for none
  MenuItemFor itemFor;
  KeyChord keys[2];  // the chords that run it from the icon view
};

inline constexpr CommandEntry kCommandList[] = {
    {Command::Back, kTagBack, nullptr, MenuItemFor::AnyEntry, {{kKeyBack}}},
    {Command::NewFolder, kTagNewFolder, nullptr, MenuItemFor::AnyEntry, {{'N', true}}},
    {Command::ShellFolders, kTagShellFolders, nullptr, MenuItemFor::AnyEntry, {}},
    {Command::GodMode, kTagGodMode, nullptr, MenuItemFor::AnyEntry, {}},
    {Command::MoveLeft, kTagMoveLeft, nullptr, MenuItemFor::AnyEntry, {{kKeyLeft, true}}},
    {Command::MoveRight, kTagMoveRight, nullptr, MenuItemFor::AnyEntry, {{kKeyRight, true}}},
    {Command::Info, kTagAbout, nullptr, MenuItemFor::AnyEntry, {{kKeyF1}}},
    {Command::Find, 0, nullptr, MenuItemFor::AnyEntry, {{'F', true}, {'E', true}}},
    {Command::SearchStart, 0, nullptr, MenuItemFor::AnyEntry, {}},
    {Command::SearchResults, 0, nullptr, MenuItemFor::AnyEntry, {}},
    {Command::SearchCancel, 0, nullptr, MenuItemFor::AnyEntry, {}},
    {Command::Open, kTagOpen, "Open", MenuItemFor::AnyEntry, {{kKeyEnter}}},
    {Command::RunAsAdministrator, kTagRunAsAdministrator, "Run as Administrator", MenuItemFor::FileOrDirectory, {}},
    {Command::OpenFileLocation, kTagOpenFileLocation, "Open File Location", MenuItemFor::FileOrDirectory, {}},
    {Command::Properties, kTagProperties, "Properties", MenuItemFor::FileOrDirectory, {}},
    {Command::ExecutionParameters, kTagExecutionParameters, "Execution parameters", MenuItemFor::FileOrDirectory, {}},
    {Command::Locate, 0, "Locate\u2026", MenuItemFor::MissingTarget, {}},
    {Command::Delete, kTagDelete, "Delete", MenuItemFor::AnyEntry, {{kKeyDelete}}},
    // Shift+F10 and the menu key reach the view as WM_CONTEXTMENU, not as key chords.
    {Command::ContextMenu, 0, nullptr, MenuItemFor::AnyEntry, {}},
    {Command::Rename, 0, nullptr, MenuItemFor::AnyEntry, {{kKeyF2}}},
    {Command::Undo, 0, nullptr, MenuItemFor::AnyEntry, {{'Z', true}}},
    {Command::Redo, 0, nullptr, MenuItemFor::AnyEntry, {{'Y', true}, {'Z', true, true}}},
};

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
// Home, End, Backspace and Delete with any modifier, and Ctrl+Z and Ctrl+Y while it
// holds text of its own to undo.
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

// What a change of the menu did, told in one set of words: the status bar says it once
// as the change is done, with the key that takes it back, and names it again when it is
// undone or redone.
#pragma once

#include <utility>

#include "util/text.h"

namespace kov {

enum class StepKind {
  Added,          // entries dropped into the folder: count of them, caption when one
  NewFolder,      // caption: the folder made
  Renamed,        // caption: the old name; other: the new one
  Moved,          // caption: the entry, moved within its folder
  MovedInto,      // caption: the entry; other: the folder it went into, "" for the top
  MovedUp,        // caption: the entry, moved to the folder above
  NewTarget,      // caption: the entry
  NewParameters,  // caption: the entry
  Deleted,        // caption: the entry; count: the entries the deleted folders held
  Reloaded,       // the menu another program wrote into the file
};

struct StepWords {
  StepWords() = default;
  explicit StepWords(StepKind what, Text entry = Text(), Text second = Text(), int number = 0)
      : kind(what), caption(std::move(entry)), other(std::move(second)), count(number) {}

  // The same words for a step on several entries at once: they are counted, not named.
  StepWords& Of(int entries) {
    items = entries;
    return *this;
  }

  StepKind kind = StepKind::Added;
  Text caption;
  Text other;
  int count = 0;
  int items = 1;  // the entries a move or a delete acted on; caption names the one
};

// What the status bar says when another program changed the menu's file.
inline constexpr const char* kMenuReloadedNotice =
    "Another program changed the menu's file: Kovrant shows the menu as it is now.";

// The step as undo and redo name it after "Undone: " and "Redone: ":
// delete of "Games" and its 2 entries
Text StepName(const StepWords& words);

// The step as the status bar says it when it is done, and how to take it back:
// Deleted "Games" and its 2 entries. Ctrl+Z brings them back.
Text DoneSentence(const StepWords& words);

}  // namespace kov

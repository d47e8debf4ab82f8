#include "ui/step_words.h"

namespace kov {

namespace {

Text Count(int count, const char* one, const char* many) { return IntText(count) + " " + (count == 1 ? one : many); }

// The entry a move or a delete acted on, or how many.
Text Subject(const StepWords& words) {
  return words.items > 1 ? Count(words.items, "item", "items") : Quoted(words.caption);
}

Text Held(const StepWords& words) {
  if (words.count == 0) return Text();
  return (words.items > 1 ? " and the " : " and its ") + Count(words.count, "entry", "entries") +
         (words.items > 1 ? " they held" : "");
}

// What the step acted on, the same after a noun ("delete of") and after a verb
// ("Deleted"): "Games" and its 2 entries.
Text Object(const StepWords& words) {
  switch (words.kind) {
    case StepKind::Added:
      return words.count == 1 ? Quoted(words.caption) : Count(words.count, "item", "items");
    case StepKind::Renamed:
      return Quoted(words.caption) + " to " + Quoted(words.other);
    case StepKind::Moved:
      return Subject(words);
    case StepKind::MovedInto:
      return Subject(words) + " into " + (words.other.empty() ? Text("the top folder") : Quoted(words.other));
    case StepKind::MovedUp:
      return Subject(words) + " up a level";
    case StepKind::Deleted:
      return Subject(words) + Held(words);
    case StepKind::Reloaded:
      return "the menu from its file";
    default:
      return Quoted(words.caption);
  }
}

// True when the step acted on more than one entry, a folder with what it held among
// them: the key brings "them" back.
bool Several(const StepWords& words) {
  if (words.items > 1) return true;
  if (words.kind == StepKind::Deleted) return words.count > 0;
  return words.kind == StepKind::Added && words.count > 1;
}

}  // namespace

Text StepName(const StepWords& words) {
  switch (words.kind) {
    case StepKind::Added:
      return "adding of " + Object(words);
    case StepKind::NewFolder:
      return "new folder " + Object(words);
    case StepKind::Renamed:
      return "rename of " + Object(words);
    case StepKind::Moved:
    case StepKind::MovedInto:
    case StepKind::MovedUp:
      return "move of " + Object(words);
    case StepKind::NewTarget:
      return "new target of " + Object(words);
    case StepKind::NewParameters:
      return "new parameters of " + Object(words);
    case StepKind::Deleted:
      return "delete of " + Object(words);
    case StepKind::Reloaded:
      return "reload of " + Object(words);
  }
  return Text();
}

Text DoneSentence(const StepWords& words) {
  const Text them = Several(words) ? "them" : "it";
  switch (words.kind) {
    case StepKind::Added:
      return "Added " + Object(words) + ". Ctrl+Z takes " + them + " out again.";
    case StepKind::NewFolder:
      return "Made the new folder " + Object(words) + ". Ctrl+Z takes it out again.";
    case StepKind::Renamed:
      return "Renamed " + Object(words) + ". Ctrl+Z gives back the old name.";
    case StepKind::Moved:
    case StepKind::MovedInto:
    case StepKind::MovedUp:
      return "Moved " + Object(words) + ". Ctrl+Z moves " + them + " back.";
    case StepKind::NewTarget:
      return "Gave " + Object(words) + " a new target. Ctrl+Z gives back the old one.";
    case StepKind::NewParameters:
      return "Gave " + Object(words) + " new parameters. Ctrl+Z gives back the old ones.";
    case StepKind::Deleted:
      return "Deleted " + Object(words) + ". Ctrl+Z brings " + them + " back.";
    case StepKind::Reloaded:
      return Text(kMenuReloadedNotice) + " Ctrl+Z brings back the menu shown before.";
  }
  return Text();
}

}  // namespace kov

#include "ui/use_follow.h"

namespace kov {

void FollowChanges(UseScores& scores, const TableChanges& changes, bool undone) {
  changes.ForEachLine(
      [&](std::string_view before, std::string_view after) {
        if (undone) std::swap(before, after);
        const Text from = EntryUseKey(before);
        if (after.empty()) return scores.Remove(from);
        const Text to = EntryUseKey(after);
        if (from != to) scores.MoveKey(from, to);
      },
      [&](std::string_view removed) {
        // A removal undone brings the line back; its score went with it.
        if (!undone && !removed.empty()) scores.Remove(EntryUseKey(removed));
      });
}

}  // namespace kov

// The texts accepted in the input dialog, remembered for the rest of the process so
// that later input dialogs offer them again in their drop-down list.
#pragma once

#include <cstddef>
#include <vector>

#include "util/text.h"

namespace kov {

class InputHistory {
 public:
  static constexpr std::size_t kCapacity = 5000;

  // Remembers text unless an item equal to it byte for byte is already listed; an
  // empty text is remembered like any other. When the list is full, the oldest item
  // makes room: the newest texts are the ones a user most likely wants again, and
  // refusing them would leave the list stuck with stale entries for good. Returns
  // true when the text was added.
  bool Remember(const Text& text);

  // The remembered texts, oldest first.
  const std::vector<Text>& Items() const { return items_; }

 private:
  std::vector<Text> items_;
};

// The one history shared by every input dialog of the process.
InputHistory& SharedInputHistory();

}  // namespace kov

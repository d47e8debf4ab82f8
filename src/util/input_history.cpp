#include "util/input_history.h"

#include <algorithm>

namespace kov {

bool InputHistory::Remember(const Text& text) {
  if (std::find(items_.begin(), items_.end(), text) != items_.end()) return false;
  if (items_.size() >= kCapacity) items_.erase(items_.begin());
  items_.push_back(text);
  return true;
}

InputHistory& SharedInputHistory() {
  static InputHistory history;
  return history;
}

}  // namespace kov

// The summon key as the state file spells it: modifiers (Win, Ctrl, Alt, Shift, in any
// order and case) and one key joined by "+", such as "Ctrl+Alt+Space", or "none".
#pragma once

#include <optional>
#include <string_view>

#include "util/text.h"

namespace kov {

// Modifier bits and key codes as the system's hot-key calls take them.
inline constexpr unsigned kModAlt = 0x1;
inline constexpr unsigned kModControl = 0x2;
inline constexpr unsigned kModShift = 0x4;
inline constexpr unsigned kModWin = 0x8;
inline constexpr unsigned kKeySpace = 0x20;

struct Hotkey {
  unsigned modifiers = kModControl | kModAlt;
  unsigned virtualKey = kKeySpace;
  bool operator==(const Hotkey&) const = default;
};

// A summon key read from the words a user types; problem says why it could not be
// read, and is empty otherwise. "none" reads as no key.
struct HotkeyReading {
  std::optional<Hotkey> hotkey;
  Text problem;
};
HotkeyReading ReadHotkey(std::string_view words);
// The key in its usual spelling ("Ctrl+Alt+Space"), "none" for none.
Text HotkeyText(const std::optional<Hotkey>& hotkey);

}  // namespace kov

#include "store/hotkey_text.h"

#include <array>
#include <utility>

#include "store/state_words.h"

namespace kov {
namespace {

struct ModifierName {
  std::string_view name;
  unsigned bit;
};
// In the order the usual spelling gives them; the second name of a bit is read too.
constexpr std::array<ModifierName, 6> kModifierNames{{{"Win", kModWin},
                                                      {"Ctrl", kModControl},
                                                      {"Alt", kModAlt},
                                                      {"Shift", kModShift},
                                                      {"Windows", kModWin},
                                                      {"Control", kModControl}}};

struct KeyName {
  std::string_view name;
  unsigned key;
};
// Keys named by a word, the first name of a key its usual spelling.
constexpr std::array<KeyName, 28> kKeyNames{
    {{"Space", 0x20},     {"Enter", 0x0D}, {"Return", 0x0D}, {"Tab", 0x09},   {"Esc", 0x1B},      {"Escape", 0x1B},
     {"Backspace", 0x08}, {"Pause", 0x13}, {"Home", 0x24},   {"End", 0x23},   {"Insert", 0x2D},   {"Ins", 0x2D},
     {"Delete", 0x2E},    {"Del", 0x2E},   {"PageUp", 0x21}, {"PgUp", 0x21},  {"PageDown", 0x22}, {"PgDn", 0x22},
     {"Up", 0x26},        {"Down", 0x28},  {"Left", 0x25},   {"Right", 0x27}, {"Apps", 0x5D},
     {"Plus", 0xBB},      {"Minus", 0xBD}, {"NumPlus", 0x6B}, {"NumMinus", 0x6D}, {"Num0", 0x60}}};

constexpr unsigned kKeyF1 = 0x70;
constexpr int kFunctionKeys = 24;

std::optional<unsigned> ModifierOf(std::string_view word) {
  for (const ModifierName& modifier : kModifierNames) {
    if (SameWord(word, modifier.name)) return modifier.bit;
  }
  return std::nullopt;
}

// Letters and digits are their own codes; F1 to F24 follow each other.
std::optional<unsigned> KeyOf(std::string_view word) {
  if (word.size() == 1) {
    const char c = AsciiLower(word[0]);
    if (c >= 'a' && c <= 'z') return static_cast<unsigned>(c - 'a' + 'A');
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c);
  }
  if (word.size() >= 2 && AsciiLower(word[0]) == 'f' && word[1] != '0') {
    const std::optional<int> number = WholeNumber<int>(word.substr(1));
    if (number && *number >= 1 && *number <= kFunctionKeys) return kKeyF1 + static_cast<unsigned>(*number - 1);
  }
  for (const KeyName& key : kKeyNames) {
    if (SameWord(word, key.name)) return key.key;
  }
  return std::nullopt;
}

Text KeyText(unsigned key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return Text(1, static_cast<char>(key));
  if (key >= kKeyF1 && key < kKeyF1 + kFunctionKeys) {
    Text name = "F";
    AppendDigits(name, key - kKeyF1 + 1, 1);
    return name;
  }
  for (const KeyName& name : kKeyNames) {
    if (name.key == key) return Text(name.name);
  }
  return IntText(key);  // a code made elsewhere, which no name of this file gives
}

HotkeyReading Refused(Text why) { return {std::nullopt, std::move(why)}; }

}  // namespace

HotkeyReading ReadHotkey(std::string_view words) {
  if (SameWord(Trimmed(words), "none")) return {};
  Hotkey hotkey{0, 0};
  for (std::string_view part : Pieces(words, '+')) {
    if (part.empty()) return Refused("a part between the \"+\" signs is missing");
    if (const std::optional<unsigned> modifier = ModifierOf(part)) {
      hotkey.modifiers |= *modifier;
      continue;
    }
    const std::optional<unsigned> key = KeyOf(part);
    if (!key) return Refused(Quoted(part) + " is not the name of a key");
    if (hotkey.virtualKey != 0)
      return Refused("it names two keys; a summon key has one besides Ctrl, Alt, Shift and Win");
    hotkey.virtualKey = *key;
  }
  if (hotkey.virtualKey == 0) return Refused("it names no key besides Ctrl, Alt, Shift and Win");
  if ((hotkey.modifiers & ~kModShift) == 0) {
    // Without them it would take the key from every program.
    return Refused("a summon key needs Ctrl, Alt or Win");
  }
  return {hotkey, {}};
}

Text HotkeyText(const std::optional<Hotkey>& hotkey) {
  if (!hotkey) return "none";
  Text text;
  for (std::size_t at = 0; at < 4; ++at) {
    if (hotkey->modifiers & kModifierNames[at].bit) text += Text(kModifierNames[at].name) + "+";
  }
  return text + KeyText(hotkey->virtualKey);
}

}  // namespace kov

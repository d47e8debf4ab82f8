// Entry tables and captions made from a fuzzer's input. Names come mostly from a small
// vocabulary, so that folders nest, captions collide in letter case and blanks, and
// prefixes such as Tools and Tools2 meet; raw bytes from the input fill the rest.
#pragma once

#include <array>
#include <string>

#include "fuzz_input.h"
#include "store/entry_table.h"

namespace kov::fuzz {

// A vocabulary word for most byte values, a text taken from the input for the others.
inline std::string TakeName(FuzzInput& input) {
  static const std::array<const char*, 12> kWords = {
      "Tools", "tools", "TOOLS ", "Tools2", "Net", " net", "\xE9t\xE9", "\xC9T\xC9", "a b", "", "x", "\tTools"};
  const std::uint8_t choice = input.TakeByte();
  return choice < kWords.size() * 16 ? kWords[choice % kWords.size()] : input.TakeText();
}

// A folder path of up to three levels, each name followed by "\".
inline std::string TakeFolder(FuzzInput& input) {
  std::string folder;
  const int depth = input.TakeByte() % 4;
  for (int level = 0; level < depth; ++level) folder += TakeName(input) + "\\";
  return folder;
}

inline std::string TakeKindField(FuzzInput& input) {
  static const std::array<const char*, 6> kKinds = {"", "1", "2", " 1", "01", "x"};
  return kKinds[input.TakeByte() % kKinds.size()];
}

// One line in the shape the program writes, or now and then a hand-edited line of any
// bytes except line breaks, which a loaded table never holds.
inline std::string TakeLine(FuzzInput& input) {
  if (input.TakeByte() % 16 == 0) {
    std::string line = input.TakeText();
    for (char& c : line) {
      if (c == '\r' || c == '\n') c = ' ';
    }
    return line.empty() ? "*" : line;
  }
  const std::string folder = TakeFolder(input);
  const std::string kind = TakeKindField(input);
  const std::string name = TakeName(input);
  const std::string target = kind == "2" || kind.empty() ? "C:\\" + TakeName(input) : name;
  return folder + "*" + target + "*" + kind + "*" + name + "*" + TakeName(input) + "*";
}

inline EntryTable TakeTable(FuzzInput& input) {
  EntryTable table;
  const int lineCount = input.TakeByte() % 48;
  for (int i = 0; i < lineCount; ++i) {
    if (!table.Append(TakeLine(input))) break;
  }
  return table;
}

}  // namespace kov::fuzz

#include "ui/key_guide.h"

#include <algorithm>

#include "store/hotkey_text.h"

namespace kov {

namespace {

// What a command's keys do, and the keys that reach it without being a chord of the
// list. Every command is named here, so a command added to the list without its words
// is a warning of the build.
struct CommandWords {
  const char* action;      // nullptr: the command has no key of its own to list
  const char* otherKeys;   // keys the system or the search field turns into the command
};

CommandWords WordsOf(Command command) {
  switch (command) {
    case Command::Back:
      return {"Back to the folder above", nullptr};
    case Command::NewFolder:
      return {"New folder", nullptr};
    case Command::MoveLeft:
      return {"Move the selected icon left", nullptr};
    case Command::MoveRight:
      return {"Move the selected icon right", nullptr};
    case Command::Info:
      return {"This page", nullptr};
    case Command::Find:
      return {"Search: type a few letters of a name", nullptr};
    case Command::SearchResults:
      return {"From the search field to what it found", "Down"};
    case Command::SearchCancel:
      return {"End the search, back to the folder", "Esc"};
    case Command::Open:
      return {"Start the entry, or open the folder", nullptr};
    case Command::Delete:
      return {"Delete the selected entry", nullptr};
    case Command::ContextMenu:
      return {"The selected entry's menu", "Shift+F10"};
    case Command::Rename:
      return {"Rename the selected entry", nullptr};
    case Command::Undo:
      return {"Undo the last change", nullptr};
    case Command::Redo:
      return {"Redo what was undone", nullptr};
    case Command::ShellFolders:
    case Command::GodMode:
    case Command::SearchStart:  // Enter in the search field, listed with Open
    case Command::RunAsAdministrator:
    case Command::OpenFileLocation:
    case Command::Properties:
    case Command::ExecutionParameters:
    case Command::Locate:
    case Command::None:
      return {nullptr, nullptr};
  }
  return {nullptr, nullptr};
}

Text KeysOf(const CommandEntry& entry, const char* otherKeys) {
  Text keys;
  for (const KeyChord& chord : entry.keys) {
    if (chord.key != 0) keys += (keys.empty() ? "" : ", ") + KeyChordName(chord);
  }
  if (otherKeys) keys += (keys.empty() ? "" : ", ") + Text(otherKeys);
  return keys;
}

Text HtmlEscaped(const Text& text) {
  Text escaped;
  for (char ch : text) {
    if (ch == '&') {
      escaped += "&amp;";
    } else if (ch == '<') {
      escaped += "&lt;";
    } else if (ch == '>') {
      escaped += "&gt;";
    } else {
      escaped += ch;
    }
  }
  return escaped;
}

// Key names are ASCII: one byte is one column.
Text PaddedWithNbsp(const Text& keys, std::size_t width) {
  Text padded = HtmlEscaped(keys);
  for (std::size_t column = keys.size(); column < width; ++column) padded += "&nbsp;";
  return padded;
}

}  // namespace

Text KeyChordName(KeyChord chord) {
  const unsigned modifiers = (chord.control ? kModControl : 0u) | (chord.shift ? kModShift : 0u);
  return HotkeyText(Hotkey{modifiers, chord.key});
}

std::vector<KeyGuideLine> KeyGuide(const Text& summonKey) {
  std::vector<KeyGuideLine> guide;
  if (!summonKey.empty() && summonKey != "none") {
    guide.push_back({summonKey, "Bring Kovrant forward, or send it away"});
  }
  for (const CommandEntry& entry : kCommandList) {
    const CommandWords words = WordsOf(entry.command);
    const Text keys = KeysOf(entry, words.otherKeys);
    if (words.action && !keys.empty()) guide.push_back({keys, words.action});
  }
  return guide;
}

Text PageWithKeyGuide(const Text& page, const std::vector<KeyGuideLine>& guide) {
  std::size_t width = 0;
  for (const KeyGuideLine& line : guide) width = std::max(width, line.keys.size());
  Text table = "<br><table border=\"0\" cellpadding=\"2\"><tr><td colspan=\"2\"><b>Keys</b></td></tr>\r\n";
  for (const KeyGuideLine& line : guide) {
    table += "<tr><td>" + PaddedWithNbsp(line.keys, width) + "</td><td>&nbsp;" + HtmlEscaped(line.action) +
             "</td></tr>\r\n";
  }
  table += "</table>";
  static const Text kTableEnd = "</table>";
  const std::size_t firstTable = page.find(kTableEnd);
  const std::size_t at = firstTable == Text::npos ? page.size() : firstTable + kTableEnd.size();
  return page.substr(0, at) + table + page.substr(at);
}

}  // namespace kov

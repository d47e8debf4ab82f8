#include "ui/key_guide.h"

#include <algorithm>

#include "store/hotkey_text.h"

namespace kov {

namespace {

Text KeysOf(const CommandEntry& entry) {
  Text keys;
  for (const KeyChord& chord : entry.keys) {
    if (chord.key != 0) keys += (keys.empty() ? "" : ", ") + KeyChordName(chord);
  }
  if (entry.otherKeys) keys += (keys.empty() ? "" : ", ") + Text(entry.otherKeys);
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
    const Text keys = KeysOf(entry);
    if (entry.guide && !keys.empty()) guide.push_back({keys, entry.guide});
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

// The Info page's list of keys, made from the list of commands.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "ui/key_guide.h"
#include "util/html_text.h"

namespace kov {
namespace {

Text KeysOfGuide(const std::vector<KeyGuideLine>& guide) {
  Text all;
  for (const KeyGuideLine& line : guide) all += line.keys + "; ";
  return all;
}

// Every chord the list runs a command with is named in the guide in its usual spelling,
// so a key added to the list, or changed there, is on the page at once.
TEST(KeyGuide, NamesEveryKeyOfTheListAndTheSummonKeyFirst) {
  const std::vector<KeyGuideLine> guide = KeyGuide("Ctrl+Alt+Space");
  ASSERT_FALSE(guide.empty());
  EXPECT_EQ(guide.front().keys, "Ctrl+Alt+Space");
  const Text keys = KeysOfGuide(guide);
  for (const CommandEntry& entry : kCommandList) {
    for (const KeyChord& chord : entry.keys) {
      if (chord.key == 0) continue;
      const Text name = KeyChordName(chord);
      // A key the names do not know is spelled as its code; a digit key is its digit.
      const Text key = name.substr(name.rfind('+') + 1);
      EXPECT_TRUE(key.size() == 1 || key.find_first_not_of("0123456789") != Text::npos) << "a key without a name: " << name;
      EXPECT_NE(keys.find(name), Text::npos) << name << " is not in " << keys;
    }
  }
  for (const char* name : {"Ctrl+F", "F2", "Shift+F10", "Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z", "Ctrl+N", "Ctrl+Left",
                           "Ctrl+Right", "Delete", "Backspace", "Esc", "Enter", "F1"}) {
    EXPECT_NE(keys.find(name), Text::npos) << name << " is not in " << keys;
  }
  EXPECT_EQ(KeysOfGuide(KeyGuide("none")).find("Space"), Text::npos);
  EXPECT_EQ(KeyGuide("none").size() + 1, guide.size());
}

// The real page shows the keys after what the program is and before the feedback line,
// one per line with its action in a column, in the browser and in the plain-text form a
// window without a browser shows.
TEST(KeyGuide, StandsInTheInfoPageAndItsPlainTextForm) {
  std::ifstream file(KOVRANT_SOURCE_DIR "/src/app/info.html", std::ios::binary);
  const Text page(std::istreambuf_iterator<char>(file), {});
  ASSERT_FALSE(page.empty());
  const Text plain = HtmlToPlainText(PageWithKeyGuide(page, KeyGuide("Win+K")));
  const std::size_t godMode = plain.find("GodMode : ");
  const std::size_t keys = plain.find("\r\nKeys\r\nWin+K ");
  const std::size_t feedback = plain.find("feedback");
  EXPECT_LT(godMode, keys);
  EXPECT_LT(keys, feedback);
  EXPECT_NE(plain.find("\r\nCtrl+F, Ctrl+E             Search: type a few letters of a name\r\n"), Text::npos) << plain;
  EXPECT_NE(plain.find("\r\nCtrl+Y, Ctrl+Shift+Z       Redo what was undone\r\n"), Text::npos) << plain;
  EXPECT_EQ(plain.find("<"), Text::npos);
  EXPECT_EQ(PageWithKeyGuide("<p>no table</p>", {{"F1", "A & B"}}),
            "<p>no table</p><br><table border=\"0\" cellpadding=\"2\"><tr><td colspan=\"2\"><b>Keys</b></td></tr>\r\n"
            "<tr><td>F1</td><td>&nbsp;A &amp; B</td></tr>\r\n</table>");
}

}  // namespace
}  // namespace kov

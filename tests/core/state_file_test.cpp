// The state file beside the menu: the summon key, the window's place and the use scores.
#include <gtest/gtest.h>

#include "store/state_file.h"

namespace kov {
namespace {

using namespace std::string_literals;

constexpr std::int64_t kMoment = 1796724900;  // 2026-12-08T10:15:00Z

TEST(StateFile, IsNamedAfterTheSettingsFile) {
  EXPECT_EQ(StatePathFor("e:\\tools\\kovrant.ini"), "e:\\tools\\kovrant.state");
  EXPECT_EQ(StatePathFor("e:\\tools.ini.d\\menu.ini"), "e:\\tools.ini.d\\menu.state");
}

TEST(StateFile, SummonKeyIsReadFromTheWordsAUserTypesAndSpelledTheUsualWay) {
  const auto spelled = [](std::string_view words) {
    const HotkeyReading reading = ReadHotkey(words);
    return reading.problem.empty() ? HotkeyText(reading.hotkey) : "refused: " + reading.problem;
  };
  EXPECT_EQ(spelled("Ctrl+Alt+Space"), "Ctrl+Alt+Space");
  EXPECT_EQ(spelled(" space + ALT+ctrl "), "Ctrl+Alt+Space");
  EXPECT_EQ(spelled("Shift+Control+f12"), "Ctrl+Shift+F12");
  EXPECT_EQ(spelled("Alt+Windows+k"), "Win+Alt+K");
  EXPECT_EQ(spelled("Win+7"), "Win+7");
  EXPECT_EQ(spelled("Ctrl+Alt+PgDn"), "Ctrl+Alt+PageDown");
  EXPECT_EQ(spelled("NONE"), "none");
  EXPECT_EQ(ReadHotkey("Shift+Win+F24").hotkey, (Hotkey{kModShift | kModWin, 0x87}));
  EXPECT_EQ(ReadHotkey("Ctrl+Alt+Delete").hotkey, (Hotkey{kModControl | kModAlt, 0x2E}));
  for (std::string_view refused :
       {"F5", "Shift+A", "Ctrl+Alt", "Ctrl+A+B", "Ctrl++A", "Ctrl+F25", "Ctrl+F0", "Ctrl+Spcae", ""}) {
    EXPECT_FALSE(ReadHotkey(refused).problem.empty()) << refused;
    EXPECT_FALSE(ReadHotkey(refused).hotkey) << refused;
  }
}

TEST(StateFile, WrittenAndReadAgainGivesTheSameStateAndKeepsUnknownLinesInTheirPlaces) {
  StateFile state;
  state.hotkey = Hotkey{kModWin | kModAlt, 'K'};
  state.place = WindowPlace{-120, 80, 661, 525, true, 144};
  state.scores.Add("TOOLS\\NOTEPAD", {3.25, kMoment});
  state.scores.Add("A = B  \xD0\x96\xD0\xA3\xD0\x9A", {1, kMoment - 86400});  // ЖУК
  const Text text = StateFileText(state);
  EXPECT_EQ(text,
            "hotkey=Win+Alt+K\r\nwindow=-120,80,661,525,maximized,dpi=144\r\n"
            "use=1 2026-12-07T10:15:00Z A = B  \xD0\x96\xD0\xA3\xD0\x9A\r\n"
            "use=3.25 2026-12-08T10:15:00Z TOOLS\\NOTEPAD\r\n");
  const StateFile read = ReadStateText(text);
  EXPECT_TRUE(read.problems.empty());
  EXPECT_EQ(read.hotkey, state.hotkey);
  EXPECT_EQ(read.place, state.place);
  EXPECT_EQ(read.scores.All(), state.scores.All());

  // A file edited by hand: notes, blanks, any case, LF and CR line ends, items in another order.
  StateFile edited = ReadStateText(
      "; my notes\nuse = 2 2026-12-08T10:15:00 tools\\notepad  \r\n\r\nfuture=1\r Window = 1,2,3,4 "
      "\nHOTKEY=ctrl+alt+f1");
  EXPECT_TRUE(edited.problems.empty());
  EXPECT_EQ(edited.place, (WindowPlace{1, 2, 3, 4, false, 0}));
  EXPECT_EQ(ReadStateText("window=1,2,3,4, DPI = 120 ,Maximized").place, (WindowPlace{1, 2, 3, 4, true, 120}));
  EXPECT_EQ(edited.scores.ScoreOf("TOOLS\\NOTEPAD", kMoment), 2.0);
  edited.scores.CountStart("PAINT", kMoment);
  edited.hotkey.reset();
  edited.place.reset();
  EXPECT_EQ(StateFileText(edited),
            "; my notes\r\n"
            "use=1 2026-12-08T10:15:00Z PAINT\r\nuse=2 2026-12-08T10:15:00Z TOOLS\\NOTEPAD\r\n"
            "\r\nfuture=1\r\nhotkey=none\r\n");
  // No file: the usual summon key.
  EXPECT_EQ(StateFileText(ReadStateText("")), "hotkey=Ctrl+Alt+Space\r\n");
}

TEST(StateFile, ThemeAndIconSizeAreWrittenWhenChosenAndKeepTheirPlacesWhenEdited) {
  StateFile state = ReadStateText("");
  state.theme = ThemeChoice::Dark;
  state.iconSize = 96;
  EXPECT_EQ(StateFileText(state), "hotkey=Ctrl+Alt+Space\r\ntheme=dark\r\nicons=96\r\n");
  StateFile edited = ReadStateText("; mine\r\n ICONS = 64 \r\nTheme=Light\r\nhotkey=none\r\n");
  EXPECT_TRUE(edited.problems.empty());
  EXPECT_EQ(edited.iconSize, 64);
  EXPECT_EQ(edited.theme, ThemeChoice::Light);
  edited.iconSize = 32;
  edited.theme = ThemeChoice::System;
  EXPECT_EQ(StateFileText(edited), "; mine\r\nicons=32\r\ntheme=system\r\nhotkey=none\r\n");
  const StateFile refused = ReadStateText("theme=blue\r\nicons=512\r\nicons=big\r\n");
  ASSERT_EQ(refused.problems.size(), 3u);
  EXPECT_EQ(refused.problems[0], "line 1 \"theme=blue\": \"blue\" is not a theme: dark, light or system");
  EXPECT_EQ(refused.problems[1], "line 2 \"icons=512\": the icons' size is a number of pixels from 32 to 256");
  EXPECT_EQ(refused.theme, ThemeChoice::System);
  EXPECT_EQ(refused.iconSize, 32);
}

// A key listed twice, by hand, adds its scores, never beyond the highest a file may hold:
// what is written is read back the same.
TEST(StateFile, AKeyListedTwiceAddsUpToTheHighestScore) {
  const StateFile read = ReadStateText("use=600000000 2026-12-08T10:15:00Z A\r\nuse=600000000 2026-12-08T10:15:00Z A\r\n");
  ASSERT_EQ(read.scores.All().size(), 1u);
  EXPECT_EQ(read.scores.All().begin()->second.score, kHighestUseScore);
  const StateFile again = ReadStateText(StateFileText(read));
  EXPECT_EQ(again.scores.All().begin()->second.score, kHighestUseScore);
}

TEST(StateFile, ADamagedLineCostsOnlyItselfAndIsListedWithWhy) {
  const Text text = Text("note\r\n") +
                    "hotkey=Shift+F5\r\n"                // refused: no Ctrl, Alt or Win
                    "window=1,2,0,4\r\n"                 // no width
                    "use=-1 2026-12-08T10:15:00Z A\r\n"  // no score
                    "use=1 2026-02-30T10:15:00Z B\r\n"   // no such day
                    "use=1 2026-12-08T10:15:00Z\r\n"     // no entry
                    "use=1 2026-12-08T10:15:00Z " +
                    Text(20000, 'x') +
                    "\r\n"                                  // far too long
                    "use=1 2026-12-08T10:15:00Z D\0E\r\n"s  // NUL
                    "use=1 2026-12-08T10:15:00Z F\xE9\r\n"  // not UTF-8
                    "window=1,2,3,4,dpi=0\r\n"         // no such DPI
                    "window=1,2,3,4,dpi=96,dpi=96\r\n"  // two DPIs
                    "use=1 2026-12-08T10:15:00Z KEPT\r\n"
                    "window=5,6,7,8\r\n";
  const StateFile state = ReadStateText(std::string_view(text.data(), text.size()));
  ASSERT_EQ(state.problems.size(), 10u);
  EXPECT_EQ(state.problems[0],
            "line 2 \"hotkey=Shift+F5\": a summon key needs Ctrl, Alt or Win; Ctrl+Alt+Space is used");
  EXPECT_EQ(state.problems[6],
            "line 8 \"use=1 2026-12-08T10:15:00Z D\xEF\xBF\xBD"
            "E\": it holds a NUL byte");
  EXPECT_NE(state.problems[5].find("longer than"), Text::npos);
  EXPECT_LT(state.problems[5].size(), 200u);
  EXPECT_EQ(state.problems[8], "line 10 \"window=1,2,3,4,dpi=0\": \"dpi=0\" is not a DPI such as dpi=96");
  EXPECT_EQ(state.hotkey, Hotkey{});
  EXPECT_EQ(state.place, (WindowPlace{5, 6, 7, 8, false}));
  std::vector<Text> keys;
  for (const auto& [key, use] : state.scores.All()) keys.push_back(key);
  EXPECT_EQ(keys, std::vector<Text>{"KEPT"});
  EXPECT_EQ(StateFileText(state),
            "note\r\nhotkey=Ctrl+Alt+Space\r\nuse=1 2026-12-08T10:15:00Z KEPT\r\nwindow=5,6,7,8\r\n");
}

// The window reads the items first and the use lines later, on a thread: the two parts
// together give what one reading gives, the problems of the use lines last.
TEST(StateFile, ReadInTwoPartsGivesWhatOneReadingGives) {
  const Text text =
      "note\r\nuse=-1 2026-12-08T10:15:00Z A\r\nwindow=1,2,0,4\r\nuse=1 2026-12-08T10:15:00Z B\r\n"
      "hotkey=Alt+K\r\nwindow=5,6,7,8\r\nuse=2 2026-12-08T10:15:00Z C\r\n";
  const StateFile whole = ReadStateText(text);
  StateFile parts = ReadStateItems(text);
  EXPECT_TRUE(parts.scores.All().empty());
  EXPECT_EQ(parts.place, whole.place);
  EXPECT_EQ(parts.hotkey, whole.hotkey);
  AddStateUses(parts, ReadStateUses(text));
  EXPECT_EQ(parts.scores.All(), whole.scores.All());
  EXPECT_EQ(StateFileText(parts), StateFileText(whole));
  EXPECT_EQ(parts.problems, (std::vector<Text>{whole.problems[1], whole.problems[0]}));

  // Use lines none of which can be read leave no place behind: the scores go last.
  const Text unread = "use=x\r\nnote\r\n";
  StateFile noUses = ReadStateItems(unread);
  AddStateUses(noUses, ReadStateUses(unread));
  noUses.scores.Add("NEW", {1, kMoment});
  EXPECT_EQ(StateFileText(noUses), "hotkey=Ctrl+Alt+Space\r\nnote\r\nuse=1 2026-12-08T10:15:00Z NEW\r\n");
  EXPECT_EQ(noUses.lines, ReadStateText(unread).lines);
}

// A folder in the file's place is told as the menu's own notice tells it, not in the
// system's "Access denied."
TEST(StateFile, AnUnreadableFileIsToldByWhatStandsInItsPlace) {
  EXPECT_EQ(UnreadableStateNotice("kovrant.state", "Access denied.", ReadProblem::IsDirectory),
            "A folder has taken the state file's name, kovrant.state: Kovrant starts without it.");
  EXPECT_EQ(UnreadableStateNotice("kovrant.state", "Access denied.", ReadProblem::AccessDenied),
            "Kovrant could not read kovrant.state (Access denied.) and starts without it.");
}

}  // namespace
}  // namespace kov

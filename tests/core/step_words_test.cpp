// A change of the menu is told in one set of words: as it is done, with the key that
// takes it back, and as undo and redo name it.
#include <gtest/gtest.h>

#include "ui/step_words.h"

namespace kov {
namespace {

TEST(StepWords, DoneAndUndoneNameTheSameThingAndTheKeyTakesItOrThemBack) {
  const StepWords games{StepKind::Deleted, "Games", "", 2};
  EXPECT_EQ(DoneSentence(games), "Deleted \"Games\" and its 2 entries. Ctrl+Z brings them back.");
  EXPECT_EQ(StepName(games), "delete of \"Games\" and its 2 entries");
  EXPECT_EQ(DoneSentence(StepWords{StepKind::Deleted, "Tools", "", 1}),
            "Deleted \"Tools\" and its 1 entry. Ctrl+Z brings them back.");
  EXPECT_EQ(DoneSentence(StepWords{StepKind::Deleted, "notes.txt"}), "Deleted \"notes.txt\". Ctrl+Z brings it back.");
  EXPECT_EQ(DoneSentence(StepWords{StepKind::Deleted, "", "", 12}.Of(5)),
            "Deleted 5 items and the 12 entries they held. Ctrl+Z brings them back.");
  EXPECT_EQ(DoneSentence(StepWords{StepKind::MovedInto, "", "Games"}.Of(3)),
            "Moved 3 items into \"Games\". Ctrl+Z moves them back.");
  EXPECT_EQ(StepName(StepWords{StepKind::MovedInto, "A", ""}), "move of \"A\" into the top folder");

  const std::string greek = "\xCE\xA0\xCE\xB1\xCE\xB9\xCF\x87\xCE\xBD\xCE\xAF\xCE\xB4\xCE\xB9\xCE\xB1";  // Παιχνίδια
  const std::string cyrillic = "\xD0\x97\xD0\xB0\xD0\xBC\xD0\xB5\xD1\x82\xD0\xBA\xD0\xB8";  // Заметки
  const StepWords renamed{StepKind::Renamed, greek, cyrillic};
  EXPECT_EQ(StepName(renamed), "rename of \"" + greek + "\" to \"" + cyrillic + "\"");
  EXPECT_EQ(DoneSentence(renamed),
            "Renamed \"" + greek + "\" to \"" + cyrillic + "\". Ctrl+Z gives back the old name.");

  EXPECT_EQ(StepName(StepWords{StepKind::Added, "", "", 3}), "adding of 3 items");
  EXPECT_EQ(DoneSentence(StepWords{StepKind::Added, "", "", 3}), "Added 3 items. Ctrl+Z takes them out again.");
  EXPECT_EQ(DoneSentence(StepWords{StepKind::Added, "A", "", 1}), "Added \"A\". Ctrl+Z takes it out again.");
  EXPECT_EQ(StepName(StepWords{StepKind::NewFolder, greek}), "new folder \"" + greek + "\"");
  EXPECT_EQ(DoneSentence(StepWords{StepKind::NewFolder, greek}),
            "Made the new folder \"" + greek + "\". Ctrl+Z takes it out again.");
  EXPECT_EQ(StepName(StepWords{StepKind::MovedInto, "A", "Games"}), "move of \"A\" into \"Games\"");
  EXPECT_EQ(DoneSentence(StepWords{StepKind::MovedUp, "A"}), "Moved \"A\" up a level. Ctrl+Z moves it back.");
  EXPECT_EQ(DoneSentence(StepWords{StepKind::Moved, "A"}), "Moved \"A\". Ctrl+Z moves it back.");
  EXPECT_EQ(StepName(StepWords{StepKind::NewParameters, "A"}), "new parameters of \"A\"");
  EXPECT_EQ(DoneSentence(StepWords{StepKind::NewParameters, "A"}),
            "Gave \"A\" new parameters. Ctrl+Z gives back the old ones.");
  EXPECT_EQ(DoneSentence(StepWords{StepKind::NewTarget, "A"}),
            "Gave \"A\" a new target. Ctrl+Z gives back the old one.");
  EXPECT_EQ(StepName(StepWords{StepKind::Reloaded}), "reload of the menu from its file");
  EXPECT_EQ(DoneSentence(StepWords{StepKind::Reloaded}),
            std::string(kMenuReloadedNotice) + " Ctrl+Z brings back the menu shown before.");
}

}  // namespace
}  // namespace kov

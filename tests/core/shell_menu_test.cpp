#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "shell/shell_menu.h"

namespace kov {
namespace {

constexpr char kComputerByClassId[] = "Shell:::{20d04fe0-3aea-1069-a2d8-08002b30309d}";

Text ReadCatalogue() {
  std::ifstream file(KOVRANT_SOURCE_DIR "/src/shell/catalogue.txt", std::ios::binary);
  return Text(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class ShellCatalogue : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    text_ = new Text(ReadCatalogue());
    model_ = new ShellMenuModel(BuildShellMenuModel(*text_));
  }
  static void TearDownTestSuite() {
    delete model_;
    delete text_;
  }
  static const ShellHeading& Heading(const Text& caption) {
    for (const ShellHeading& heading : model_->headings) {
      if (heading.caption == caption) return heading;
    }
    static const ShellHeading none;
    ADD_FAILURE() << "no heading " << caption;
    return none;
  }
  static Text* text_;
  static ShellMenuModel* model_;
};

Text* ShellCatalogue::text_ = nullptr;
ShellMenuModel* ShellCatalogue::model_ = nullptr;

TEST_F(ShellCatalogue, IsFourLineGroupsEachEndedWithCrLf) {
  ASSERT_FALSE(text_->empty()) << "catalogue.txt not found";
  EXPECT_EQ(text_->substr(text_->size() - 2), "\r\n");
  FieldArray lines;
  const int pieces = SplitFields(*text_, "\r\n", lines, 3'000'000);
  ASSERT_EQ(pieces, 473) << "472 lines and the empty piece after the last CR LF";
  for (int tag = 1; tag <= 469; tag += 4) {
    const Text& name = lines[static_cast<std::size_t>(tag)];
    const Text& description = lines[static_cast<std::size_t>(tag) + 1];
    const Text& appliesTo = lines[static_cast<std::size_t>(tag) + 2];
    EXPECT_EQ(lines[static_cast<std::size_t>(tag) + 3], "") << "line " << tag + 3;
    EXPECT_EQ(name.find_first_of("\r\n"), Text::npos) << "line " << tag;
    if (description.empty()) {
      EXPECT_EQ(appliesTo, "") << "heading at line " << tag;
    } else {
      EXPECT_EQ(name.rfind("shell:", 0), 0u) << "line " << tag;
      EXPECT_EQ(description.find('&'), Text::npos) << "line " << tag + 1;
    }
  }
}

TEST_F(ShellCatalogue, HasEightHeadingsWithTheirItemCountsAndTags) {
  ASSERT_EQ(model_->headings.size(), 8u);
  EXPECT_TRUE(model_->looseItems.empty());
  const std::vector<std::pair<Text, int>> expected = {
      {"Basic folders", 8}, {"Internet Explorer", 4},   {"Applets and applications", 14},
      {"Multimedia", 13},   {"Windows Sync Centre", 4}, {"System folders", 26},
      {"Libraries", 7},     {"User folders", 34}};
  const std::vector<int> headingTags = {1, 37, 57, 117, 173, 193, 301, 333};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const ShellHeading& heading = model_->headings[i];
    EXPECT_EQ(heading.caption, expected[i].first);
    EXPECT_EQ(heading.tag, headingTags[i]) << heading.caption;
    EXPECT_EQ(static_cast<int>(heading.items.size()), expected[i].second) << heading.caption;
  }
}

TEST_F(ShellCatalogue, FolderItemsTakeEveryOtherGroupStartInOrder) {
  std::set<int> headingTags;
  for (const ShellHeading& heading : model_->headings) headingTags.insert(heading.tag);
  std::vector<int> expected;
  for (int tag = 5; tag <= 469; tag += 4) {
    if (!headingTags.count(tag)) expected.push_back(tag);
  }
  std::vector<int> actual;
  for (const ShellHeading& heading : model_->headings) {
    for (const ShellFolderItem& item : heading.items) actual.push_back(item.tag);
  }
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(actual.size(), 110u);
}

TEST_F(ShellCatalogue, CaptionsDropThePrefixAndAddTheDescriptionWhenThereIsOne) {
  const ShellHeading& basic = Heading("Basic folders");
  ASSERT_EQ(basic.items.size(), 8u);
  const std::vector<Text> bare = {
      "desktop",        "MyComputerFolder", "ControlPanelFolder", "NetworkPlacesFolder",
      "PrintersFolder", "Quick Launch",     "Start Menu",         "Common Administrative Tools"};
  for (std::size_t i = 0; i < bare.size(); ++i) EXPECT_EQ(basic.items[i].caption, bare[i]);

  EXPECT_EQ(Heading("Internet Explorer").items.at(0).caption, "Cache  -  Open the Temporary Internet Files folder");
  const ShellHeading& system = Heading("System folders");
  EXPECT_EQ(system.items.at(14).caption, "MyComputerFolder  -  Open the Computer folder");
  for (const ShellHeading& heading : model_->headings) {
    if (heading.caption == "Basic folders") continue;
    for (const ShellFolderItem& item : heading.items) {
      EXPECT_NE(item.caption.find(kShellCaptionSeparator), Text::npos) << item.caption;
    }
  }
}

TEST_F(ShellCatalogue, ExplorerGetsTheNameUnchangedExceptTheComputerFolder) {
  int computerItems = 0;
  for (const ShellHeading& heading : model_->headings) {
    for (const ShellFolderItem& item : heading.items) {
      const Text line = model_->lines[static_cast<std::size_t>(item.tag)];
      const Text parameter = ExplorerParameterFor(*model_, item.tag);
      if (line == "shell:MyComputerFolder") {
        ++computerItems;
        EXPECT_EQ(parameter, kComputerByClassId) << "Tag " << item.tag;
      } else {
        EXPECT_EQ(parameter, line) << "Tag " << item.tag;
      }
    }
  }
  EXPECT_EQ(computerItems, 2);
  EXPECT_EQ(ExplorerParameterFor(*model_, 25), "shell:Quick Launch");
  EXPECT_EQ(ExplorerParameterFor(*model_, 33), "shell:Common Administrative Tools");
  EXPECT_EQ(ExplorerParameterFor(*model_, 5), "shell:desktop");
  EXPECT_EQ(ExplorerParameterFor(*model_, 361), "shell:Desktop");
}

TEST_F(ShellCatalogue, TagsThatNameNoFolderItemOpenNothing) {
  for (const int tag : {-3, 0, 1, 2, 6, 37, 333, 472, 473, 100'000}) {
    EXPECT_EQ(ExplorerParameterFor(*model_, tag), "") << "Tag " << tag;
  }
}

TEST(ShellMenuModel, ItemsBeforeTheFirstHeadingStandAtTheTop) {
  const Text text =
      "shell:Fonts\r\n-\r\n-\r\n\r\n"
      "Group\r\n\r\n\r\n\r\n"
      "shell:Windows\r\nThe Windows folder\r\nApplies to all\r\n\r\n";
  const ShellMenuModel model = BuildShellMenuModel(text);
  ASSERT_EQ(model.looseItems.size(), 1u);
  EXPECT_EQ(model.looseItems[0].caption, "Fonts");
  EXPECT_EQ(model.looseItems[0].tag, 1);
  EXPECT_EQ(ExplorerParameterFor(model, 1), "shell:Fonts");
  ASSERT_EQ(model.headings.size(), 1u);
  ASSERT_EQ(model.headings[0].items.size(), 1u);
  EXPECT_EQ(model.headings[0].items[0].caption, "Windows  -  The Windows folder");
  EXPECT_EQ(model.headings[0].items[0].tag, 9);
}

TEST(ShellMenuModel, AnIncompleteLastGroupAndAnEmptyTextAreIgnored) {
  const ShellMenuModel model = BuildShellMenuModel("Group\r\n\r\n\r\n\r\nshell:Fonts\r\nFonts\r\n");
  ASSERT_EQ(model.headings.size(), 1u);
  EXPECT_FALSE(model.headings[0].HasItems());
  EXPECT_EQ(ExplorerParameterFor(model, 5), "");

  const ShellMenuModel empty = BuildShellMenuModel("");
  EXPECT_TRUE(empty.headings.empty());
  EXPECT_TRUE(empty.looseItems.empty());
  EXPECT_EQ(ExplorerParameterFor(empty, 1), "");
}

TEST(ShellMenuModel, OnlyTheExactComputerFolderNameIsRewritten) {
  const ShellMenuModel model = BuildShellMenuModel(
      "G\r\n\r\n\r\n\r\n"
      "shell:mycomputerfolder\r\n-\r\n-\r\n\r\n"
      "shell:MyComputerFolder \r\n-\r\n-\r\n\r\n");
  EXPECT_EQ(ExplorerParameterFor(model, 5), "shell:mycomputerfolder");
  EXPECT_EQ(ExplorerParameterFor(model, 9), "shell:MyComputerFolder ");
}

}  // namespace
}  // namespace kov

// Finding entries of the whole menu by caption.
#include <gtest/gtest.h>

#include "table_of.h"
#include "ui/search.h"

namespace kov {
namespace {

using test::TableOf;

// An index over entries with the given captions, in slots 1, 2, 3...
CaptionIndex IndexOf(const std::vector<Text>& captions) {
  std::vector<Text> lines;
  for (const Text& caption : captions) lines.push_back("*x.exe**" + caption + "**");
  return CaptionIndex(TableOf(lines));
}

TEST(Search, TheStartOfACaptionInEveryScriptIgnoringCaseAndBlanksAround) {
  // Жук, жук
  const CaptionIndex index =
      IndexOf({"My Notes", "Notepad++", " notepad ", "\xD0\xB6\xD1\x83\xD0\xBA", "\xD0\x96\xD1\x83\xD0\xBA"});
  EXPECT_EQ(index.Find(" NOTE\t"), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(index.Find("\xD0\xB6\xD1\x83"), (std::vector<int>{4, 5}));  // жу
  EXPECT_TRUE(index.Find("").empty());
  EXPECT_TRUE(index.Find("  ").empty());
  EXPECT_TRUE(index.Find("*").empty());
}

TEST(Search, TheStartOfAWordPartedByBlanksDashesUnderscoresDotsOrACapitalInEveryScript) {
  const CaptionIndex index =
      IndexOf({"Emerge", "WINMERGE", "Studio Merge", "WinMerge", "Not-merged", "file_merge", "app.merge",
               "\xD0\x96\xD0\xA3\xD0\x9A\xD0\x9F\xD0\x90\xD0\xA3\xD0\x9A",    // ЖУКПАУК
               "\xD0\x96\xD1\x83\xD0\xBA\xD0\x9F\xD0\xB0\xD1\x83\xD0\xBA"});  // ЖукПаук
  EXPECT_EQ(index.Find("merge"), (std::vector<int>{3, 4, 5, 6, 7, 1, 2}));
  EXPECT_EQ(index.Find("\xD0\xBF\xD0\xB0\xD1\x83"), (std::vector<int>{9, 8}));  // пау
}

TEST(Search, TheInitialsOfConsecutiveWords) {
  const CaptionIndex index = IndexOf({"Notesvsc", "Visual Studio Code", "VS Code", "Wine Configuration", "Winecfg"});
  EXPECT_EQ(index.Find("vsc"), (std::vector<int>{2, 1, 3}));
  EXPECT_EQ(index.Find("wc"), (std::vector<int>{4, 5}));
  // V and C are initials of consecutive words in "VS Code" only.
  EXPECT_EQ(index.Find("vc"), (std::vector<int>{3, 1, 2}));
}

TEST(Search, TextHeldAnywhereInTheCaptionComesAfterTheStrongMatches) {
  const CaptionIndex index = IndexOf({"Snotepad", "Keynote", "Notes"});
  EXPECT_EQ(index.Find("note"), (std::vector<int>{3, 1, 2}));
  EXPECT_EQ(index.Find("otep"), std::vector<int>{1});
}

TEST(Search, LettersInOrderWithGaps) {
  // Жук и Паук
  const CaptionIndex index =
      IndexOf({"Paint", "Notepad", "\xD0\x96\xD1\x83\xD0\xBA \xD0\xB8 \xD0\x9F\xD0\xB0\xD1\x83\xD0\xBA"});
  EXPECT_EQ(index.Find("ntpd"), std::vector<int>{2});
  EXPECT_EQ(index.Find("nt"), (std::vector<int>{1, 2}));
  EXPECT_EQ(index.Find("dpt"), std::vector<int>{});
  EXPECT_EQ(index.Find("\xD0\xB6\xD0\xBA\xD0\xBF"), std::vector<int>{3});  // жкп
}

TEST(Search, OneTypoFromTheStartOfACaptionOrOfAWordInTextsOfFourLettersOrMore) {
  // Блокнот
  const CaptionIndex index =
      IndexOf({"Notepad", "My Notepad", "\xD0\x91\xD0\xBB\xD0\xBE\xD0\xBA\xD0\xBD\xD0\xBE\xD1\x82", "Pad"});
  for (const char* typed : {"noteapd", "notepas", "nnotepad", "ontepad", "xotepad", "notepadx"}) {
    EXPECT_EQ(index.Find(typed), (std::vector<int>{1, 2})) << typed;
  }
  EXPECT_EQ(index.Find("\xD0\xB1\xD0\xBB\xD0\xBE\xD0\xBA\xD0\xBD\xD0\xBE\xD0\xB4"), std::vector<int>{3});  // блокнод
  EXPECT_EQ(index.Find("\xD0\xB1\xD0\xBE\xD0\xBB\xD0\xBA"), std::vector<int>{3});                          // болк
  EXPECT_EQ(index.Find("nottpaad"), std::vector<int>{});                                                   // two typos
  EXPECT_EQ(index.Find("pxd"), std::vector<int>{});    // too short for a typo
  EXPECT_EQ(index.Find("tepda"), std::vector<int>{});  // not at a word start
}

TEST(Search, EveryRuleIgnoresDiacriticsInEveryScript) {
  const CaptionIndex index = IndexOf({
      "Certificate Manager",
      "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
      "e recipe.txt",      // Crème brûlée
      "Gro\xC3\x9Fstadt",  // Großstadt
      "Mon \xC3\x8Ele",    // Mon Île
      "Mobile Benoir",
      "\xCE\xA0\xCE\xB1\xCE\xB9\xCF\x87\xCE\xBD\xCE\xAF\xCE\xB4\xCE\xB9\xCE\xB1",  // Παιχνίδια
      "Gar\xC3\xA7on No\xC3\xABl",                                                 // Garçon Noël
      "Cafe\xCC\x81Noir",  // CaféNoir, its accent a letter of its own
      "\xF0\x91\x82\x9A",  // Kaithi DDDHA, beyond the Basic Multilingual Plane
  });
  EXPECT_EQ(index.Find("creme"), (std::vector<int>{2, 1}));
  EXPECT_EQ(index.Find("CR\xC3\x88ME BRULEE"), std::vector<int>{2});  // CRÈME BRULEE
  EXPECT_EQ(index.Find("grossstadt"), std::vector<int>{3});
  EXPECT_EQ(index.Find("GRO\xE1\xBA\x9ESTADT"), std::vector<int>{3});  // GROẞSTADT
  // A word that starts with an accented letter starts a word, ahead of a caption that
  // merely holds the text; so does a capital after an accented letter.
  EXPECT_EQ(index.Find("ile"), (std::vector<int>{4, 5}));
  EXPECT_EQ(index.Find("noir"), (std::vector<int>{8, 5}));
  // παιχνιδια
  EXPECT_EQ(index.Find("\xCF\x80\xCE\xB1\xCE\xB9\xCF\x87\xCE\xBD\xCE\xB9\xCE\xB4\xCE\xB9\xCE\xB1"),
            std::vector<int>{6});
  EXPECT_EQ(index.Find("garcon noel"), std::vector<int>{7});
  EXPECT_EQ(index.Find("NO\xC3\x8AL"), std::vector<int>{7});   // NOÊL, a word's start
  EXPECT_EQ(index.Find("gn"), std::vector<int>{7});            // initials
  EXPECT_EQ(index.Find("ar\xC3\xA7on"), std::vector<int>{7});  // arçon, held
  EXPECT_EQ(index.Find("gr\xC3\xA7nl"), std::vector<int>{7});  // grçnl, letters in order
  EXPECT_EQ(index.Find("garcoon"), std::vector<int>{7});       // a typo
  EXPECT_EQ(index.Find("caf\xC3\xA9"), std::vector<int>{8});   // café, its accent joined
  EXPECT_TRUE(index.Find("\xCC\x81").empty());                 // an accent alone
  EXPECT_EQ(index.Find("\xF0\x91\x82\x99"), std::vector<int>{9});  // DDHA, DDDHA without its dot
}

TEST(Search, StrongThenHeldThenLooseEachByUseThenRuleThenTableOrder) {
  const CaptionIndex index = IndexOf({
      "Keynote",            // 1 held
      "Notes",              // 2 start
      "Ntoe",               // 3 typo
      "My Notes",           // 4 word start
      "Nice Old Tea Eggs",  // 5 initials
      "No tea",             // 6 letters in order
      "Noet",               // 7 typo
      "Denote",             // 8 held
  });
  EXPECT_EQ(index.Find("note"), (std::vector<int>{2, 4, 5, 1, 8, 6, 3, 7}));
  // The entry used more comes first within its group, never ahead of a better group.
  std::vector<double> use(8, 0.0);
  use[3] = 2.0;  // My Notes
  use[4] = 1.0;  // Nice Old Tea Eggs
  use[7] = 5.0;  // Denote
  use[6] = 9.0;  // Noet
  EXPECT_EQ(index.Find("note", use), (std::vector<int>{4, 5, 2, 8, 1, 7, 6, 3}));
  // Equal use keeps the rule's order; a short list counts 0 for the entries past it.
  EXPECT_EQ(index.Find("note", {0.0, 3.0, 0.0, 3.0}), (std::vector<int>{2, 4, 5, 1, 8, 6, 3, 7}));
}

}  // namespace
}  // namespace kov

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "util/html_text.h"

namespace kov {
namespace {

TEST(JoinLinesWithCrLf, EveryKindOfLineEndBecomesCrLf) {
  EXPECT_EQ(JoinLinesWithCrLf("<html>\n<body>\r\nx\rY</html>"), "<html>\r\n<body>\r\nx\r\nY</html>\r\n");
  EXPECT_EQ(JoinLinesWithCrLf("a\n\nb\n"), "a\r\n\r\nb\r\n");
  EXPECT_EQ(JoinLinesWithCrLf("a\r\n\r\n"), "a\r\n\r\n");
  EXPECT_EQ(JoinLinesWithCrLf("\r\r\n\n"), "\r\n\r\n\r\n");
}

TEST(JoinLinesWithCrLf, EmptyAndSingleLineTexts) {
  EXPECT_EQ(JoinLinesWithCrLf(""), "");
  EXPECT_EQ(JoinLinesWithCrLf("one line"), "one line\r\n");
  EXPECT_EQ(JoinLinesWithCrLf(Text("nul\0byte", 8)), Text("nul\0byte\r\n", 10));
}

TEST(HtmlToPlainText, TagsGoAndBreaksStartLines) {
  EXPECT_EQ(HtmlToPlainText("<b>bold</b> and <i>italic</i><br>next<BR/>last"), "bold and italic\r\nnext\r\nlast");
  EXPECT_EQ(HtmlToPlainText("<p>one</p><div>two</div><table><tr><td>a</td><td>b</td></tr></table>"),
            "one\r\ntwo\r\na b");
  EXPECT_EQ(HtmlToPlainText("<span style=\"a>b\">quoted</span>"), "quoted");
}

TEST(HtmlToPlainText, WhiteSpaceCollapsesAndBlankLineRunsBecomeOne) {
  EXPECT_EQ(HtmlToPlainText("  many \t\r\n  spaces  "), "many spaces");
  EXPECT_EQ(HtmlToPlainText("<br><br>top<br><br><br><br>bottom<br><br>"), "top\r\n\r\nbottom");
}

TEST(HtmlToPlainText, StyleScriptAndCommentsVanish) {
  EXPECT_EQ(HtmlToPlainText("<style type=\"text/css\">a{color:red}</style>x<!-- note <b> -->y"
                            "<SCRIPT>if (a<b) go();</SCRIPT>z"),
            "xyz");
  EXPECT_EQ(HtmlToPlainText("text<style>never closed"), "text");
}

TEST(HtmlToPlainText, EntitiesAreDecodedAndUnknownOnesKept) {
  EXPECT_EQ(HtmlToPlainText("&lt;b&gt; &amp; &quot;q&quot; &#65;&#x42;"), "<b> & \"q\" AB");
  EXPECT_EQ(HtmlToPlainText("&emsp;indented"), "  indented");
  EXPECT_EQ(HtmlToPlainText("drag&drop &unknown; AT&T &#1;"), "drag&drop &unknown; AT&T &#1;");
}

TEST(HtmlToPlainText, StrayMarkupCharactersAreKept) {
  EXPECT_EQ(HtmlToPlainText("a < b and 3<4"), "a < b and 3<4");
  EXPECT_EQ(HtmlToPlainText("unclosed <b tag"), "unclosed <b tag");
  EXPECT_EQ(HtmlToPlainText("caf\xE9 \xA9"), "caf\xE9 \xA9");
}

Text ReadInfoPage() {
  std::ifstream file(KOVRANT_SOURCE_DIR "/src/app/info.html", std::ios::binary);
  return Text(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(InfoPage, HasItsThirtyOneCrLfLinesAndReadsWellAsPlainText) {
  const Text page = ReadInfoPage();
  ASSERT_FALSE(page.empty());
  EXPECT_EQ(JoinLinesWithCrLf(page), page) << "every line ends in CR LF";
  EXPECT_EQ(CountOccurrences(page, "\r\n"), 31);
  EXPECT_EQ(TextPos(page, "<html>\r\n<style type=\"text/css\">\r\n"), 1);
  EXPECT_GT(TextPos(page, "<body  style=\"color:black\" topmargin=0"), 0);
  EXPECT_GT(TextPos(page, "\r\n&emsp;a relative path put at the beginning of the file @R\\<br><br>\r\n"), 0);
  EXPECT_EQ(RightText(page, 25), "</center></body></html>\r\n");

  const Text plain = HtmlToPlainText(page);
  EXPECT_EQ(TextPos(plain, "Kovrant\r\n\r\n'Menu with Shortcuts' with relative and absolute paths\r\n"), 1);
  EXPECT_GT(TextPos(plain, "\r\n. Run it and put in program any kind of files with drag&drop\r\n"), 0);
  EXPECT_GT(TextPos(plain, "\r\n  a relative path put at the beginning of the file @R\\\r\n\r\nThere are also:"), 0);
  EXPECT_EQ(TextPos(plain, "color"), 0) << "the style sheet is not shown";
  EXPECT_EQ(TextPos(plain, "<"), 0);
}

TEST(HtmlText, APageInOtherColoursHasThemBeforeItsBodyOverItsOwnStyle) {
  const Text page = "<html><style>body{color:black}</style><body style=\"color:black\">Hi</body></html>";
  const Text dark = PageInColors(page, 0x202020, 0xF0E0D0);
  EXPECT_EQ(dark.find("<style type=\"text/css\">body,td,table{background-color:#202020 !important;color:#D0E0F0 "
                      "!important}</style>"),
            page.find("<body"));
  EXPECT_EQ(dark.substr(dark.find("<body")), page.substr(page.find("<body")));
}

}  // namespace
}  // namespace kov
